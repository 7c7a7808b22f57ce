#pragma once

#include <string>
#include <string_view>

namespace tolvane::design {

// The text forms a design's JSON and its messages share.

// A number as the design's JSON and its messages write it: the fewest digits that read back as
// the same double, in plain or exponent form, whichever is shorter (plain on a tie); an exponent
// has a sign and two digits at least. 2147483648 -> "2147483648", 1e15 -> "1e+15",
// 0.0001 -> "1e-04", -0.0 -> "0". The value must be finite.
std::string ShortestNumberText(double value);

// The text with each byte that does not begin a valid UTF-8 sequence (utf8.h) replaced by U+FFFD,
// and without a byte order mark (U+FEFF) at its very start, which marks the encoding.
std::string RepairedUtf8(std::string_view text);

// Whether valid UTF-8 text a sorts before b in the order of their UTF-16 code units, which puts
// characters past U+FFFF (surrogate pairs) before U+E000 to U+FFFF.
bool Utf16Less(std::string_view a, std::string_view b);

}  // namespace tolvane::design
