#pragma once

#include <array>
#include <string_view>

namespace tolvane::countdown {

// The fixed texts the countdown shows (UTF-8).

// Label1 to Label7 before Load: the counter, the date line, the time left and the hidden counts
// hold placeholders that Load and the timers replace.
inline constexpr std::array<std::string_view, 7> kStartTexts{
    "距离2014年4月8日还剩 ：", "天", "9999年12月31日", "9 9 9 9", "9999", "......", "同时倒计时"};

// Refusal of a clock before 9 June 1905, with the critical icon.
inline constexpr std::string_view kClockErrorMessage = "系统时间错误！";
inline constexpr std::string_view kClockErrorTitle = "错误";

// The end of support is past, with the information icon.
inline constexpr std::string_view kSupportEndedMessage =
    "Micosoft Windows XP 已死 ！建议升级到 Windows 7或更高的系统。";
inline constexpr std::string_view kSupportEndedTitle = "提示";

// Label3 is this prefix followed by today's date, e.g. "现在日期：2013年04月28日".
inline constexpr std::string_view kDateLinePrefix = "现在日期：";

// Label6 at 23:59:59: nothing left of the day.
inline constexpr std::string_view kDayOverText = "0小时0分0秒";

}  // namespace tolvane::countdown
