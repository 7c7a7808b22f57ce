#include "base/date_format.h"

#include <gtest/gtest.h>

#include <string>

#include "base/date_serial.h"

namespace tolvane::base {
namespace {

using namespace std::chrono;

TEST(DateFormatTest, WritesTheDatePatternAndTheTimeFields) {
    const struct {
        CivilSeconds civil;
        std::string date, hour, minute, second;
    } cases[] = {
        {sys_days{year{2013} / 4 / 28} + 10h + 54min + 50s, "2013年04月28日", "10", "54", "50"},
        {sys_days{year{2014} / 4 / 7} + 9h + 5min + 7s, "2014年04月07日", "09", "5", "07"},
        {sys_days{year{1905} / 6 / 9}, "1905年06月09日", "00", "0", "00"},
        {sys_days{year{9} / 12 / 31} + 23h + 59min + 59s, "0009年12月31日", "23", "59", "59"}};
    for (const auto& c : cases) {
        const double serial = SerialFromCivil(c.civil);
        EXPECT_EQ(FormatLongDate(serial), c.date);
        EXPECT_EQ(FormatHourField(serial), c.hour) << c.date;
        EXPECT_EQ(FormatMinuteField(serial), c.minute) << c.date;
        EXPECT_EQ(FormatSecondField(serial), c.second) << c.date;
    }
}

}  // namespace
}  // namespace tolvane::base
