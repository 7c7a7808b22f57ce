#include "base/date_serial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/date_format.h"

namespace tolvane::base {
namespace {

using namespace std::chrono;

TEST(DateSerialTest, KnownDatesHaveTheirSerials) {
    const struct {
        year_month_day date;
        double serial;
    } cases[] = {{year{2014} / 4 / 7, 41736},
                 {year{1905} / 6 / 9, 1987},
                 {year{1899} / 12 / 30, 0},
                 {year{1899} / 12 / 29, -1},
                 {year{2013} / 4 / 28, 41392},
                 {year{2011} / 4 / 23, 40656},
                 {year{1986} / 11 / 20, 31736},
                 {year{1900} / 3 / 1, 61},
                 {year{2000} / 2 / 29, 36585},
                 {year{1} / 1 / 1, kFirstSerial},
                 {year{9999} / 12 / 31, kEndSerial - 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(SerialFromDate(c.date), c.serial) << c.serial;
        EXPECT_EQ(DateOfSerial(c.serial), c.date) << c.serial;
        EXPECT_EQ(DateOfSerial(c.serial + 0.999), c.date) << c.serial;
    }
}

TEST(DateSerialTest, TimeIsTheFractionAfterMidnightOnBothSidesOfTheEpoch) {
    const CivilSeconds morning = sys_days{year{2013} / 4 / 28} + 10h + 54min + 50s;
    EXPECT_EQ(SerialFromCivil(morning), 41392 + 39290.0 / 86400);
    EXPECT_EQ(SerialFromCivil(sys_days{year{1899} / 12 / 29} + 6h), -0.75);
    EXPECT_EQ(CivilFromSerial(-0.75), sys_days{year{1899} / 12 / 29} + 6h);
    EXPECT_EQ(TodayOf(-0.75), -1);
    EXPECT_EQ(TodayOf(41736.99999), 41736);
}

TEST(DateSerialTest, EverySecondOfADayComesBackExactly) {
    for (const int day : {-693593, -1, 1987, 41736, 2958465}) {
        const CivilSeconds midnight = kSerialEpoch + days{day};
        for (int second = 0; second < 86400; ++second) {
            const CivilSeconds civil = midnight + seconds{second};
            ASSERT_EQ(CivilFromSerial(SerialFromCivil(civil)), civil) << day << " + " << second;
        }
    }
}

TEST(DateSerialTest, JustBeforeMidnightStaysInItsDay) {
    for (const double serial : {std::nextafter(41737.0, 0.0), 41736 + 86399.9996 / 86400,
                                std::nextafter(0.0, -1.0), std::nextafter(kEndSerial, 0.0)}) {
        const auto time = TimeOfSerial(serial);
        EXPECT_EQ(time.to_duration(), 23h + 59min + 59s) << serial;
        EXPECT_EQ(SerialFromDate(DateOfSerial(serial)), std::floor(serial)) << serial;
    }
}

TEST(DateSerialTest, UnsupportedSerialsAndDatesAreRefused) {
    for (const double serial :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          kFirstSerial - 0.001, kEndSerial, 1e300}) {
        EXPECT_FALSE(IsSupportedSerial(serial)) << serial;
        EXPECT_THROW(FormatLongDate(serial), DateRangeError) << serial;
    }
    EXPECT_THROW(SerialFromDate(year{2014} / 2 / 30), DateRangeError);
    EXPECT_THROW(SerialFromDate(year{10000} / 1 / 1), DateRangeError);
    EXPECT_THROW(SerialFromDate(year{0} / 12 / 31), DateRangeError);
    try {
        CivilFromSerial(3e6);
        ADD_FAILURE() << "3e6 was converted";
    } catch (const DateRangeError& error) {
        EXPECT_STREQ(error.what(), "date serial 3000000 is outside years 1 to 9999");
    }
}

}  // namespace
}  // namespace tolvane::base
