#include "qt/form_timer.h"

#include <chrono>
#include <stdexcept>
#include <string>

namespace tolvane::qt {

namespace {
// Everything runs on the user-interface thread, so a plain counter is enough.
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

FormTimer::FormTimer(QObject* parent, MonotonicClock clock)
    : QObject(parent), clock_(std::move(clock)), timer_(this) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FormTimer::Fire);
}

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
    if (!enabled_ || interval_ms_ == 0) {
        timer_.stop();
        return;
    }
    const std::int64_t now = clock_();
    pacer_.Start(interval_ms_, now);
    timer_.start(pacer_.DelayMs(now));
}

void FormTimer::Fire() {
    const std::int64_t now = clock_();
    pacer_.Ticked(now);
    timer_.start(pacer_.DelayMs(now));
    if (ScopedTickHold::Active() || !on_tick_) {
        return;
    }
    // The handler may change or destroy this timer: work on a copy and touch no member after.
    const std::function<void()> handler = on_tick_;
    const ScopedTickHold hold;
    handler();
}

}  // namespace tolvane::qt
