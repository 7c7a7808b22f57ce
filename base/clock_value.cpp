#include "base/clock_value.h"

#include <chrono>
#include <optional>

#include "base/date_serial.h"
#include "base/quoted.h"

namespace tolvane::base {

namespace {

constexpr std::string_view kForm = "YYYY-MM-DD hh:mm:ss";

// The decimal value of text[first, first + count) when all of it are digits.
std::optional<int> Digits(std::string_view text, std::size_t first, std::size_t count) {
    int value = 0;
    for (std::size_t i = first; i < first + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

ClockValueError Refusal(std::string_view text, std::string_view reason) {
    return {"unreadable clock value " + Quoted(text) + ": " + std::string(reason)};
}

}  // namespace

std::variant<double, ClockValueError> ParseClockValue(std::string_view text) {
    const bool separators_fit = text.size() == kForm.size() && text[4] == '-' && text[7] == '-' &&
                                text[10] == ' ' && text[13] == ':' && text[16] == ':';
    if (!separators_fit) {
        return Refusal(text, "expected the form YYYY-MM-DD hh:mm:ss");
    }
    const auto y = Digits(text, 0, 4), mo = Digits(text, 5, 2), d = Digits(text, 8, 2);
    const auto h = Digits(text, 11, 2), mi = Digits(text, 14, 2), s = Digits(text, 17, 2);
    if (!y || !mo || !d || !h || !mi || !s) {
        return Refusal(text, "expected the form YYYY-MM-DD hh:mm:ss");
    }
    if (*y < 1) {
        return Refusal(text, "the year must be 1 to 9999");
    }
    const std::chrono::year_month_day date{std::chrono::year{*y},
                                           std::chrono::month{static_cast<unsigned>(*mo)},
                                           std::chrono::day{static_cast<unsigned>(*d)}};
    if (!date.ok()) {
        return Refusal(text, "no such date");
    }
    if (*h > 23 || *mi > 59 || *s > 59) {
        return Refusal(text, "no such time of day");
    }
    const CivilSeconds civil = std::chrono::sys_days{date} + std::chrono::hours{*h} +
                               std::chrono::minutes{*mi} + std::chrono::seconds{*s};
    return SerialFromCivil(civil);
}

}  // namespace tolvane::base
