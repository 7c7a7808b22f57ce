#include "qt/form_timer.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

#include <gtest/gtest.h>

namespace tolvane::qt {
namespace {

// Form timers on a clock the test steps by hand. A tick is delivered as the event loop delivers
// it, a timer event to the timer's Qt timer, without waiting on real time.
class FormTimerTest : public testing::Test {
  protected:
    std::int64_t now_ = 1'000'000;
    base::MonotonicClock clock_ = [this] { return now_; };

    static QTimer* QtTimer(FormTimer& timer) { return timer.findChild<QTimer*>(); }

    // Steps the clock to when the armed Qt timer would fire and delivers its event.
    void FireWhenDue(FormTimer& timer) {
        QTimer* qt_timer = QtTimer(timer);
        ASSERT_TRUE(qt_timer != nullptr && qt_timer->isActive());
        now_ += std::int64_t{qt_timer->interval()} * 1000;
        QTimerEvent event(qt_timer->timerId());
        QCoreApplication::sendEvent(qt_timer, &event);
    }
};

TEST_F(FormTimerTest, IntervalZeroOrDisabledGivesNoTicks) {
    FormTimer timer(nullptr, clock_);
    int ticks = 0;
    timer.OnTick([&] { ++ticks; });
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
    now_ += 60'000'000;
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);

    timer.SetEnabled(false);
    timer.SetInterval(1000);
    EXPECT_FALSE(timer.Running());
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Running());
}

TEST_F(FormTimerTest, ShortIntervalTicksSixtyFourTimesASecond) {
    FormTimer timer(nullptr, clock_);
    int ticks = 0;
    timer.OnTick([&] { ++ticks; });
    timer.SetInterval(1);
    const std::int64_t start = now_;
    std::vector<int> delays;
    while (now_ - start < 1'000'000) {
        delays.push_back(QtTimer(timer)->interval());
        FireWhenDue(timer);
    }
    EXPECT_EQ(ticks, 64);
    EXPECT_EQ(now_ - start, 1'000'000);
    EXPECT_EQ(std::vector<int>(delays.begin(), delays.begin() + 4),
              (std::vector<int>{16, 16, 15, 16}));
}

TEST_F(FormTimerTest, HandlerMayStopItsOwnTimer) {
    FormTimer timer(nullptr, clock_);
    int ticks = 0;
    timer.OnTick([&] {
        ++ticks;
        timer.SetEnabled(false);
    });
    timer.SetInterval(1000);
    FireWhenDue(timer);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(timer.Running());
}

TEST_F(FormTimerTest, NegativeIntervalIsRefusedAndChangesNothing) {
    FormTimer timer(nullptr, clock_);
    timer.SetInterval(1000);
    try {
        timer.SetInterval(-5);
        ADD_FAILURE() << "no exception";
    } catch (const std::invalid_argument& error) {
        EXPECT_NE(std::string(error.what()).find("-5"), std::string::npos) << error.what();
    }
    EXPECT_EQ(timer.Interval(), 1000);
    EXPECT_TRUE(timer.Running());
}

TEST_F(FormTimerTest, TickNeverRunsInsideAnotherTicksHandlerNorWhileHeld) {
    FormTimer outer(nullptr, clock_);
    FormTimer inner(nullptr, clock_);
    int inner_ticks = 0;
    inner.OnTick([&] { ++inner_ticks; });
    inner.SetInterval(1);
    // The outer handler runs a nested event loop (as a modal message box does) in which the inner
    // timer's tick falls due.
    outer.OnTick([&] { FireWhenDue(inner); });
    outer.SetInterval(1000);
    FireWhenDue(outer);
    EXPECT_EQ(inner_ticks, 0);
    {
        const base::ScopedTickHold hold;
        FireWhenDue(inner);
    }
    EXPECT_EQ(inner_ticks, 0);
    FireWhenDue(inner);  // the schedule went on through the dropped ticks
    EXPECT_EQ(inner_ticks, 1);
}

}  // namespace
}  // namespace tolvane::qt
