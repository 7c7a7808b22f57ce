#include "design/json_parse.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "design/design.h"

namespace tolvane::design {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // U+FEFF in UTF-8
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The code unit of the escape \uXXXX at text[at], if there is one.
std::optional<char16_t> UnicodeEscape(std::string_view text, std::size_t at) {
    if (at + 6 > text.size() || text[at] != '\\' || text[at + 1] != 'u') {
        return std::nullopt;
    }
    unsigned unit = 0;
    const char* digits = text.data() + at + 2;
    const auto [end, error] = std::from_chars(digits, digits + 4, unit, 16);
    if (error != std::errc{} || end != digits + 4) {
        return std::nullopt;
    }
    return static_cast<char16_t>(unit);
}

// One pass over the text for what nlohmann's parser cannot take or does not tell. Strings and
// numbers are named by their place among all strings (keys included) or all numbers, counted
// from 0 in the order the parser meets them.
struct Scan {
    // The text for the parser, where it needs changes of the same length (byte offsets stay):
    // each lone surrogate escape as \u003f ('?'), and a NUL outside strings as '#', which the
    // parser refuses (it would take a NUL for the end of the text).
    std::optional<std::string> Changed;
    std::vector<std::size_t> LoneSurrogateStrings;  // ascending
    std::size_t RefusedNumber = kNone;              // the first beyond a double's range
    std::size_t RefusedNumberEnd = 0;               // the offset just past it
    std::size_t TooDeepAt = 0;  // the offset past the first bracket that opens a level too many
};

class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}

    Scan Run() {
        int depth = 0;
        for (std::size_t i = 0; i < text_.size();) {
            const char c = text_[i];
            if (c == '"') {
                i = String(i);
                continue;
            }
            if (c == '-' || (c >= '0' && c <= '9')) {
                i = Number(i);
                continue;
            }
            if ((c == '{' || c == '[') && ++depth > kMaxJsonDepth && scan_.TooDeepAt == 0) {
                scan_.TooDeepAt = i + 1;
            }
            depth -= c == '}' || c == ']' ? 1 : 0;
            if (c == '\0') {
                Changed()[i] = '#';
            }
            ++i;
        }
        return std::move(scan_);
    }

  private:
    std::string& Changed() {
        if (!scan_.Changed) {
            scan_.Changed.emplace(text_);
        }
        return *scan_.Changed;
    }

    // Scans the string whose opening quote is at `open`; returns the offset past its end.
    std::size_t String(std::size_t open) {
        const std::size_t ordinal = strings_++;
        bool lone = false;
        std::size_t i = open + 1;
        while (i < text_.size() && text_[i] != '"') {
            const std::optional<char16_t> unit = UnicodeEscape(text_, i);
            if (!unit) {
                i += text_[i] == '\\' ? 2 : 1;
                continue;
            }
            const std::optional<char16_t> next = UnicodeEscape(text_, i + 6);
            if (IsHighSurrogate(*unit) && next && IsLowSurrogate(*next)) {
                i += 12;  // a pair
                continue;
            }
            if (IsHighSurrogate(*unit) || IsLowSurrogate(*unit)) {
                Changed().replace(i, 6, "\\u003f");
                lone = true;
            }
            i += 6;
        }
        if (lone) {
            scan_.LoneSurrogateStrings.push_back(ordinal);
        }
        return i + 1;
    }

    // Scans the number that starts at `start` as far as characters of numbers go; returns the
    // offset past it.
    std::size_t Number(std::size_t start) {
        const std::size_t ordinal = numbers_++;
        const std::size_t end =
            std::min(text_.find_first_not_of("0123456789+-.eE", start), text_.size());
        double value = 0.0;
        const auto [stop, error] = std::from_chars(text_.data() + start, text_.data() + end, value);
        if (error == std::errc::result_out_of_range && stop == text_.data() + end &&
            scan_.RefusedNumber == kNone) {
            scan_.RefusedNumber = ordinal;
            scan_.RefusedNumberEnd = end;
        }
        return end;
    }

    std::string_view text_;
    Scan scan_;
    std::size_t strings_ = 0;
    std::size_t numbers_ = 0;
};

// nlohmann's message without its label and place: "[json.exception.parse_error.101] parse error
// at line 1, column 2: syntax error ...; last read: '<token>'" reads "syntax error ...". The token
// the parser stopped at, which can be a whole string of any length, is left out.
std::string Reason(const Json::exception& error, const std::string& token) {
    if (error.id == 406) {
        return "illegal number";  // beyond a double's range
    }
    std::string what = error.what();
    what.erase(0, what.find(": ") + 2);
    const std::string last_read = "; last read: '" + token + "'";
    if (const std::size_t at = what.find(last_read); at != std::string::npos) {
        what.erase(at, last_read.size());
    }
    return what;
}

// Builds nlohmann's tree from the parser's events; throws DesignError where the parser or the
// scan refuses the text.
class TreeBuilder {
  public:
    TreeBuilder(std::string_view source, const Scan& scan, std::size_t first_value)
        : source_(source), scan_(scan), first_value_(first_value) {}

    bool null() { return Add(nullptr); }
    bool boolean(bool flag) { return Add(flag); }
    bool number_integer(Json::number_integer_t number) {
        return Number(static_cast<double>(number));
    }
    bool number_unsigned(Json::number_unsigned_t number) {
        return Number(static_cast<double>(number));
    }
    bool number_float(Json::number_float_t number, const Json::string_t&) { return Number(number); }
    bool string(Json::string_t& text) { return Add(NextString(std::move(text))); }
    bool binary(Json::binary_t&) { return Fail(0, "binary data"); }  // JSON text holds none
    bool start_object(std::size_t) { return Open(Json::object()); }
    bool key(Json::string_t& text) {
        const bool lone = std::binary_search(scan_.LoneSurrogateStrings.begin(),
                                             scan_.LoneSurrogateStrings.end(), strings_);
        key_ = NextString(std::move(text));
        if (lone) {
            key_ = MarkedKey(kLoneSurrogateMark, key_);
        }
        return true;
    }
    bool end_object() { return Close(); }
    bool start_array(std::size_t) { return Open(Json::array()); }
    bool end_array() { return Close(); }
    bool parse_error(std::size_t offset, const std::string& token, const Json::exception& error) {
        if (error.id == 406 && open_.empty()) {
            return Fail(first_value_, "illegal value");  // a number as the whole text, too large
        }
        return Fail(offset, Reason(error, token));
    }

    Json& Root() { return root_; }

  private:
    [[noreturn]] bool Fail(std::size_t offset, const std::string& reason) const {
        throw DesignError(std::string(source_) + ": malformed JSON at byte " +
                          std::to_string(offset) + ": " + reason);
    }

    // Puts value into the open container, for an object under the key just read.
    bool Add(Json value) {
        if (open_.empty()) {
            if (!value.is_structured()) {
                return Fail(first_value_, "illegal value");
            }
            root_ = std::move(value);
            last_ = &root_;
        } else if (open_.back()->is_array()) {
            last_ = &open_.back()->emplace_back(std::move(value));
        } else {
            last_ = &((*open_.back())[key_] = std::move(value));
        }
        return true;
    }

    bool Open(Json container) {
        if (open_.size() == static_cast<std::size_t>(kMaxJsonDepth)) {
            return Fail(scan_.TooDeepAt, "too deeply nested document");
        }
        Add(std::move(container));
        open_.push_back(last_);
        return true;
    }

    bool Close() {
        open_.pop_back();
        return true;
    }

    bool Number(double number) {
        if (numbers_++ == scan_.RefusedNumber && !open_.empty()) {
            return Fail(scan_.RefusedNumberEnd, "illegal number");
        }
        return Add(number);
    }

    // The mark followed by the key, in a string sized for both: g++ 12 at -O3 warns falsely
    // (-Wrestrict) on the shorter ways of writing it.
    static std::string MarkedKey(std::string_view mark, std::string_view key) {
        std::string marked(mark.size() + key.size(), '\0');
        std::copy(key.begin(), key.end(), std::copy(mark.begin(), mark.end(), marked.begin()));
        return marked;
    }

    std::string NextString(std::string text) {
        ++strings_;
        std::size_t start = 0;
        while (std::string_view(text).substr(start).starts_with(kByteOrderMark)) {
            start += kByteOrderMark.size();
        }
        return start == 0 ? text : text.substr(start);
    }

    std::string_view source_;
    const Scan& scan_;
    std::size_t first_value_;
    Json root_;
    std::vector<Json*> open_;  // the open objects and arrays, outermost first
    Json* last_ = nullptr;     // the value added last
    std::string key_;
    std::size_t strings_ = 0;
    std::size_t numbers_ = 0;
};

}  // namespace

Json ParseJson(std::string_view text, std::string_view source) {
    const Scan scan = Scanner(text).Run();
    const std::string_view parsed = scan.Changed ? std::string_view(*scan.Changed) : text;
    // Where the document's value begins, past a byte order mark and white space, plus one: a
    // value that is no object or array is refused there.
    const std::size_t first_value =
        text.find_first_not_of(" \t\n\r", text.starts_with(kByteOrderMark) ? 3 : 0) + 1;
    TreeBuilder builder(source, scan, first_value);
    Json::sax_parse(parsed.begin(), parsed.end(), &builder);
    return std::move(builder.Root());
}

}  // namespace tolvane::design
