#include "forms/win32/form_timer.h"

namespace tolvane::win32 {

FormTimer::FormTimer(HWND target, UINT_PTR id)
    : base::FormTimer(static_cast<base::TimerAlarm&>(*this)), target_(target), id_(id) {}

FormTimer::~FormTimer() {
    KillTimer(target_, id_);
}

}  // namespace tolvane::win32
