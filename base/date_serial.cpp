#include "base/date_serial.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace tolvane::base {

namespace {

using std::chrono::days;
using std::chrono::seconds;

constexpr std::int64_t kSecondsPerDay = 86'400;

std::string SerialForMessage(double serial) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", serial);
    return text;
}

std::string DateForMessage(std::chrono::year_month_day date) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

}  // namespace

bool IsSupportedSerial(double serial) {
    return serial >= kFirstSerial && serial < kEndSerial;
}

double SerialFromDate(std::chrono::year_month_day date) {
    const int year = static_cast<int>(date.year());
    if (!date.ok() || year < 1 || year > 9999) {
        throw DateRangeError("no date serial for " + DateForMessage(date) +
                             ": not a date in years 1 to 9999");
    }
    return static_cast<double>((std::chrono::sys_days{date} - kSerialEpoch).count());
}

double SerialFromCivil(CivilSeconds civil) {
    const auto day = std::chrono::floor<days>(civil);
    const auto time_of_day = civil - day;
    return static_cast<double>((day - kSerialEpoch).count()) +
           static_cast<double>(time_of_day.count()) / static_cast<double>(kSecondsPerDay);
}

CivilSeconds CivilFromSerial(double serial) {
    if (!IsSupportedSerial(serial)) {
        throw DateRangeError("date serial " + SerialForMessage(serial) +
                             " is outside years 1 to 9999");
    }
    const double day = std::floor(serial);
    // Whole milliseconds absorb the error of the double; the clamp keeps a time just short of
    // midnight (whose fraction may even round to 1) inside its own day.
    const std::int64_t millis = std::llround((serial - day) * kSecondsPerDay * 1000.0);
    const std::int64_t second_of_day = std::min<std::int64_t>(millis / 1000, kSecondsPerDay - 1);
    return kSerialEpoch + days{static_cast<std::int64_t>(day)} + seconds{second_of_day};
}

std::chrono::year_month_day DateOfSerial(double serial) {
    return std::chrono::year_month_day{std::chrono::floor<days>(CivilFromSerial(serial))};
}

std::chrono::hh_mm_ss<std::chrono::seconds> TimeOfSerial(double serial) {
    const CivilSeconds civil = CivilFromSerial(serial);
    return std::chrono::hh_mm_ss<seconds>{civil - std::chrono::floor<days>(civil)};
}

double TodayOf(double serial) {
    return std::floor(serial);
}

}  // namespace tolvane::base
