#pragma once

#include <string>
#include <string_view>

namespace tolvane::win32 {

// Text between the program's UTF-8 and the UTF-16 of the Windows calls.

// UTF-8 to UTF-16; a byte that is not part of valid UTF-8 becomes U+FFFD.
std::wstring Utf16(std::string_view utf8);

// UTF-16 to UTF-8. A lone surrogate, which has no UTF-8 form, keeps its three-byte pattern
// (ED A0 80 .. ED BF BF), so that a check for valid UTF-8 refuses it instead of reading another
// name in its place.
std::string Utf8(std::wstring_view utf16);

}  // namespace tolvane::win32
