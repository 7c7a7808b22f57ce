#include "base/form_timer.h"

#include <chrono>
#include <stdexcept>
#include <string>

namespace tolvane::base {

namespace {
int g_tick_holds = 0;
}  // namespace

ScopedTickHold::ScopedTickHold() {
    ++g_tick_holds;
}

ScopedTickHold::~ScopedTickHold() {
    --g_tick_holds;
}

bool ScopedTickHold::Active() {
    return g_tick_holds > 0;
}

std::int64_t SteadyClockMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

FormTimer::FormTimer(TimerAlarm& alarm, MonotonicClock clock)
    : alarm_(alarm), clock_(std::move(clock)) {}

void FormTimer::SetInterval(int interval_ms) {
    if (interval_ms < 0) {
        throw std::invalid_argument("timer interval " + std::to_string(interval_ms) +
                                    " ms is negative");
    }
    interval_ms_ = interval_ms;
    Restart();
}

void FormTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    Restart();
}

void FormTimer::Restart() {
    running_ = enabled_ && interval_ms_ > 0;
    if (!running_) {
        alarm_.Disarm();
        return;
    }
    const std::int64_t now = clock_();
    pacer_.Start(interval_ms_, now);
    alarm_.Arm(pacer_.DelayMs(now));
}

void FormTimer::Fire() {
    if (!running_) {
        alarm_.Disarm();
        return;
    }
    const std::int64_t now = clock_();
    pacer_.Ticked(now);
    alarm_.Arm(pacer_.DelayMs(now));
    if (ScopedTickHold::Active() || !on_tick_) {
        return;
    }
    // The handler may change or destroy this timer: work on a copy and touch no member after.
    const std::function<void()> handler = on_tick_;
    const ScopedTickHold hold;
    handler();
}

}  // namespace tolvane::base
