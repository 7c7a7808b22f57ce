#pragma once

#include <chrono>
#include <stdexcept>

namespace tolvane::base {

// A date serial counts days since 30 December 1899; the fraction is the time of day. 41736 is
// 7 April 2014, 1987 is 9 June 1905, and 41392.454745... is 28 April 2013 10:54:50.
//
// Serials are continuous: the date is always floor(serial) and the fraction always the time
// after midnight, so 29 December 1899 06:00 is -0.75 (not -1.25 as in the automation date
// encoding, whose negative serials run backwards within a day). Serials therefore stay ordered
// and their differences stay elapsed days on both sides of the epoch.
//
// Serials hold local wall-clock time without a zone. CivilSeconds carries that time to the
// second; it borrows sys_seconds only for the calendar arithmetic, no zone is implied.
using CivilSeconds = std::chrono::sys_seconds;

inline constexpr std::chrono::sys_days kSerialEpoch{std::chrono::year{1899} / 12 / 30};

// Supported serials are those of years 1 to 9999: [kFirstSerial, kEndSerial).
inline constexpr double kFirstSerial = -693593;  // 1 January 0001
inline constexpr double kEndSerial = 2958466;    // 1 January 10000

// Raised for a serial that is not a finite number in years 1 to 9999, or for a date that does not
// exist; the message names the value, e.g. "date serial 3e+06 is outside years 1 to 9999".
class DateRangeError : public std::out_of_range {
  public:
    using std::out_of_range::out_of_range;
};

// True when the serial is finite and lies in years 1 to 9999.
bool IsSupportedSerial(double serial);

// Serial of a calendar date at midnight: 2014-04-07 -> 41736. Raises DateRangeError for a date
// that is not ok() or lies outside years 1 to 9999.
double SerialFromDate(std::chrono::year_month_day date);

// Serial of a civil time: 2013-04-28 10:54:50 -> 41392 + 39290 / 86400.
double SerialFromCivil(CivilSeconds civil);

// Civil time of a serial, floored to the whole second: 41392.4547453 -> 2013-04-28 10:54:50.
// The sub-millisecond error a double carries at these magnitudes is allowed for, and the result
// never leaves the serial's own day, so 23:59:59.9999 stays 23:59:59. Raises DateRangeError
// for an unsupported serial.
CivilSeconds CivilFromSerial(double serial);

// Calendar date of a serial: 41736.99 -> 2014-04-07.
std::chrono::year_month_day DateOfSerial(double serial);

// Time of day of a serial, to the second: 41392.4547453 -> 10:54:50.
std::chrono::hh_mm_ss<std::chrono::seconds> TimeOfSerial(double serial);

// The serial without its time of day: 41736.75 -> 41736, -0.75 -> -1.
double TodayOf(double serial);

}  // namespace tolvane::base
