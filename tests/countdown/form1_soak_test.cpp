// The countdown window over its last three days: from 5 April 2014 00:00:00 to the program's end
// at 23:59:59 on the target day, every tick delivered to the real window's timers while the test
// steps the clock, so three days take seconds.
#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <gtest/gtest.h>

#include "forms/end_program.h"
#include "base/date_serial.h"
#include "countdown/countdown_model_texts.h"
#include "tests/countdown/qt_form1.h"

namespace tolvane::countdown {
namespace {

using namespace std::chrono;
using enum LabelId;
using forms::MessageIcon;

constexpr int kSecondsPerDay = 24 * 60 * 60;
// Seconds from the start to the last second of the target day, the third day of the run.
constexpr int kEndSecond = 3 * kSecondsPerDay - 1;
// Timer2 asks for 1 ms; the window's timers tick at most 64 times a second.
constexpr microseconds kTimer2Period{15'625};

// The date line of each day of the run, and the days it has left: the target day counts 0.
const std::array<std::string, 3> kDateLines{"现在日期：2014年04月05日", "现在日期：2014年04月06日",
                                            "现在日期：2014年04月07日"};
int DaysLeft(int day_of_run) {
    return 2 - day_of_run;
}

// What Label6 shows at a second of the day: hours, minutes and seconds to 23:59:59, unpadded.
std::string TimeLeft(int second_of_day) {
    const int h = second_of_day / 3600;
    const int m = second_of_day / 60 % 60;
    const int s = second_of_day % 60;
    return std::to_string(23 - h) + "小时" + std::to_string(59 - m) + "分" +
           std::to_string(59 - s) + "秒";
}

// The counter's spaced form of a count from 0 to 9999: "0 0 0 2".
std::string Spaced(int count) {
    char digits[5];
    std::snprintf(digits, sizeof digits, "%04d", count);
    return {digits[0], ' ', digits[1], ' ', digits[2], ' ', digits[3]};
}

// The labels' colour for a count: white (the design's) from 365 days up, then green, yellow and
// red below 365, 100 and 30 days.
gdi::Colour ColourFor(int count) {
    return count < 30    ? CountdownModel::kRed
           : count < 100 ? CountdownModel::kYellow
           : count < 365 ? CountdownModel::kGreen
                         : CountdownModel::kWhite;
}

// One run over the three days; the parameter says whether the counter is clicked right after
// Load instead of left to run down. EndProgram and the messages are recorded in one log, each
// with whether the window was still shown, so their order and the hiding can be checked.
class Form1SoakTest : public testing::TestWithParam<bool> {
  protected:
    Form1SoakTest()
        : clock_(base::SerialFromCivil(sys_days{2014y / 4 / 5}), [this] { return elapsed_; }),
          end_program_([this] { Log("end"); }),
          form_(clock_, [this](const ShowMessage& message) {
              Log(message.title + ": " + message.text +
                  (message.icon == MessageIcon::Information ? " (information)" : " (critical)"));
          }) {}

    void Log(const std::string& what) {
        log_.push_back((form_.Window().isVisible() ? "shown, " : "hidden, ") + what);
    }

    // Delivers one tick as the event loop does, a timer event to the timer's Qt timer, without
    // waiting for it to fall due. Only a running timer has ticks to deliver.
    static void Tick(qt::FormTimer& timer) {
        ASSERT_TRUE(timer.Running());
        QTimer* qt_timer = timer.findChild<QTimer*>();
        QTimerEvent event(qt_timer->timerId());
        QCoreApplication::sendEvent(qt_timer, &event);
    }

    int Counter() {
        std::string digits = form_.Label(Label4).Text();
        std::erase(digits, ' ');
        return std::stoi(digits);
    }

    void CheckColours(gdi::Colour colour) {
        for (const LabelId label : {Label1, Label2, Label3, Label4, Label6}) {
            ASSERT_EQ(form_.Label(label).ForeColor(), colour)
                << "Label" << static_cast<int>(label) + 1;
        }
    }

    // One animation step: the counter one lower, shown spaced, until it reaches the day's count;
    // the colours follow the number it shows.
    void CheckAnimationStep(int before, int count) {
        const int counter = Counter();
        ASSERT_EQ(counter, before - 1);
        ASSERT_EQ(form_.Label(Label4).Text(), Spaced(counter));
        ASSERT_EQ(form_.Timer2().Running(), counter > count) << "counter " << counter;
        ASSERT_NO_FATAL_FAILURE(CheckColours(ColourFor(counter))) << "counter " << counter;
    }

    void CheckSecond(int second) {
        const int day = second / kSecondsPerDay;
        const int of_day = second % kSecondsPerDay;
        ASSERT_EQ(form_.Label(Label6).Text(), TimeLeft(of_day));
        ASSERT_EQ(form_.Label(Label3).Text(), kDateLines.at(day));
        // The animation is over long before the first midnight; from then on the counter shows
        // the day's count and the colours follow it.
        if (form_.Timer2().Running()) {
            ASSERT_NE(of_day, 0) << "still animating at midnight of day " << day;
            return;
        }
        ASSERT_EQ(form_.Label(Label4).Text(), Spaced(DaysLeft(day)));
        ASSERT_NO_FATAL_FAILURE(CheckColours(ColourFor(DaysLeft(day))));
    }

    void Run() {
        {
            // No stray tick of the real timers while the window opens or the counter is clicked.
            const base::ScopedTickHold hold;
            ASSERT_TRUE(form_.Load());
            form_.Show();
            QCoreApplication::processEvents();
            if (GetParam()) {
                const QPoint centre = form_.Label(Label4).geometry().center();
                QTest::mouseClick(form_.Window().windowHandle(), Qt::LeftButton, {}, centre);
                ASSERT_EQ(form_.Label(Label4).Text(), Spaced(DaysLeft(0)));
                ASSERT_FALSE(form_.Timer2().Running());
                ASSERT_NO_FATAL_FAILURE(CheckColours(ColourFor(DaysLeft(0))));
            } else {
                ASSERT_EQ(form_.Label(Label4).Text(), Spaced(1080));
                ASSERT_TRUE(form_.Timer2().Running());
            }
        }
        ASSERT_EQ(form_.Timer1().Interval(), 1000);  // one tick a second, as stepped below
        int timer2_ticks = 0;
        for (int second = 1; second <= kEndSecond; ++second) {
            // Timer2's ticks due up to this second come first, then Timer1's.
            while (form_.Timer2().Running() &&
                   (timer2_ticks + 1) * kTimer2Period <= seconds{second}) {
                ++timer2_ticks;
                elapsed_ = timer2_ticks * kTimer2Period;
                const int before = Counter();
                ASSERT_NO_FATAL_FAILURE(Tick(form_.Timer2()));
                ASSERT_NO_FATAL_FAILURE(CheckAnimationStep(before, DaysLeft(0)));
            }
            elapsed_ = seconds{second};
            ASSERT_NO_FATAL_FAILURE(Tick(form_.Timer1()));
            ASSERT_NO_FATAL_FAILURE(CheckSecond(second)) << "at second " << second;
            if (second < kEndSecond) {
                ASSERT_TRUE(log_.empty()) << "ended early, at second " << second;
                ASSERT_TRUE(form_.Window().isVisible());
            }
        }

        // At 23:59:59 on the target day: hidden, then the closing message, then the end.
        const std::vector<std::string> closing{"hidden, " + std::string(kSupportEndedTitle) + ": " +
                                                   std::string(kSupportEndedMessage) +
                                                   " (information)",
                                               "hidden, end"};
        ASSERT_EQ(log_, closing);
        EXPECT_TRUE(form_.Ended());

        // Nothing runs after the end: ticks into the next day, which would take in a new date and
        // close a second time, change nothing.
        for (int second = kEndSecond + 1; second <= kEndSecond + 3; ++second) {
            elapsed_ = seconds{second};
            if (form_.Timer1().Running()) {
                Tick(form_.Timer1());
            }
            if (form_.Timer2().Running()) {
                Tick(form_.Timer2());
            }
        }
        EXPECT_EQ(form_.Label(Label6).Text(), kDayOverText);
        EXPECT_EQ(form_.Label(Label3).Text(), kDateLines.at(2));
        EXPECT_EQ(form_.Label(Label4).Text(), Spaced(0));
        EXPECT_EQ(log_, closing);
    }

    steady_clock::duration elapsed_{};
    base::SimulatedClock clock_;
    std::vector<std::string> log_;
    forms::ScopedEndProgramHandler end_program_;
    QtForm1 form_;
};

TEST_P(Form1SoakTest, ThreeDaysToTheEnd) {
    Run();
}

INSTANTIATE_TEST_SUITE_P(, Form1SoakTest, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "CounterClicked" : "CounterRunsDown";
                         });

}  // namespace
}  // namespace tolvane::countdown
