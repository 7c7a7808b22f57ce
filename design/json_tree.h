#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::design {

struct JsonMember;

// A JSON value as a design's reader reads it: numbers as doubles, text as UTF-8, and each
// object's members sorted by key, every key once (a key given twice keeps the later value). Keys
// written without escapes sort by their UTF-8 bytes, keys with escapes by their UTF-16 code
// units, one of each by code points: the orders differ only for characters from U+E000 to U+FFFF
// against those past U+FFFF.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind Type = Kind::Null;
    bool Boolean = false;
    double Number = 0.0;
    std::string Text;  // each lone surrogate as '?'
    std::vector<JsonValue> Items;
    std::vector<JsonMember> Members;
};

struct JsonMember {
    std::string Key;             // each lone surrogate as '?'
    bool LoneSurrogate = false;  // the key held one
    JsonValue Value;
};

// Raised by ParseJson: where the text stops being JSON, and why ("illegal number").
class JsonSyntaxError : public std::runtime_error {
  public:
    JsonSyntaxError(std::size_t offset, const std::string& reason)
        : std::runtime_error(reason), offset_(offset) {}
    std::size_t Offset() const { return offset_; }

  private:
    std::size_t offset_;
};

// The object or array that the text holds, read with nlohmann's JSON parser as json_scan.h
// describes (it says what is taken beyond strict JSON). A text whose value is no object or
// array is refused.
JsonValue ParseJson(std::string_view text);

}  // namespace tolvane::design
