#pragma once

#include <cstdint>
#include <functional>

#include "base/tick_pacer.h"

namespace tolvane::base {

// Microseconds of a monotonic clock; tests pass a clock they step by hand.
using MonotonicClock = std::function<std::int64_t()>;
std::int64_t SteadyClockMicros();

// What a desktop's timer service gives a FormTimer: one pending alarm at a time. When it goes
// off, the desktop calls FormTimer::Fire on the user-interface thread.
class TimerAlarm {
  public:
    virtual ~TimerAlarm() = default;
    // Replaces any pending alarm with one that goes off delay_ms from now (0: as soon as it can).
    virtual void Arm(int delay_ms) = 0;
    virtual void Disarm() = 0;
};

// A form timer: an interval in milliseconds (0 gives no ticks), an enabled flag and a tick
// handler. Ticks come no faster than 64 a second and keep their grid (TickPacer). Setting the
// interval restarts the count; enabling a disabled timer starts it.
//
// A tick never runs inside another tick's handler: a tick that falls due while any tick handler
// runs (one that shows a modal message box, say) is dropped, as are ticks that fall due while a
// ScopedTickHold exists. The timer's schedule goes on either way.
class FormTimer {
  public:
    explicit FormTimer(TimerAlarm& alarm, MonotonicClock clock = SteadyClockMicros);
    virtual ~FormTimer() = default;
    FormTimer(const FormTimer&) = delete;
    FormTimer& operator=(const FormTimer&) = delete;

    int Interval() const { return interval_ms_; }
    // Throws std::invalid_argument naming the value when it is negative.
    void SetInterval(int interval_ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    void OnTick(std::function<void()> handler) { on_tick_ = std::move(handler); }
    // Whether ticks are scheduled: enabled with a positive interval.
    bool Running() const { return running_; }

    // The alarm went off: arms the next one and runs the handler unless ticks are held. An
    // exception from the handler propagates to the caller.
    void Fire();

  private:
    void Restart();

    TimerAlarm& alarm_;
    MonotonicClock clock_;
    TickPacer pacer_;
    int interval_ms_ = 0;
    bool enabled_ = true;
    bool running_ = false;
    std::function<void()> on_tick_;
};

// While one of these exists, no FormTimer delivers a tick: ticks that fall due are dropped. Every
// tick handler runs under one; a window holds one while it loads. Everything runs on the one
// user-interface thread.
class ScopedTickHold {
  public:
    ScopedTickHold();
    ~ScopedTickHold();
    ScopedTickHold(const ScopedTickHold&) = delete;
    ScopedTickHold& operator=(const ScopedTickHold&) = delete;

    static bool Active();
};

}  // namespace tolvane::base
