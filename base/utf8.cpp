#include "base/utf8.h"

namespace tolvane::base {

std::size_t Utf8Sequence(std::string_view text, std::uint32_t& code_point) {
    if (text.empty()) {
        return 0;
    }
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) {
        code_point = lead;
        return 1;
    }
    std::size_t length = 0;
    std::uint32_t low = 0;  // the smallest code point the length may carry
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, low = 0x80, code_point = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, low = 0x800, code_point = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, low = 0x10000, code_point = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        code_point = (code_point << 6) | (byte(i) & 0x3Fu);
    }
    const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
    if (code_point < low || code_point > 0x10FFFF || surrogate) {
        return 0;
    }
    return length;
}

bool IsValidUtf8(std::string_view text) {
    while (!text.empty()) {
        std::uint32_t code_point = 0;
        const std::size_t length = Utf8Sequence(text, code_point);
        if (length == 0) {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

}  // namespace tolvane::base
