#include "base/quoted.h"

#include <cstdint>

#include "base/utf8.h"

namespace tolvane::base {

namespace {

// One character of the text as a message shows it: the bytes to print and how wide they read.
struct Shown {
    std::string text;
    std::size_t bytes_read = 1;
};

std::string HexEscape(char prefix, std::uint32_t value, int digits) {
    constexpr std::string_view kHex = "0123456789abcdef";
    std::string escape{'\\', prefix};
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        escape += kHex[(value >> shift) & 0xF];
    }
    return escape;
}

// The first character of a non-empty text as a message shows it.
Shown ShowFirst(std::string_view text) {
    const auto c = static_cast<std::uint8_t>(text[0]);
    switch (c) {
        case '\n':
            return {"\\n"};
        case '\r':
            return {"\\r"};
        case '\t':
            return {"\\t"};
        case '\\':
            return {"\\\\"};
        case '"':
            return {"\\\""};
        default:
            break;
    }
    if (c < 0x20 || c == 0x7F) {
        return {HexEscape('x', c, 2)};
    }
    if (c < 0x80) {
        return {std::string(1, static_cast<char>(c))};
    }
    std::uint32_t code_point = 0;
    const std::size_t length = Utf8Sequence(text, code_point);
    if (length == 0) {
        return {HexEscape('x', c, 2)};
    }
    // C1 controls (a terminal reads some as commands) and the Unicode line and paragraph breaks.
    if (code_point <= 0x9F || code_point == 0x2028 || code_point == 0x2029) {
        return {HexEscape('u', code_point, 4), length};
    }
    return {std::string(text.substr(0, length)), length};
}

// How many characters the shown text reads as: its code points.
std::size_t Width(std::string_view shown) {
    std::size_t width = 0;
    for (const char c : shown) {
        width += (static_cast<std::uint8_t>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return width;
}

}  // namespace

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    std::size_t width = 0;
    while (!text.empty()) {
        const Shown shown = ShowFirst(text);
        width += Width(shown.text);
        if (width > kQuotedMaxLength) {
            quoted += "...";
            break;
        }
        quoted += shown.text;
        text.remove_prefix(shown.bytes_read);
    }
    quoted += '"';
    return quoted;
}

}  // namespace tolvane::base
