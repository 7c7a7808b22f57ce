#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace tolvane::base {

// Why a clock value was refused, e.g.
// unreadable clock value "2014-02-30 10:00:00": no such date
struct ClockValueError {
    std::string message;
};

// Reads a local clock value of the exact form "YYYY-MM-DD hh:mm:ss", years 0001 to 9999, hours
// 00 to 23: "2013-04-28 10:54:50" -> the serial 41392.4547453... (see date_serial.h).
std::variant<double, ClockValueError> ParseClockValue(std::string_view text);

}  // namespace tolvane::base
