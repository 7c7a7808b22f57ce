#pragma once

#include <string_view>

#include <nlohmann/json_fwd.hpp>

namespace tolvane::design {

using Json = nlohmann::json;

inline constexpr int kMaxJsonDepth = 1024;

// What begins a key that held a lone surrogate: a byte that no text read from JSON can hold.
inline constexpr std::string_view kLoneSurrogateMark = "\xFF";

// The object or array that the text holds, read as strict JSON (RFC 8259) by nlohmann's parser:
// numbers as doubles, each object's keys sorted by their UTF-8 bytes (a key given twice keeps
// its later value). Beyond the parser:
//   - a \u escape of a lone surrogate (\ud800 without its pair) reads as '?', and a key that
//     held one begins with kLoneSurrogateMark;
//   - byte order marks (U+FEFF) at the start of a string are left out, as the writer leaves
//     them out;
//   - refused: a text whose value is no object or array, a number beyond a double's range (too
//     large, or so small that it would read as 0), nesting deeper than kMaxJsonDepth.
// Throws DesignError "<source>: malformed JSON at byte N: <reason>".
Json ParseJson(std::string_view text, std::string_view source);

}  // namespace tolvane::design
