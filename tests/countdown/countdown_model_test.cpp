#include "countdown/countdown_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "base/date_serial.h"

namespace tolvane::countdown {
namespace {

using namespace std::chrono;
using enum LabelId;
using Model = CountdownModel;
using forms::MessageIcon;
using Texts = std::array<std::string, 7>;

double At(int y, unsigned mo, unsigned d, int h = 0, int mi = 0, int s = 0) {
    return base::SerialFromCivil(sys_days{year{y} / month{mo} / day{d}} + hours{h} +
                                    minutes{mi} + seconds{s});
}

// Noon of the day whose count of days left is `count`.
double NoonWithCount(int count) {
    return Model::kTargetDay - count + 0.5;
}

const Effects kNothing{};
const Effects kClockRefused{ShowMessage{"系统时间错误！", "错误", MessageIcon::Critical},
                            EndProgram{}};
const ShowMessage kSupportEnded{"Micosoft Windows XP 已死 ！建议升级到 Windows 7或更高的系统。",
                                "提示", MessageIcon::Information};
const Effects kLoadEnds{kSupportEnded, EndProgram{}};
const Effects kWindowCloses{HideWindow{}, kSupportEnded, EndProgram{}};

Effects Load(Model& model, double now, std::optional<double> today = std::nullopt) {
    return model.Load(now, today.value_or(std::floor(now)));
}

// Ticks Timer2 on `today` until it stops; returns the number of ticks, or -1 past 3000.
int Settle(Model& model, double today) {
    for (int ticks = 1; ticks <= 3000; ++ticks) {
        EXPECT_EQ(model.Timer2Tick(today), kNothing);
        if (!model.Timer2Enabled()) {
            return ticks;
        }
    }
    return -1;
}

Texts AllTexts(const Model& model) {
    Texts texts;
    for (int i = 0; i < 7; ++i) {
        texts[i] = model.Text(static_cast<LabelId>(i));
    }
    return texts;
}

void ExpectColour(const Model& model, gdi::Colour colour, const std::string& context) {
    for (const LabelId label : {Label1, Label2, Label3, Label4, Label6}) {
        EXPECT_EQ(model.ForeColour(label), colour) << context << ", label " << int(label) + 1;
    }
    EXPECT_EQ(model.ForeColour(Label5), std::nullopt);
    EXPECT_EQ(model.ForeColour(Label7), std::nullopt);
}

const Texts kDesignTexts{
    "距离2014年4月8日还剩 ：", "天", "9999年12月31日", "9 9 9 9", "9999", "......", "同时倒计时"};

TEST(CountdownModelTest, StartsWithTheDesign) {
    const Model model;
    EXPECT_EQ(AllTexts(model), kDesignTexts);
    ExpectColour(model, 0xFFFFFF, "design");
    EXPECT_TRUE(model.Timer2Enabled());
    EXPECT_EQ(model.Timer2Interval(), 0ms);
}

TEST(CountdownModelTest, LoadChecksTheClockAndStartsTheCounter) {
    const struct {
        double now;
        Effects effects;
        std::string date_line, count;  // date_line empty: the design is left as it is
    } cases[] = {{At(2013, 4, 28, 10, 54, 50), kNothing, "现在日期：2013年04月28日", "344"},
                 {At(1905, 6, 9), kNothing, "现在日期：1905年06月09日", "39749"},
                 {At(1905, 6, 8, 23, 59, 59), kClockRefused, "", ""},
                 {std::numeric_limits<double>::quiet_NaN(), kClockRefused, "", ""},
                 {base::kEndSerial, kClockRefused, "", ""},
                 {At(2014, 4, 7, 23, 59, 59), kNothing, "现在日期：2014年04月07日", "0"},
                 {At(2014, 4, 8), kLoadEnds, "现在日期：2014年04月08日", "-1"},
                 {At(2020, 1, 31, 12), kLoadEnds, "现在日期：2020年01月31日", "-2125"}};
    for (const auto& c : cases) {
        Model model;
        EXPECT_EQ(Load(model, c.now), c.effects) << c.now;
        Texts expected = kDesignTexts;
        if (!c.date_line.empty()) {
            expected[2] = c.date_line;
            expected[3] = "1 0 8 0";
            expected[4] = c.count;
        }
        EXPECT_EQ(AllTexts(model), expected) << c.now;
        EXPECT_EQ(model.Timer2Interval(), c.date_line.empty() ? 0ms : 1ms) << c.now;
    }
}

TEST(CountdownModelTest, CounterRunsDownUntilItReachesOrPassesTheCount) {
    const struct {
        int count, ticks;
        std::string counter;
        gdi::Colour colour;
    } cases[] = {{344, 736, "0 3 4 4", Model::kGreen}, {0, 1080, "0 0 0 0", Model::kRed},
                 {1079, 1, "1 0 7 9", Model::kWhite},  {1080, 1, "1 0 8 0", Model::kWhite},
                 {1200, 1, "1 2 0 0", Model::kWhite},  {20000, 1, "20 0 0 0", Model::kWhite}};
    for (const auto& c : cases) {
        const std::string context = "count " + std::to_string(c.count);
        Model model;
        const double now = NoonWithCount(c.count);
        ASSERT_EQ(Load(model, now), kNothing) << context;
        EXPECT_EQ(Settle(model, std::floor(now)), c.ticks) << context;
        EXPECT_EQ(model.Text(Label4), c.counter) << context;
        EXPECT_EQ(model.Text(Label7), std::to_string(c.count)) << context;
        EXPECT_EQ(model.Text(Label5), std::to_string(c.count)) << context;
        ExpectColour(model, c.colour, context);
        EXPECT_EQ(model.Timer2Tick(std::floor(now)), kNothing);  // a tick queued before the stop
        EXPECT_EQ(model.Text(Label4), c.counter) << context;
    }
}

// The counter is spoken as the number it shows and its unit, not as spaced digits.
TEST(CountdownModelTest, CounterAccessibleNameIsTheNumberWithItsUnit) {
    Model model;
    EXPECT_EQ(model.CounterAccessibleName(), "9999 天");
    const struct {
        int count;
        std::string name;
    } cases[] = {{344, "344 天"}, {0, "0 天"}, {7, "7 天"}, {20000, "20000 天"}};
    for (const auto& c : cases) {
        model = Model();
        ASSERT_EQ(Load(model, NoonWithCount(c.count)), kNothing);
        EXPECT_EQ(model.CounterAccessibleName(), "1080 天");
        model.Label4Click();
        EXPECT_EQ(model.CounterAccessibleName(), c.name) << model.Text(Label4);
    }
}

TEST(CountdownModelTest, ColoursFollowTheCounterDuringTheAnimation) {
    const struct {
        int ticks;
        std::string counter, plain;
        gdi::Colour colour;
    } steps[] = {{1, "1 0 7 9", "1079", Model::kWhite},  {715, "0 3 6 5", "365", Model::kWhite},
                 {716, "0 3 6 4", "364", Model::kGreen}, {980, "0 1 0 0", "100", Model::kGreen},
                 {981, "0 0 9 9", "99", Model::kYellow}, {1050, "0 0 3 0", "30", Model::kYellow},
                 {1051, "0 0 2 9", "29", Model::kRed},   {1080, "0 0 0 0", "0", Model::kRed}};
    Model model;
    Load(model, NoonWithCount(0));
    int ticks = 0;
    for (const auto& step : steps) {
        for (; ticks < step.ticks; ++ticks) {
            model.Timer2Tick(Model::kTargetDay);
        }
        EXPECT_EQ(model.Text(Label4), step.counter);
        EXPECT_EQ(model.Text(Label7), step.plain);
        EXPECT_EQ(model.Timer2Enabled(), step.ticks < 1080) << step.ticks;
        ExpectColour(model, step.colour, "tick " + std::to_string(step.ticks));
    }
}

TEST(CountdownModelTest, FullRunFromAnOrdinaryMorning) {
    Model model;
    const double now = At(2013, 4, 28, 10, 54, 50);
    ASSERT_EQ(Load(model, now), kNothing);
    EXPECT_EQ(Settle(model, std::floor(now)), 736);
    EXPECT_EQ(model.Timer1Tick(now), kNothing);
    EXPECT_EQ(AllTexts(model), (Texts{"距离2014年4月8日还剩 ：", "天", "现在日期：2013年04月28日",
                                      "0 3 4 4", "344", "13小时5分9秒", "344"}));
    ExpectColour(model, Model::kGreen, "settled at 344");
}

TEST(CountdownModelTest, Timer1ShowsTheTimeLeftAndTakesInANewDate) {
    // Loaded at `load`, settled, then one tick of Timer1 at `tick`.
    const struct {
        double load, tick;
        std::string time_left;
        Effects effects;
        std::string date_line, counter;
    } cases[] = {{At(2013, 4, 28, 10), At(2013, 4, 28, 23, 59, 59), "0小时0分0秒", kNothing,
                  "现在日期：2013年04月28日", "0 3 4 4"},
                 {At(2013, 4, 28, 10), At(2013, 4, 29), "23小时59分59秒", kNothing,
                  "现在日期：2013年04月29日", "0 3 4 3"},
                 {At(2014, 4, 7, 8), At(2014, 4, 7, 23, 59, 58), "0小时0分1秒", kNothing,
                  "现在日期：2014年04月07日", "0 0 0 0"},
                 {At(2014, 4, 7, 8), At(2014, 4, 7, 23, 59, 59), "0小时0分0秒", kWindowCloses,
                  "现在日期：2014年04月07日", "0 0 0 0"},
                 {At(2014, 4, 7, 8), At(2014, 4, 8), "23小时59分59秒", kWindowCloses,
                  "现在日期：2014年04月08日", "-0 0 0 1"},
                 {At(2014, 4, 6, 8), At(2014, 4, 7), "23小时59分59秒", kNothing,
                  "现在日期：2014年04月07日", "0 0 0 0"},
                 {At(2014, 4, 6, 8), At(2014, 4, 7, 23, 59, 59), "0小时0分0秒", kWindowCloses,
                  "现在日期：2014年04月07日", "0 0 0 0"},
                 {At(2014, 4, 6, 8), At(2014, 4, 9, 12), "11小时59分59秒", kWindowCloses,
                  "现在日期：2014年04月09日", "-0 0 0 2"}};
    for (const auto& c : cases) {
        Model model;
        Load(model, c.load);
        Settle(model, std::floor(c.load));
        const std::string context = c.date_line + ' ' + c.time_left;
        EXPECT_EQ(model.Timer1Tick(c.tick), c.effects) << context;
        EXPECT_EQ(model.Text(Label6), c.time_left);
        EXPECT_EQ(model.Text(Label3), c.date_line);
        EXPECT_EQ(model.Text(Label4), c.counter) << context;
        EXPECT_EQ(model.Text(Label5), model.Text(Label7)) << context;
    }
}

TEST(CountdownModelTest, NoEndBeforeTimer2HasWrittenTheCounter) {
    Model model;
    const double now = At(2014, 4, 7, 23, 59, 59);
    Load(model, now);
    EXPECT_EQ(model.Timer1Tick(now), kNothing);  // Label7 still holds "同时倒计时"
    EXPECT_EQ(model.Text(Label6), "0小时0分0秒");
    EXPECT_EQ(Settle(model, std::floor(now)), 1080);
    EXPECT_EQ(model.Timer1Tick(now), kWindowCloses);
}

TEST(CountdownModelTest, MidnightDuringTheAnimationLowersTheCountItSettlesOn) {
    Model model;
    const double evening = At(2013, 4, 28, 23, 59, 59);
    Load(model, evening);
    for (int i = 0; i < 10; ++i) {
        model.Timer2Tick(std::floor(evening));
    }
    EXPECT_EQ(model.Timer1Tick(At(2013, 4, 29)), kNothing);
    EXPECT_EQ(AllTexts(model), (Texts{"距离2014年4月8日还剩 ：", "天", "现在日期：2013年04月29日",
                                      "1 0 7 0", "343", "23小时59分59秒", "1070"}));
    EXPECT_EQ(Settle(model, std::floor(evening) + 1), 727);
    EXPECT_EQ(model.Text(Label4), "0 3 4 3");
    EXPECT_EQ(model.Text(Label7), "343");
}

// The window reads now and today separately; midnight may fall between the two reads.
TEST(CountdownModelTest, MidnightBetweenTheClockReadsOfLoadIsTakenInByTimer1) {
    for (const auto& [now, today] :
         {std::pair{At(2013, 4, 28, 23, 59, 59), 41393.0}, std::pair{At(2013, 4, 29), 41392.0}}) {
        Model model;
        Load(model, now, today);
        Settle(model, today);
        EXPECT_EQ(model.Timer1Tick(At(2013, 4, 29, 0, 0, 1)), kNothing);
        EXPECT_EQ(model.Text(Label3), "现在日期：2013年04月29日") << today;
        EXPECT_EQ(model.Text(Label5), "343") << today;
        EXPECT_EQ(model.Text(Label4), "0 3 4 3") << today;
    }
}

TEST(CountdownModelTest, Label4ClickJumpsToTheCountAndStops) {
    const struct {
        int count, ticks_before;
        std::string counter;
        gdi::Colour colour;
    } cases[] = {{344, 10, "0 3 4 4", Model::kGreen},
                 {10, 580, "0 0 1 0", Model::kRed},
                 {20000, 0, "20 0 0 0", Model::kWhite},
                 {344, 736, "0 3 4 4", Model::kGreen},
                 {0, 1080, "0 0 0 0", Model::kRed}};
    for (const auto& c : cases) {
        const std::string context =
            std::to_string(c.count) + " after " + std::to_string(c.ticks_before) + " ticks";
        Model model;
        const double today = std::floor(NoonWithCount(c.count));
        Load(model, today + 0.5);
        for (int i = 0; i < c.ticks_before; ++i) {
            model.Timer2Tick(today);
        }
        EXPECT_EQ(model.Label4Click(), kNothing);
        EXPECT_EQ(model.Text(Label4), c.counter) << context;
        EXPECT_EQ(model.Text(Label7), std::to_string(c.count)) << context;
        EXPECT_FALSE(model.Timer2Enabled()) << context;
        ExpectColour(model, c.colour, context);
        EXPECT_EQ(model.Timer2Tick(today), kNothing);
        EXPECT_EQ(model.Text(Label4), c.counter) << context;
    }
}

TEST(CountdownModelTest, UnreadableClockTicksChangeNothing) {
    Model model;
    Load(model, At(2013, 4, 28, 10));
    Settle(model, std::floor(At(2013, 4, 28, 10)));
    const Texts before = AllTexts(model);
    EXPECT_EQ(model.Timer1Tick(std::numeric_limits<double>::quiet_NaN()), kNothing);
    EXPECT_EQ(model.Timer1Tick(base::kEndSerial + 5), kNothing);
    EXPECT_EQ(AllTexts(model), before);
}

}  // namespace
}  // namespace tolvane::countdown
