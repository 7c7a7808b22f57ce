#include "base/date_format.h"

#include <cstdio>

#include "base/date_serial.h"

namespace tolvane::base {

namespace {

std::string Padded(long value, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*ld", width, value);
    return text;
}

}  // namespace

std::string FormatLongDate(double serial) {
    const auto date = DateOfSerial(serial);
    return Padded(static_cast<int>(date.year()), 4) + "年" +
           Padded(static_cast<unsigned>(date.month()), 2) + "月" +
           Padded(static_cast<unsigned>(date.day()), 2) + "日";
}

std::string FormatHourField(double serial) {
    return Padded(TimeOfSerial(serial).hours().count(), 2);
}

std::string FormatMinuteField(double serial) {
    return Padded(TimeOfSerial(serial).minutes().count(), 1);
}

std::string FormatSecondField(double serial) {
    return Padded(TimeOfSerial(serial).seconds().count(), 2);
}

}  // namespace tolvane::base
