#pragma once

#include <chrono>
#include <functional>
#include <stdexcept>

#include "base/date_serial.h"

namespace tolvane::base {

// Raised when the local time cannot be read from the system.
class ClockError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The local clock as date serials, read afresh at each call.
class Clock {
  public:
    virtual ~Clock() = default;

    // The local date and time as a serial, to the whole second.
    virtual double Now() const = 0;

    // Today's serial: Now() without its time of day.
    double Today() const { return TodayOf(Now()); }
};

// The system's local wall clock.
class SystemClock final : public Clock {
  public:
    double Now() const override;
};

// A clock that starts at a chosen local time and then runs on in step with an elapsed-time
// source; the source reads zero when the clock shows its start. Tests pass a source they step.
class SimulatedClock final : public Clock {
  public:
    using ElapsedSource = std::function<std::chrono::steady_clock::duration()>;

    // A source of real steady time elapsed since this call.
    static ElapsedSource SteadyElapsed();

    // The start is floored to the whole second; raises DateRangeError for an unsupported serial.
    SimulatedClock(double start_serial, ElapsedSource elapsed);

    double Now() const override;

  private:
    CivilSeconds start_;
    ElapsedSource elapsed_;
};

}  // namespace tolvane::base
