#pragma once

#include <QObject>
#include <QTimer>

#include "base/form_timer.h"

namespace tolvane::qt {

// A form timer whose alarm is a single-shot precise QTimer, so its ticks come from the event
// loop like any other timer event.
class FormTimer : public QObject, private base::TimerAlarm, public base::FormTimer {
    Q_OBJECT

  public:
    explicit FormTimer(QObject* parent = nullptr,
                       base::MonotonicClock clock = base::SteadyClockMicros);

  private:
    void Arm(int delay_ms) override { timer_.start(delay_ms); }
    void Disarm() override { timer_.stop(); }

    QTimer timer_;  // a child, so the event loop's timer events reach it as any other
};

}  // namespace tolvane::qt
