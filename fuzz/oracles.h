#pragma once

// Checks shared by the fuzz targets. A broken check prints what broke with the input that broke
// it and aborts, which libFuzzer reports as a finding and saves the input.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/quoted.h"

namespace tolvane::fuzz {

// Longest message any refusal may give: a few values quoted at their shown maximum and words.
inline constexpr std::size_t kMaxMessageBytes = 1024;

inline void Require(bool condition, const char* what, std::string_view input) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s, for input %s\n", what, base::Quoted(input).c_str());
        std::abort();
    }
}

inline bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0                 ? 3
                                   : lead >= 0xF0 && lead < 0xF5                 ? 4
                                                                                 : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = code << 6 | (next & 0x3F);
        }
        const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
            return false;
        }
        i += length;
    }
    return true;
}

// A message fit for one terminal line: valid UTF-8, no control character, and bounded in length
// whatever the input was.
inline bool IsBoundedLine(std::string_view message) {
    if (message.empty() || message.size() > kMaxMessageBytes || !IsValidUtf8(message)) {
        return false;
    }
    for (const char c : message) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return false;
        }
    }
    return true;
}

}  // namespace tolvane::fuzz
