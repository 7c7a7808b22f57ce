#include "design/json_scan.h"

#include <charconv>
#include <cstdint>

#include "base/utf8.h"

namespace tolvane::design {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // U+FEFF in UTF-8

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Whether c may follow a backslash in strict JSON.
bool IsEscape(char c) {
    return std::string_view("\"\\/bfnrtu").find(c) != std::string_view::npos;
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The code unit of the four hex digits at text[at], if there are four.
std::optional<char16_t> HexUnit(std::string_view text, std::size_t at) {
    if (at + 4 > text.size()) {
        return std::nullopt;
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + at + 4, value, 16);
    if (error != std::errc{} || end != text.data() + at + 4) {
        return std::nullopt;
    }
    return static_cast<char16_t>(value);
}

// The code unit of the escape \uXXXX at text[at], if it is one.
std::optional<char16_t> UnicodeEscape(std::string_view text, std::size_t at) {
    if (at + 1 >= text.size() || text[at] != '\\' || text[at + 1] != 'u') {
        return std::nullopt;
    }
    return HexUnit(text, at + 2);
}

void AppendUtf8(std::string& text, char32_t code_point) {
    if (code_point < 0x80) {
        text += static_cast<char>(code_point);
    } else if (code_point < 0x800) {
        text += static_cast<char>(0xC0 | (code_point >> 6));
        text += static_cast<char>(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        text += static_cast<char>(0xE0 | (code_point >> 12));
        text += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code_point & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code_point >> 18));
        text += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code_point & 0x3F));
    }
}

// UTF-16 as UTF-8, each lone surrogate as '?'.
std::string Utf8WithMarks(std::u16string_view units) {
    std::string text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            text += '?';
        } else {
            AppendUtf8(text, unit);
        }
    }
    return text;
}

// The code units of a string's body (between its quotes). What the strict parser refuses anyway
// (a bad escape, bad UTF-8) is left out: the string is never used.
std::u16string DecodeBody(std::string_view body) {
    std::u16string units;
    for (std::size_t i = 0; i < body.size();) {
        if (body[i] == '\\' && i + 1 < body.size()) {
            const char escaped = body[i + 1];
            if (escaped == 'u') {
                if (const auto unit = HexUnit(body, i + 2)) {
                    units += *unit;
                }
                i += 6;
                continue;
            }
            constexpr std::string_view kEscaped = "\"\\/bfnrt";
            constexpr std::u16string_view kMeant = u"\"\\/\b\f\n\r\t";
            const std::size_t found = kEscaped.find(escaped);
            // Any other character stands for itself; a byte past ASCII for the character of its
            // value (\xe9 for U+00E9).
            units += found != std::string_view::npos
                         ? kMeant[found]
                         : static_cast<char16_t>(static_cast<std::uint8_t>(escaped));
            i += 2;
            continue;
        }
        std::uint32_t code_point = 0;
        const std::size_t length = base::Utf8Sequence(body.substr(i), code_point);
        if (length == 0) {
            ++i;
            continue;
        }
        if (code_point > 0xFFFF) {
            units += static_cast<char16_t>(0xD800 + ((code_point - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((code_point - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(code_point);
        }
        i += length;
    }
    return units;
}

class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}

    JsonScan Run() {
        std::size_t i = text_.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
        int depth = 0;
        while (i < text_.size()) {
            const char c = text_[i];
            if (c == '{' || c == '[') {
                if (++depth > kMaxJsonDepth && !scan_.TooDeepAt) {
                    scan_.TooDeepAt = i + 1;
                }
                ++i;
            } else if (c == '}' || c == ']') {
                --depth;
                ++i;
            } else if (c == '"') {
                i = String(i);
            } else if (c == '-' || c == '.' || IsDigit(c)) {
                i = Number(i);
            } else if (IsLetter(c)) {
                while (i < text_.size() && IsLetter(text_[i])) {  // true, false, null
                    ++i;
                }
            } else {
                // A NUL would end the text for the parser, which would then take the text before it
                // for the whole; it is refused as any other stray character is.
                if (c == '\0') {
                    Strict()[i] = '#';
                }
                ++i;  // white space, separators; anything else the parser refuses
            }
        }
        return std::move(scan_);
    }

  private:
    std::string& Strict() {
        if (!scan_.Strict) {
            scan_.Strict.emplace(text_);
        }
        return *scan_.Strict;
    }

    // Scans the string whose opening quote is at `open`; returns the offset past its end.
    std::size_t String(std::size_t open) {
        const std::size_t ordinal = strings_++;
        std::vector<std::size_t> lone_escapes;
        std::vector<std::size_t> control_characters;
        std::vector<std::size_t> plain_escapes;
        std::size_t i = open + 1;
        while (i < text_.size() && text_[i] != '"') {
            if (text_[i] != '\\') {
                if (static_cast<std::uint8_t>(text_[i]) < 0x20) {
                    control_characters.push_back(i);
                }
                ++i;
            } else if (const auto unit = UnicodeEscape(text_, i)) {
                const auto next = UnicodeEscape(text_, i + 6);
                if (IsHighSurrogate(*unit) && next && IsLowSurrogate(*next)) {
                    i += 12;
                    continue;
                }
                if (IsHighSurrogate(*unit) || IsLowSurrogate(*unit)) {
                    lone_escapes.push_back(i);
                }
                i += 6;
            } else {
                if (i + 1 < text_.size() && !IsEscape(text_[i + 1])) {
                    plain_escapes.push_back(i);
                }
                i += 2;
            }
        }
        const std::size_t close = std::min(i, text_.size());
        const std::string_view body = text_.substr(open + 1, close - open - 1);
        const bool escaped = body.find('\\') != std::string_view::npos;
        const bool leading_mark = !escaped && body.starts_with(kByteOrderMark);
        scan_.Escaped.push_back(escaped);
        if (!lone_escapes.empty() || !control_characters.empty() || !plain_escapes.empty() ||
            leading_mark) {
            ScannedString& scanned = scan_.Strings.emplace_back();
            scanned.Ordinal = ordinal;
            scanned.LoneSurrogate = !lone_escapes.empty();
            std::u16string units = DecodeBody(body);
            scanned.Text = Utf8WithMarks(units);
            if (leading_mark) {
                scanned.Text.erase(0, kByteOrderMark.size());
                scanned.LeadingMark = true;
            }
            if (scanned.LoneSurrogate) {
                scanned.Utf16 = std::move(units);
            }
            for (const std::size_t at : lone_escapes) {
                Strict().replace(at, 6, "\\u003f");
            }
            for (const std::size_t at : control_characters) {
                Strict()[at] = ' ';
            }
            for (const std::size_t at : plain_escapes) {
                Strict()[at + 1] = '/';
            }
        }
        return close + 1;
    }

    // Scans the number that starts at `start`: an optional minus, "0" or digits, an optional
    // point with digits, an optional exponent with an optional sign and digits, where each run
    // of digits may be empty. Returns the offset past it.
    std::size_t Number(std::size_t start) {
        const std::size_t ordinal = numbers_++;
        std::size_t i = start;
        const auto digits = [&] {
            const std::size_t first = i;
            while (i < text_.size() && IsDigit(text_[i])) {
                ++i;
            }
            return i > first;
        };
        bool strict = true;
        if (text_[i] == '-') {
            ++i;
        }
        if (i < text_.size() && text_[i] == '0') {
            ++i;
        } else {
            strict = digits();
        }
        if (i < text_.size() && text_[i] == '.') {
            ++i;
            strict = digits() && strict;
        }
        if (i < text_.size() && (text_[i] == 'e' || text_[i] == 'E')) {
            ++i;
            if (i < text_.size() && (text_[i] == '+' || text_[i] == '-')) {
                ++i;
            }
            strict = digits() && strict;
        }
        double value = 0.0;
        const auto [end, error] = std::from_chars(text_.data() + start, text_.data() + i, value);
        const bool refused = error != std::errc{} || end != text_.data() + i;
        // A number right after a number, true or false is no value of its own: the parser
        // refuses the text there, and a stand-in could join the two.
        const bool glued =
            start > 0 &&
            std::string_view("0123456789.eE+-").find(text_[start - 1]) != std::string_view::npos;
        if ((refused || !strict) && !glued) {
            scan_.Numbers.push_back({ordinal, value, refused, i});
            // A 0 and spaces, built in place: g++ 12 at -O3 warns falsely (-Wrestrict) on
            // "0" + std::string(...).
            std::string stand_in(i - start, ' ');
            stand_in.front() = '0';
            Strict().replace(start, i - start, stand_in);
        }
        return i;
    }

    std::string_view text_;
    JsonScan scan_;
    std::size_t strings_ = 0;
    std::size_t numbers_ = 0;
};

}  // namespace

JsonScan ScanJson(std::string_view text) {
    return Scanner(text).Run();
}

}  // namespace tolvane::design
