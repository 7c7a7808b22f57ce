#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tolvane::base {

// The length of the valid UTF-8 sequence at the start of text and its code point, or 0 when the
// text is empty or its first byte does not begin one: overlong forms, surrogates (ED A0 80 ..
// ED BF BF) and values past U+10FFFF are invalid. "\xe5\xbf\xab" is 3 bytes, U+5FEB.
std::size_t Utf8Sequence(std::string_view text, std::uint32_t& code_point);

// Whether the whole text is valid UTF-8 in the sense of Utf8Sequence.
bool IsValidUtf8(std::string_view text);

}  // namespace tolvane::base
