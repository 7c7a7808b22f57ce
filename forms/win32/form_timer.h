#pragma once

#include <windows.h>

#include "base/form_timer.h"

namespace tolvane::win32 {

// A form timer whose alarm is a one-shot SetTimer of the window `target` under `id`. The target
// window's procedure passes WM_TIMER for `id` to Fire.
class FormTimer final : private base::TimerAlarm, public base::FormTimer {
  public:
    FormTimer(HWND target, UINT_PTR id);
    ~FormTimer() override;

  private:
    // SetTimer raises a delay below USER_TIMER_MINIMUM to it, and replaces a timer of the same id.
    void Arm(int delay_ms) override { SetTimer(target_, id_, static_cast<UINT>(delay_ms), nullptr); }
    void Disarm() override { KillTimer(target_, id_); }

    HWND target_;
    UINT_PTR id_;
};

}  // namespace tolvane::win32
