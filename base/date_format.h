#pragma once

#include <string>

namespace tolvane::base {

// Text forms of a date serial. Each raises DateRangeError for an unsupported serial.

// Pattern "yyyy年mm月dd日", four-digit year, month and day with leading zeros:
// 41392.45 -> "2013年04月28日".
std::string FormatLongDate(double serial);

// Pattern "hh", hour 0 to 23 with two digits: 09:05:07 -> "09".
std::string FormatHourField(double serial);

// Pattern "n", minute without a leading zero: 09:05:07 -> "5".
std::string FormatMinuteField(double serial);

// Pattern "ss", second with two digits: 09:05:07 -> "07".
std::string FormatSecondField(double serial);

}  // namespace tolvane::base
