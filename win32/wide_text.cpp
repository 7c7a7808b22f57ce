#include "win32/wide_text.h"

#include <cstdint>

#include "base/utf8.h"

namespace tolvane::win32 {

namespace {

void AppendUtf16(std::wstring& out, std::uint32_t code_point) {
    if (code_point < 0x10000) {
        out += static_cast<wchar_t>(code_point);
        return;
    }
    code_point -= 0x10000;
    out += static_cast<wchar_t>(0xD800 + (code_point >> 10));
    out += static_cast<wchar_t>(0xDC00 + (code_point & 0x3FF));
}

void AppendUtf8(std::string& out, std::uint32_t code_point) {
    const auto byte = [&out](std::uint32_t value) { out += static_cast<char>(value); };
    if (code_point < 0x80) {
        byte(code_point);
    } else if (code_point < 0x800) {
        byte(0xC0 | (code_point >> 6));
        byte(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        byte(0xE0 | (code_point >> 12));
        byte(0x80 | ((code_point >> 6) & 0x3F));
        byte(0x80 | (code_point & 0x3F));
    } else {
        byte(0xF0 | (code_point >> 18));
        byte(0x80 | ((code_point >> 12) & 0x3F));
        byte(0x80 | ((code_point >> 6) & 0x3F));
        byte(0x80 | (code_point & 0x3F));
    }
}

bool IsHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(wchar_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::wstring Utf16(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        std::uint32_t code_point = 0;
        const std::size_t length = base::Utf8Sequence(utf8, code_point);
        if (length == 0) {
            out += L'\uFFFD';
            utf8.remove_prefix(1);
            continue;
        }
        AppendUtf16(out, code_point);
        utf8.remove_prefix(length);
    }
    return out;
}

std::string Utf8(std::wstring_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const wchar_t unit = utf16[i];
        if (IsHighSurrogate(unit) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) {
            const std::uint32_t high = unit - 0xD800u;
            const std::uint32_t low = utf16[++i] - 0xDC00u;
            AppendUtf8(out, 0x10000 + (high << 10) + low);
        } else {
            AppendUtf8(out, static_cast<std::uint32_t>(unit));
        }
    }
    return out;
}

}  // namespace tolvane::win32
