#include "base/clock.h"

#include <algorithm>
#include <ctime>
#include <string>
#include <utility>

namespace tolvane::base {

namespace {

// The local time of `now` broken down, thread-safely; false when it cannot be had. The C runtime
// of Windows has localtime_s (arguments the other way round) where POSIX has localtime_r.
bool LocalTime(std::time_t now, std::tm& local) {
#ifdef _WIN32
    return localtime_s(&local, &now) == 0;
#else
    return localtime_r(&now, &local) != nullptr;
#endif
}

}  // namespace

double SystemClock::Now() const {
    using namespace std::chrono;
    const std::time_t now = system_clock::to_time_t(system_clock::now());
    std::tm local{};
    if (!LocalTime(now, local)) {
        throw ClockError("local time unavailable for system time " + std::to_string(now));
    }
    const year_month_day date{year{local.tm_year + 1900},
                              month{static_cast<unsigned>(local.tm_mon + 1)},
                              day{static_cast<unsigned>(local.tm_mday)}};
    // A leap second (tm_sec 60) is shown as the second before it, so the day is never left.
    const CivilSeconds civil = sys_days{date} + hours{local.tm_hour} + minutes{local.tm_min} +
                               seconds{std::min(local.tm_sec, 59)};
    return SerialFromCivil(civil);
}

SimulatedClock::ElapsedSource SimulatedClock::SteadyElapsed() {
    const auto start = std::chrono::steady_clock::now();
    return [start] { return std::chrono::steady_clock::now() - start; };
}

SimulatedClock::SimulatedClock(double start_serial, ElapsedSource elapsed)
    : start_(CivilFromSerial(start_serial)), elapsed_(std::move(elapsed)) {}

double SimulatedClock::Now() const {
    return SerialFromCivil(start_ + std::chrono::floor<std::chrono::seconds>(elapsed_()));
}

}  // namespace tolvane::base
