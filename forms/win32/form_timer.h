#pragma once

#include <cstdint>
#include <functional>

#include <windows.h>

#include "base/tick_pacer.h"
#include "forms/forms_platform.h"

namespace tolvane::win32 {

// The platform's tick holds: while the count is above zero no timer delivers a tick. Every tick
// handler runs under one, so a tick never runs inside another's handler (a modal message box
// shown from a tick dispatches timer messages, which are then dropped).
class TickHolds {
  public:
    void Hold() { ++count_; }
    void Release() { --count_; }
    bool Active() const { return count_ > 0; }

  private:
    int count_ = 0;
};

// A form timer over SetTimer: each tick is a one-shot timer of the window `target` under `id`,
// armed again after it fires with the delay TickPacer gives, so ticks keep the pacing of the Qt
// layer's timers (never more than 64 a second, no drift, no bursts after a stall). The target
// window's procedure passes WM_TIMER for `id` to Fire.
class FormTimer final : public forms::Timer {
  public:
    FormTimer(HWND target, UINT_PTR id, TickHolds& holds);
    ~FormTimer() override;
    FormTimer(const FormTimer&) = delete;
    FormTimer& operator=(const FormTimer&) = delete;

    int Interval() const override { return interval_ms_; }
    void SetInterval(int interval_ms) override;
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;
    void OnTick(std::function<void()> handler) override { on_tick_ = std::move(handler); }

    void Fire();

  private:
    void Restart();
    void Arm(std::int64_t now_micros);

    HWND target_;
    UINT_PTR id_;
    TickHolds& holds_;
    base::TickPacer pacer_;
    int interval_ms_ = 0;
    bool enabled_ = true;
    bool running_ = false;
    std::function<void()> on_tick_;
};

}  // namespace tolvane::win32
