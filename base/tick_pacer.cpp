#include "base/tick_pacer.h"

#include <algorithm>
#include <limits>

namespace tolvane::base {

void TickPacer::Start(int interval_ms, std::int64_t now_micros) {
    period_micros_ = std::max<std::int64_t>(std::int64_t{interval_ms} * 1000, kMinimumPeriodMicros);
    due_micros_ = now_micros + period_micros_;
}

void TickPacer::Ticked(std::int64_t now_micros) {
    due_micros_ += period_micros_;
    if (due_micros_ <= now_micros) {
        due_micros_ = now_micros + period_micros_;
    }
}

int TickPacer::DelayMs(std::int64_t now_micros) const {
    if (due_micros_ <= now_micros) {
        return 0;
    }
    const std::int64_t delay = (due_micros_ - now_micros + 999) / 1000;
    return static_cast<int>(std::min<std::int64_t>(delay, std::numeric_limits<int>::max()));
}

}  // namespace tolvane::base
