#pragma once

#include <string>
#include <string_view>

namespace tolvane::base {

// Names and keys that ignore ASCII letter case (design keys, control names, saved property
// keys); other bytes, UTF-8 ones included, compare as they are.

// Whether a and b are the same but for ASCII letter case: "captiondisablecolor" matches
// "CaptionDisableColor".
bool KeysMatch(std::string_view a, std::string_view b);

// The text with 'A'..'Z' lowered, for keying a table that KeysMatch would search.
std::string LowerAscii(std::string_view text);

}  // namespace tolvane::base
