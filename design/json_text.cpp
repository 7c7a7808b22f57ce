#include "design/json_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>

#include "base/utf8.h"

namespace tolvane::design {

std::string ShortestNumberText(double value) {
    if (value == 0.0) {
        return "0";
    }
    // The shortest round-trip digits, as d.ddde±xx.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const bool negative = scientific.front() == '-';
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (c != '.') {
            digits += c;
        }
    }
    int exponent = 0;
    const std::string_view exponent_text = scientific.substr(e + 1);
    std::from_chars(exponent_text.data() + (exponent_text.front() == '+' ? 1 : 0),
                    exponent_text.data() + exponent_text.size(), exponent);
    const int count = static_cast<int>(digits.size());

    std::string exponent_form = digits.substr(0, 1);
    if (count > 1) {
        exponent_form += '.' + digits.substr(1);
    }
    const std::string magnitude = std::to_string(std::abs(exponent));
    exponent_form += exponent < 0 ? "e-" : "e+";
    exponent_form += (magnitude.size() < 2 ? "0" : "") + magnitude;

    std::string plain_form;
    if (exponent < 0) {
        plain_form = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (count <= exponent + 1) {
        plain_form = digits + std::string(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
        const auto point = static_cast<std::size_t>(exponent + 1);
        plain_form = digits.substr(0, point) + '.' + digits.substr(point);
    }
    const std::string& shorter =
        exponent_form.size() < plain_form.size() ? exponent_form : plain_form;
    return negative ? '-' + shorter : shorter;
}

std::string RepairedUtf8(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::string repaired;
    repaired.reserve(text.size());
    while (!text.empty()) {
        std::uint32_t code_point = 0;
        const std::size_t length = base::Utf8Sequence(text, code_point);
        if (length == 0) {
            repaired += "\xEF\xBF\xBD";
            text.remove_prefix(1);
        } else {
            repaired += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return repaired;
}

bool Utf16Less(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i] == b[i]) {
            continue;
        }
        // The texts agree up to here, so both bytes begin a character or both continue one. UTF-8
        // bytes sort as code points; only the lead bytes of U+E000 to U+FFFF (0xEE, 0xEF) must
        // move past those of U+10000 and up (0xF0 to 0xF4), whose surrogates are smaller.
        const auto weight = [](char c) {
            const auto byte = static_cast<std::uint8_t>(c);
            return byte == 0xEE || byte == 0xEF ? byte + 0x10 : byte;
        };
        return weight(a[i]) < weight(b[i]);
    }
    return a.size() < b.size();
}

}  // namespace tolvane::design
