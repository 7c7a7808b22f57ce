#include "forms/win32/form_timer.h"

#include <chrono>
#include <stdexcept>
#include <string>

namespace tolvane::win32 {

namespace {

std::int64_t SteadyMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

FormTimer::FormTimer(HWND target, UINT_PTR id, TickHolds& holds)
    : target_(target), id_(id), holds_(holds) {}

FormTimer::~FormTimer() {
    KillTimer(target_, id_);
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
    running_ = enabled_ && interval_ms_ > 0;
    if (!running_) {
        KillTimer(target_, id_);
        return;
    }
    const std::int64_t now = SteadyMicros();
    pacer_.Start(interval_ms_, now);
    Arm(now);
}

void FormTimer::Arm(std::int64_t now_micros) {
    // SetTimer raises a delay below USER_TIMER_MINIMUM to it, and replaces a timer of the same id.
    SetTimer(target_, id_, static_cast<UINT>(pacer_.DelayMs(now_micros)), nullptr);
}

void FormTimer::Fire() {
    if (!running_) {
        KillTimer(target_, id_);
        return;
    }
    const std::int64_t now = SteadyMicros();
    pacer_.Ticked(now);
    Arm(now);
    if (holds_.Active() || !on_tick_) {
        return;
    }
    // The handler may change or destroy this timer: work on a copy and touch no member after.
    const std::function<void()> handler = on_tick_;
    TickHolds& holds = holds_;
    holds.Hold();
    try {
        handler();
    } catch (...) {
        holds.Release();
        throw;
    }
    holds.Release();
}

}  // namespace tolvane::win32
