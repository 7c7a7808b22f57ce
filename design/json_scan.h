#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::design {

// What a design's JSON reader takes beyond strict JSON (RFC 8259), so that designs written by
// hand keep reading as they always have:
//   - control characters (U+0000 to U+001F) unescaped inside strings;
//   - a backslash before any other character than JSON's escapes: the character stands for
//     itself ("\d" is "d"; a byte past ASCII stands for the character of its value, U+0080 to
//     U+00FF);
//   - numbers with digits on one side of the point only: "1.", ".5", "-.5", "1.e5";
//   - \u escapes of lone surrogates (\ud800 without its pair), each read as '?' in UTF-8;
// and what it reads otherwise:
//   - a byte order mark (U+FEFF) that begins a string without escapes is taken for a mark and
//     left out of the string's text (a key keeps it when keys are compared: json_tree.h);
// and what it refuses that the grammar allows:
//   - numbers beyond a double's range: too large, or so small they would read as 0;
//   - objects and arrays nested deeper than kMaxJsonDepth.
//
// ScanJson finds these places in one pass over the text, before a strict parser reads it: it
// makes a copy of the text that the strict parser accepts, each place replaced by a stand-in of
// the same length (so byte offsets stay as they are), and notes what each stands for. Strings and
// numbers are named by their position among all strings (keys included) or all numbers of the
// text, counted from 0, as the parser meets them.

inline constexpr int kMaxJsonDepth = 1024;

// A string that needed stand-ins.
struct ScannedString {
    std::size_t Ordinal = 0;
    std::string Text;      // UTF-8, each lone surrogate as '?'
    std::u16string Utf16;  // with its lone surrogates; only when LoneSurrogate
    bool LoneSurrogate = false;
    bool LeadingMark = false;  // a byte order mark was left out of Text
};

// A number that needed a stand-in or is refused.
struct ScannedNumber {
    std::size_t Ordinal = 0;
    double Value = 0.0;
    bool Refused = false;
    std::size_t End = 0;  // the offset just past it
};

struct JsonScan {
    // The text with its stand-ins; nothing when it needs none.
    std::optional<std::string> Strict;
    // Whether each string, by Ordinal, holds an escape (a backslash).
    std::vector<bool> Escaped;
    std::vector<ScannedString> Strings;  // by Ordinal
    std::vector<ScannedNumber> Numbers;  // by Ordinal
    // The offset just past the first bracket that opens level kMaxJsonDepth + 1.
    std::optional<std::size_t> TooDeepAt;
};

JsonScan ScanJson(std::string_view text);

}  // namespace tolvane::design
