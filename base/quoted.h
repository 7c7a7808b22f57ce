#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvane::base {

// How many characters of a value a message shows before it cuts the rest to "...".
inline constexpr std::size_t kQuotedMaxLength = 60;

// The text in double quotes, as messages name a value, safe to print as part of one terminal
// line: abc -> "abc". Backslashes, double quotes, line breaks, tabs and other control characters
// are escaped (\\ \" \n \r \t \x1b, \u0085 and \u2028 for the Unicode ones), and so is each byte
// that is not part of valid UTF-8 (\xff). A text that would show more than kQuotedMaxLength
// characters shows its first ones and "...".
std::string Quoted(std::string_view text);

}  // namespace tolvane::base
