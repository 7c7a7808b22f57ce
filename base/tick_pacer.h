#pragma once

#include <cstdint>

namespace tolvane::base {

// When a repeating timer's next tick is due. The window's timers tick at most 64 times a
// second, the pace of the Windows timer clock, on every desktop, so that the counter runs down in
// the same time everywhere: an interval below 15.625 ms gets 15.625 ms. The pacer keeps the due
// times on an exact grid of one period, so delays rounded up to whole milliseconds (16, 16, 15,
// 16, ...) still average the period and never drift: at 1 ms the day counter's 736 steps from
// 1080 to 344 take 11.5 s.
//
// Time is passed in as microseconds of a monotonic clock; the pacer never reads a clock.
class TickPacer {
  public:
    static constexpr std::int64_t kMinimumPeriodMicros = 15'625;

    // Starts a run of ticks at `now`: the first tick is due one period later. The interval is in
    // milliseconds and must be positive.
    void Start(int interval_ms, std::int64_t now_micros);

    // Records a tick delivered at `now` and moves the due time on by one period. A tick so late
    // that the next one is already due stands for all the missed ones: the grid restarts from
    // `now`, so ticks never come in a burst to catch up.
    void Ticked(std::int64_t now_micros);

    // Whole milliseconds from `now` until the next tick is due, rounded up; 0 when overdue.
    int DelayMs(std::int64_t now_micros) const;

    std::int64_t PeriodMicros() const { return period_micros_; }
    std::int64_t DueMicros() const { return due_micros_; }

  private:
    std::int64_t period_micros_ = kMinimumPeriodMicros;
    std::int64_t due_micros_ = 0;
};

}  // namespace tolvane::base
