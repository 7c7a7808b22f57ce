#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "base/overflow_error.h"

namespace tolvane::base {
namespace {

TEST(LeadingValueTest, ReadsTheNumberATextBeginsWith) {
    const struct {
        std::string text;
        double value;
    } cases[] = {{"1 0 8 0", 1080}, {"-0 0 0 5", -5}, {"12 3 4 5", 12345}, {"\t1\n0 7\t9", 1079},
                 {"  - 4 2", -42},  {"+7", 7},        {"12abc", 12},       {"1 0x8", 10},
                 {"3.25.5", 3.25},  {"-.5", -0.5},    {"5.", 5},           {"1e3", 1},
                 {"abc", 0},        {"", 0},          {" \t\n", 0},        {"-", 0},
                 {"--5", 0},        {"+-5", 0},       {"同时倒计时", 0},   {"7天", 7}};
    for (const auto& c : cases) {
        EXPECT_EQ(LeadingValue(c.text), c.value) << '"' << c.text << '"';
    }
    // The overflow names the text as messages quote values: escaped and cut short.
    try {
        LeadingValue("1" + std::string(400, '0') + "\n\xff");
        ADD_FAILURE() << "no overflow";
    } catch (const OverflowError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "overflow: the number that \"1" + std::string(59, '0') +
                      "...\" begins with does not fit double");
    }
}

// A number too small for a double reads as its nearest double, 0, without its sign; one too
// large for it stays an overflow.
TEST(LeadingValueTest, ReadsANumberTooSmallForADoubleAsZero) {
    const std::string tiny = "0." + std::string(400, '0') + "1";
    for (const std::string& text : {tiny, "-" + tiny, "0 . " + std::string(330, '0') + "5",
                                    "-." + std::string(500, '0') + "9x"}) {
        const double value = LeadingValue(text);
        EXPECT_EQ(value, 0.0) << text;
        EXPECT_FALSE(std::signbit(value)) << text;
    }
    EXPECT_THROW(LeadingValue("-1" + std::string(400, '0') + ".5"), OverflowError);
}

TEST(ExactNumberTest, ReadsANumberTooSmallForADoubleAsZero) {
    const struct {
        std::string text;
        std::optional<double> value;
    } cases[] = {{"1e-400", 0.0},
                 {"-1e-400", 0.0},
                 {"0." + std::string(400, '0') + "1", 0.0},
                 {"-0." + std::string(400, '0') + "1e+5", 0.0},
                 {"1000e-320", 1e-317},
                 {"12e-99999999999999999999999", 0.0},
                 {"0.01e400", {}},
                 {"1e400", {}},
                 {"-1e400", {}},
                 {"0.001e-99999999999999999999999999", 0.0},
                 {"1" + std::string(400, '0') + "e-10", {}}};
    for (const auto& c : cases) {
        const auto value = ExactNumber(c.text);
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        if (value) {
            EXPECT_FALSE(std::signbit(*value)) << '"' << c.text << '"';
        }
    }
}

TEST(ExactNumberTest, AcceptsOnlyAWholeNumberText) {
    const struct {
        std::string text;
        std::optional<double> value;
    } cases[] = {{"1080", 1080},  {" -5 ", -5}, {"\t+12\n", 12},    {"0.25", 0.25},
                 {"1.5e3", 1500}, {".5", 0.5},  {"-0", 0},          {"1 0 8 0", {}},
                 {"", {}},        {"  ", {}},   {"同时倒计时", {}}, {"12abc", {}},
                 {"--5", {}},     {"+-5", {}},  {"-", {}},          {".", {}},
                 {"inf", {}},     {"nan", {}},  {"-inf", {}},       {"1e", {}},
                 {"0x10", {}},    {"1e999", {}}};
    for (const auto& c : cases) {
        EXPECT_EQ(ExactNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(NumberTextTest, WritesShortestPlainDecimalsThatReadBack) {
    const struct {
        double number;
        std::string text;
    } cases[] = {{1079, "1079"},
                 {-3, "-3"},
                 {0, "0"},
                 {-0.0, "0"},
                 {0.1, "0.1"},
                 {-2.5, "-2.5"},
                 {1e-7, "0.0000001"},
                 {1e20, "100000000000000000000"}};
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText(c.number), c.text) << c.number;
    }
    for (const double number :
         {1.0 / 3.0, -123456.789, 2958465.9999884259, std::numeric_limits<double>::max(),
          std::numeric_limits<double>::denorm_min()}) {
        EXPECT_EQ(ExactNumber(NumberText(number)), number);
        EXPECT_EQ(LeadingValue(NumberText(number)), number);
    }
}

TEST(FormatSpacedTest, WritesFourSpacedDigitPositions) {
    const struct {
        std::string text, spaced;
    } cases[] = {{"1080", "1 0 8 0"},          {"345", "0 3 4 5"},    {"0", "0 0 0 0"},
                 {"12345", "12 3 4 5"},        {"-5", "-0 0 0 5"},    {"20000", "20 0 0 0"},
                 {"-1234", "-1 2 3 4"},        {" 7 ", "0 0 0 7"},    {"-0", "0 0 0 0"},
                 {"2.5", "0 0 0 2"},           {"3.5", "0 0 0 4"},    {"-0.4", "0 0 0 0"},
                 {"同时倒计时", "同时倒计时"}, {"1 0 8 0", "1 0 8 0"}};
    for (const auto& c : cases) {
        EXPECT_EQ(FormatSpaced(c.text), c.spaced) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace tolvane::base
