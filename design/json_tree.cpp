#include "design/json_tree.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>
#include <utility>

#include <nlohmann/json.hpp>

#include "base/utf8.h"
#include "design/json_scan.h"

namespace tolvane::design {

namespace {

using Json = nlohmann::json;

// nlohmann's message without its label and place: "[json.exception.parse_error.101] parse error
// at line 1, column 2: syntax error ..." reads "syntax error ...". The token the parser stopped
// at, which can be a whole string of any length, is left out.
std::string Reason(std::string what, const std::string& last_token) {
    if (what.starts_with("[json.exception.")) {
        if (const std::size_t label_end = what.find("] "); label_end != std::string::npos) {
            what.erase(0, label_end + 2);
        }
    }
    if (what.starts_with("parse error")) {
        if (const std::size_t colon = what.find(": "); colon != std::string::npos) {
            what.erase(0, colon + 2);
        }
    }
    const std::string last_read = "; last read: '" + last_token + "'";
    if (const std::size_t at = what.find(last_read); at != std::string::npos) {
        what.erase(at, last_read.size());
    }
    return what;
}

// Valid UTF-8 as UTF-16.
std::u16string Utf16(std::string_view text) {
    std::u16string units;
    while (!text.empty()) {
        std::uint32_t code_point = 0;
        const std::size_t length = std::max<std::size_t>(1, base::Utf8Sequence(text, code_point));
        if (code_point > 0xFFFF) {
            units += static_cast<char16_t>(0xD800 + ((code_point - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((code_point - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(code_point);
        }
        text.remove_prefix(length);
    }
    return units;
}

// How a key was written, which decides how it compares with others.
struct KeyForm {
    bool Escaped = false;      // it holds an escape
    bool LeadingMark = false;  // a byte order mark was left out of its text
    std::u16string LoneUnits;  // its code units when it holds a lone surrogate
};

std::u32string CodePoints(std::string_view utf8) {
    std::u32string points;
    while (!utf8.empty()) {
        std::uint32_t code_point = 0;
        const std::size_t length = std::max<std::size_t>(1, base::Utf8Sequence(utf8, code_point));
        points += static_cast<char32_t>(code_point);
        utf8.remove_prefix(length);
    }
    return points;
}

// UTF-16 as code points: pairs joined, lone surrogates as their own values.
std::u32string CodePoints(std::u16string_view units) {
    std::u32string points;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            points += 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else {
            points += unit;
        }
    }
    return points;
}

template <class Text>
int Sign(const Text& a, const Text& b) {
    const int order = a.compare(b);
    return (order > 0) - (order < 0);
}

// Orders two keys the way design files have always been read: keys written without escapes by
// their UTF-8 bytes (with a leading byte order mark), keys with escapes by their UTF-16 code
// units, and one of each by code points. The three agree but for characters from U+E000 to
// U+FFFF against those past U+FFFF.
int CompareKeys(const std::string& a, const KeyForm& form_a, const std::string& b,
                const KeyForm& form_b) {
    const auto units = [](const std::string& key, const KeyForm& form) {
        return form.LoneUnits.empty() ? Utf16(key) : form.LoneUnits;
    };
    const auto bytes = [](const std::string& key, const KeyForm& form) {
        return form.LeadingMark ? "\xEF\xBB\xBF" + key : key;
    };
    if (!form_a.Escaped && !form_b.Escaped) {
        if (!form_a.LeadingMark && !form_b.LeadingMark) {
            return Sign(std::string_view(a), std::string_view(b));
        }
        return Sign(bytes(a, form_a), bytes(b, form_b));
    }
    if (form_a.Escaped && form_b.Escaped) {
        return Sign(units(a, form_a), units(b, form_b));
    }
    const auto points = [&](const std::string& key, const KeyForm& form) {
        return form.Escaped ? CodePoints(units(key, form)) : CodePoints(bytes(key, form));
    };
    return Sign(points(a, form_a), points(b, form_b));
}

// Sorts an object's members by their keys (CompareKeys), keeping each key once with its last
// value; forms[i] tells how member i's key was written.
void SortMembers(std::vector<JsonMember>& members, const std::vector<KeyForm>& forms) {
    const auto compare = [&](std::size_t a, std::size_t b) {
        return CompareKeys(members[a].Key, forms[a], members[b].Key, forms[b]);
    };
    // Saved designs list their keys in order already.
    bool in_order = true;
    for (std::size_t i = 1; i < members.size() && in_order; ++i) {
        in_order = compare(i - 1, i) < 0;
    }
    if (in_order) {
        return;
    }
    std::vector<std::size_t> order(members.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return compare(a, b) < 0; });
    std::vector<bool> repeats(order.size());
    for (std::size_t k = 1; k < order.size(); ++k) {
        repeats[k] = compare(order[k - 1], order[k]) == 0;
    }
    std::vector<JsonMember> sorted;
    sorted.reserve(members.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (repeats[k]) {
            sorted.back().Value = std::move(members[order[k]].Value);
        } else {
            sorted.push_back(std::move(members[order[k]]));
        }
    }
    members = std::move(sorted);
}

// Builds the tree from nlohmann's parsing events, taking the scan's strings and numbers in place
// of their stand-ins.
class TreeBuilder {
  public:
    TreeBuilder(std::string_view text, JsonScan& scan) : text_(text), scan_(scan) {}

    bool null() { return Add(JsonValue{}); }
    bool boolean(bool flag) {
        JsonValue value;
        value.Type = JsonValue::Kind::Bool;
        value.Boolean = flag;
        return Add(std::move(value));
    }
    bool number_integer(Json::number_integer_t number) {
        return Number(static_cast<double>(number));
    }
    bool number_unsigned(Json::number_unsigned_t number) {
        return Number(static_cast<double>(number));
    }
    bool number_float(Json::number_float_t number, const Json::string_t&) { return Number(number); }
    bool string(Json::string_t& text) {
        JsonValue value;
        value.Type = JsonValue::Kind::String;
        value.Text = NextString(text).Text;
        return Add(std::move(value));
    }
    bool binary(Json::binary_t&) { return false; }  // JSON text holds none
    bool start_object(std::size_t) { return Open(JsonValue::Kind::Object); }
    bool key(Json::string_t& text) {
        const bool escaped = strings_ < scan_.Escaped.size() && scan_.Escaped[strings_];
        ScannedString key = NextString(text);
        Frame& frame = stack_.back();
        frame.Container->Members.push_back({std::move(key.Text), key.LoneSurrogate, {}});
        frame.KeyForms.push_back({escaped, key.LeadingMark, std::move(key.Utf16)});
        return true;
    }
    bool end_object() {
        SortMembers(stack_.back().Container->Members, stack_.back().KeyForms);
        stack_.pop_back();
        return true;
    }
    bool start_array(std::size_t) { return Open(JsonValue::Kind::Array); }
    bool end_array() {
        stack_.pop_back();
        return true;
    }
    bool parse_error(std::size_t position, const std::string& last_token,
                     const nlohmann::detail::exception& error) {
        return Fail(position, Reason(error.what(), last_token));
    }

    JsonValue& Root() { return root_; }
    const std::optional<JsonSyntaxError>& Error() const { return error_; }

  private:
    // An open object or array, and how each of its keys was written.
    struct Frame {
        JsonValue* Container;
        std::vector<KeyForm> KeyForms;
    };

    bool Fail(std::size_t offset, const std::string& reason) {
        error_.emplace(offset, reason);
        return false;
    }

    // Where the document's first value ends its first character: a value that is no object or
    // array is refused there.
    std::size_t FirstValueOffset() const {
        std::size_t i = text_.starts_with("\xEF\xBB\xBF") ? 3 : 0;
        while (i < text_.size() &&
               std::string_view(" \t\n\r").find(text_[i]) != std::string::npos) {
            ++i;
        }
        return i + 1;
    }

    // Puts value into the open container (for an object, under the key just read); the
    // value's place in the tree.
    JsonValue* Place(JsonValue value) {
        if (stack_.empty()) {
            if (value.Type != JsonValue::Kind::Object && value.Type != JsonValue::Kind::Array) {
                Fail(FirstValueOffset(), "illegal value");
                return nullptr;
            }
            root_ = std::move(value);
            return &root_;
        }
        JsonValue& container = *stack_.back().Container;
        if (container.Type == JsonValue::Kind::Array) {
            return &container.Items.emplace_back(std::move(value));
        }
        JsonValue& target = container.Members.back().Value;
        target = std::move(value);
        return &target;
    }

    bool Add(JsonValue value) { return Place(std::move(value)) != nullptr; }

    bool Open(JsonValue::Kind kind) {
        if (stack_.size() == static_cast<std::size_t>(kMaxJsonDepth)) {
            return Fail(scan_.TooDeepAt.value_or(0), "too deeply nested document");
        }
        JsonValue value;
        value.Type = kind;
        JsonValue* placed = Place(std::move(value));
        if (placed != nullptr) {
            stack_.push_back({placed, {}});
        }
        return placed != nullptr;
    }

    bool Number(double number) {
        const std::size_t ordinal = numbers_++;
        // A number as the whole document is refused as such (Place), whatever its form.
        if (!stack_.empty() && next_number_ < scan_.Numbers.size() &&
            scan_.Numbers[next_number_].Ordinal == ordinal) {
            const ScannedNumber& scanned = scan_.Numbers[next_number_++];
            if (scanned.Refused) {
                return Fail(scanned.End, "illegal number");
            }
            number = scanned.Value;
        }
        JsonValue value;
        value.Type = JsonValue::Kind::Number;
        value.Number = number;
        return Add(std::move(value));
    }

    ScannedString NextString(Json::string_t& parsed) {
        const std::size_t ordinal = strings_++;
        if (next_string_ < scan_.Strings.size() && scan_.Strings[next_string_].Ordinal == ordinal) {
            return std::move(scan_.Strings[next_string_++]);
        }
        ScannedString plain;
        plain.Text = std::move(parsed);
        return plain;
    }

    std::string_view text_;
    JsonScan& scan_;
    JsonValue root_;
    std::vector<Frame> stack_;
    std::optional<JsonSyntaxError> error_;
    std::size_t strings_ = 0;
    std::size_t numbers_ = 0;
    std::size_t next_string_ = 0;
    std::size_t next_number_ = 0;
};

}  // namespace

JsonValue ParseJson(std::string_view text) {
    JsonScan scan = ScanJson(text);
    const std::string_view strict = scan.Strict ? std::string_view(*scan.Strict) : text;
    TreeBuilder builder(text, scan);
    if (!Json::sax_parse(strict.begin(), strict.end(), &builder)) {
        throw builder.Error().value_or(JsonSyntaxError(0, "the text is not JSON"));
    }
    return std::move(builder.Root());
}

}  // namespace tolvane::design
