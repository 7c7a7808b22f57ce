#include "qt/form_timer.h"

namespace tolvane::qt {

FormTimer::FormTimer(QObject* parent, base::MonotonicClock clock)
    : QObject(parent),
      base::FormTimer(static_cast<base::TimerAlarm&>(*this), std::move(clock)),
      timer_(this) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { Fire(); });
}

}  // namespace tolvane::qt
