#include "base/clock.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "base/clock_value.h"

namespace tolvane::base {
namespace {

using namespace std::chrono;

double Serial(int y, unsigned mo, unsigned d, int h, int mi, int s) {
    return SerialFromCivil(sys_days{year{y} / month{mo} / day{d}} + hours{h} + minutes{mi} +
                           seconds{s});
}

TEST(SimulatedClockTest, RunsOnFromItsStartInWholeSeconds) {
    steady_clock::duration elapsed{};
    const SimulatedClock clock(Serial(2014, 4, 7, 23, 59, 58), [&elapsed] { return elapsed; });
    const struct {
        steady_clock::duration elapsed;
        double now, today;
    } steps[] = {{0s, Serial(2014, 4, 7, 23, 59, 58), 41736},
                 {999ms, Serial(2014, 4, 7, 23, 59, 58), 41736},
                 {1s, Serial(2014, 4, 7, 23, 59, 59), 41736},
                 {2s, Serial(2014, 4, 8, 0, 0, 0), 41737},
                 {24h + 2s, Serial(2014, 4, 9, 0, 0, 0), 41738}};
    for (const auto& step : steps) {
        elapsed = step.elapsed;
        EXPECT_EQ(clock.Now(), step.now) << step.elapsed.count();
        EXPECT_EQ(clock.Today(), step.today) << step.elapsed.count();
    }
    const auto stopped = [] { return steady_clock::duration{}; };
    EXPECT_EQ(SimulatedClock(41736 + 43200.75 / 86400, stopped).Now(), 41736.5);
    EXPECT_THROW(SimulatedClock(kEndSerial, stopped), DateRangeError);
}

TEST(SystemClockTest, ReadsASupportedWholeSecond) {
    const double now = SystemClock{}.Now();
    ASSERT_TRUE(IsSupportedSerial(now));
    EXPECT_EQ(SerialFromCivil(CivilFromSerial(now)), now);
}

TEST(ClockValueTest, ReadsValidValuesAndNamesTheBadOnes) {
    const std::string form = "expected the form YYYY-MM-DD hh:mm:ss";
    // A serial for a valid value, else the reason given after the quoted value.
    const struct {
        std::string text;
        std::variant<double, std::string> result;
    } cases[] = {{"2013-04-28 10:54:50", Serial(2013, 4, 28, 10, 54, 50)},
                 {"1905-06-09 00:00:00", 1987.0},
                 {"0001-01-01 00:00:00", kFirstSerial},
                 {"9999-12-31 23:59:59", Serial(9999, 12, 31, 23, 59, 59)},
                 {"2012-02-29 12:00:00", Serial(2012, 2, 29, 12, 0, 0)},
                 {"2014-02-30 10:00:00", "no such date"},
                 {"2013-02-29 10:00:00", "no such date"},
                 {"2014-13-01 10:00:00", "no such date"},
                 {"2014-00-10 10:00:00", "no such date"},
                 {"0000-01-01 00:00:00", "the year must be 1 to 9999"},
                 {"2014-04-07 24:00:00", "no such time of day"},
                 {"2014-04-07 10:60:00", "no such time of day"},
                 {"2014-04-07 10:00:60", "no such time of day"},
                 {"2014-04-07", form},
                 {"2014-04-07T10:00:00", form},
                 {"2014-04-07 1a:00:00", form},
                 {" 2014-04-07 10:00:00", form},
                 {"", form}};
    for (const auto& c : cases) {
        const auto parsed = ParseClockValue(c.text);
        if (const auto* reason = std::get_if<std::string>(&c.result)) {
            const auto* error = std::get_if<ClockValueError>(&parsed);
            ASSERT_NE(error, nullptr) << c.text;
            EXPECT_EQ(error->message, "unreadable clock value \"" + c.text + "\": " + *reason);
        } else {
            ASSERT_TRUE(std::holds_alternative<double>(parsed)) << c.text;
            EXPECT_EQ(std::get<double>(parsed), std::get<double>(c.result)) << c.text;
        }
    }
}

}  // namespace
}  // namespace tolvane::base
