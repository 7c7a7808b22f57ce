#pragma once

#include <cstdint>
#include <functional>

#include <QObject>
#include <QTimer>

#include "base/tick_pacer.h"

namespace tolvane::qt {

// Microseconds of a monotonic clock; tests pass a clock they step by hand.
using MonotonicClock = std::function<std::int64_t()>;
std::int64_t SteadyClockMicros();

// A form timer: an interval in milliseconds (0 gives no ticks), an enabled flag and a tick
// callback. Ticks are queued on the user-interface thread and never faster than 64 a second
// (see TickPacer). Setting the interval restarts the count; enabling a disabled timer starts it.
//
// A tick never runs inside another tick's handler: a tick that falls due while a tick handler is
// running (for instance while it shows a modal message box) is dropped, as are ticks that fall
// due while a ScopedTickHold exists. The timer's schedule goes on either way.
class FormTimer : public QObject {
    Q_OBJECT

  public:
    explicit FormTimer(QObject* parent = nullptr, MonotonicClock clock = SteadyClockMicros);

    int Interval() const { return interval_ms_; }
    // Throws std::invalid_argument naming the value when it is negative.
    void SetInterval(int interval_ms);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    void OnTick(std::function<void()> handler) { on_tick_ = std::move(handler); }

    // Whether a tick is scheduled: enabled with a positive interval.
    bool Running() const { return timer_.isActive(); }

  private:
    void Restart();
    void Fire();

    MonotonicClock clock_;
    QTimer timer_;  // a child, so the event loop's timer events reach it as any other
    base::TickPacer pacer_;
    int interval_ms_ = 0;
    bool enabled_ = true;
    std::function<void()> on_tick_;
};

// While one of these exists, no FormTimer delivers a tick: ticks that fall due are dropped.
// Every tick handler runs under one; a window may hold one while it loads.
class ScopedTickHold {
  public:
    ScopedTickHold();
    ~ScopedTickHold();
    ScopedTickHold(const ScopedTickHold&) = delete;
    ScopedTickHold& operator=(const ScopedTickHold&) = delete;

    static bool Active();
};

}  // namespace tolvane::qt
