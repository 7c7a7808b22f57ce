#include "stylerbutton/core/property_value.h"

#include "stylerbutton/core/property_store.h"

#include "base/quoted.h"

#include <array>
#include <charconv>
#include <limits>

namespace tolvane::styler {

namespace {

template <class... Fs>
struct Overloaded : Fs... {
    using Fs::operator()...;
};
// C++20 deduces this from the aggregate alone, but clang 14 does not implement that yet.
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

[[noreturn]] void Fail(std::string_view key, const PropertyValue& value,
                       const std::string& problem) {
    throw PropertyValueError(std::string(key), DescribeValue(value), problem);
}

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// Reads a whole decimal integer with an optional sign; anything else in the text is an error.
std::int64_t ParseDecimal(std::string_view key, const PropertyValue& value, std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (text.empty() || end != text.data() + text.size() ||
        (error != std::errc{} && error != std::errc::result_out_of_range)) {
        Fail(key, value, "is not a 32-bit integer");
    }
    if (error == std::errc::result_out_of_range ||
        magnitude > std::uint64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
        Fail(key, value, "does not fit a 32-bit integer");
    }
    const auto signedMagnitude = static_cast<std::int64_t>(magnitude);
    return negative ? -signedMagnitude : signedMagnitude;
}

// A font size as a stream writes it by default: six significant digits, shortest form ("9",
// "10.5", "1e+07"). to_chars does it without the stream and locale machinery.
std::string ShortestSize(double points) {
    constexpr int kDigits = 6;
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), points,
                                      std::chars_format::general, kDigits);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

PropertyValueError::PropertyValueError(std::string key, std::string value,
                                       const std::string& problem)
    : std::runtime_error("property \"" + key + "\": stored value " + value + " " + problem),
      key_(std::move(key)),
      value_(std::move(value)) {}

std::string DescribeValue(const PropertyValue& value) {
    return std::visit(Overloaded{
                          [](std::monostate) -> std::string { return "nothing"; },
                          [](const std::string& text) { return base::Quoted(text); },
                          [](std::int32_t number) { return std::to_string(number); },
                          [](std::int16_t number) { return std::to_string(number); },
                          [](bool flag) -> std::string { return flag ? "True" : "False"; },
                          [](const gdi::FontRef& font) -> std::string {
                              if (!font) {
                                  return "no font";
                              }
                              return "font " + base::Quoted(font->Name) + " " +
                                     ShortestSize(font->SizePoints) + " pt";
                          },
                          [](const PictureRef& picture) -> std::string {
                              if (!picture) {
                                  return "no picture";
                              }
                              return "picture " + std::to_string(picture->Width()) + " x " +
                                     std::to_string(picture->Height());
                          },
                      },
                      value);
}

bool SameValue(const PropertyValue& a, const PropertyValue& b) {
    if (a.index() != b.index()) {
        return false;
    }
    if (const auto* fontA = std::get_if<gdi::FontRef>(&a)) {
        const auto& fontB = std::get<gdi::FontRef>(b);
        if (!*fontA || !fontB) {
            return !*fontA && !fontB;
        }
        return **fontA == *fontB;
    }
    return a == b;
}

std::string ToText(std::string_view key, const PropertyValue& value) {
    return std::visit(Overloaded{
                          [](std::monostate) -> std::string { return {}; },
                          [](const std::string& text) { return text; },
                          [](std::int32_t number) { return std::to_string(number); },
                          [](std::int16_t number) { return std::to_string(number); },
                          [](bool flag) -> std::string { return flag ? "True" : "False"; },
                          [&](const auto&) -> std::string { Fail(key, value, "is not text"); },
                      },
                      value);
}

std::int32_t ToInt32(std::string_view key, const PropertyValue& value) {
    return std::visit(
        Overloaded{
            [](std::int32_t number) { return number; },
            [](std::int16_t number) { return std::int32_t{number}; },
            [](bool flag) { return flag ? std::int32_t{-1} : std::int32_t{0}; },
            [&](const std::string& text) {
                const std::int64_t number = ParseDecimal(key, value, text);
                if (number < std::numeric_limits<std::int32_t>::min() ||
                    number > std::numeric_limits<std::int32_t>::max()) {
                    Fail(key, value, "does not fit a 32-bit integer");
                }
                return static_cast<std::int32_t>(number);
            },
            [&](const auto&) -> std::int32_t { Fail(key, value, "is not a 32-bit integer"); },
        },
        value);
}

std::int16_t ToInt16(std::string_view key, const PropertyValue& value) {
    const std::int32_t number = ToInt32(key, value);
    if (number < std::numeric_limits<std::int16_t>::min() ||
        number > std::numeric_limits<std::int16_t>::max()) {
        Fail(key, value, "does not fit a 16-bit integer");
    }
    return static_cast<std::int16_t>(number);
}

gdi::Colour ToColour(std::string_view key, const PropertyValue& value) {
    return static_cast<gdi::Colour>(ToInt32(key, value));
}

std::int16_t ToBoolean(std::string_view key, const PropertyValue& value) {
    if (const auto* flag = std::get_if<bool>(&value)) {
        return *flag ? std::int16_t{-1} : std::int16_t{0};
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        const std::string_view word = TrimBlanks(*text);
        if (KeysMatch(word, "true")) {
            return -1;
        }
        if (KeysMatch(word, "false")) {
            return 0;
        }
    }
    if (std::holds_alternative<std::string>(value) || std::holds_alternative<std::int32_t>(value) ||
        std::holds_alternative<std::int16_t>(value)) {
        try {
            return ToInt32(key, value) != 0 ? std::int16_t{-1} : std::int16_t{0};
        } catch (const PropertyValueError&) {
            Fail(key, value, "is not a boolean");
        }
    }
    Fail(key, value, "is not a boolean");
}

gdi::FontRef ToFont(std::string_view key, const PropertyValue& value) {
    if (std::holds_alternative<std::monostate>(value)) {
        return nullptr;
    }
    if (const auto* font = std::get_if<gdi::FontRef>(&value)) {
        return *font;
    }
    Fail(key, value, "is not a font");
}

PictureRef ToPicture(std::string_view key, const PropertyValue& value) {
    if (std::holds_alternative<std::monostate>(value)) {
        return nullptr;
    }
    if (const auto* picture = std::get_if<PictureRef>(&value)) {
        return *picture;
    }
    Fail(key, value, "is not a picture");
}

}  // namespace tolvane::styler
