#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane::base {

// Conversions between numbers and the texts that hold them. Blanks are space, tab and line feed.

// Text -> the number it begins with, blanks skipped: "1 0 8 0" -> 1080, "-0 0 0 5" -> -5.
// Reads an optional sign, digits and an optional decimal point with more digits, blanks anywhere
// skipped, stopping at any other character ("12abc" -> 12); no leading digit gives 0 ("abc").
// A number too small for a double reads as 0 ("0.000…01" with hundreds of zeros), and a zero
// reads without its sign. Raises OverflowError naming the text when the number is too large.
double LeadingValue(std::string_view text);

// Whole text -> its number, or nullopt when it is none: " -5 " -> -5, "同时倒计时" -> nullopt.
// Accepts surrounding blanks, an optional sign, digits with an optional decimal point and an
// optional exponent ("1.5e3" -> 1500); "1 0 8 0", "inf" and values too large for a double give
// nullopt. A value too small for a double reads as 0 ("-1e-400" -> 0), a zero without its sign.
std::optional<double> ExactNumber(std::string_view text);

// Number -> its shortest plain decimal text: 1079 -> "1079", -3 -> "-3", 0.1 -> "0.1".
// The text reads back as the same number; it has no exponent and no leading blank, whole
// numbers have no decimal point and -0.0 gives "0". (Infinities and NaN, which no caller should
// pass, come out as "inf" and "nan".)
std::string NumberText(double number);

// Number text -> pattern "0 0 0 0": "1080" -> "1 0 8 0", "12345" -> "12 3 4 5", "-5" -> "-0 0 0 5".
// Four digit positions separated by single spaces, padded with leading zeros ("345" ->
// "0 3 4 5"); extra digits all go to the first position and a negative number gets a leading
// minus. A fraction is rounded half to even; a text that is not a number comes back unchanged.
std::string FormatSpaced(std::string_view text);

}  // namespace tolvane::base
