#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>

#include "countdown/countdown_model_effects.h"
#include "gdi/colour.h"

namespace tolvane::countdown {

enum class LabelId { Label1, Label2, Label3, Label4, Label5, Label6, Label7 };

// The countdown to the end of 7 April 2014, free of any window system. Its state is what the
// window shows: the texts of Label1 to Label7 (Label4 the spaced animated counter, Label5 the
// true day count and Label7 the counter as plain text, both hidden), the colours of the five
// visible labels and Timer2. Every handler reads the texts, converts them where it needs a
// number and writes texts back, so the text forms are part of the behaviour. The clock is passed
// in as date serials (base/date_serial.h).
class CountdownModel {
  public:
    // The target day, 7 April 2014: the count is 0 on it and negative after it.
    static constexpr double kTargetDay = 41736;
    // 00:00 on 9 June 1905: an earlier clock is refused.
    static constexpr double kEarliestClock = 1987;

    static constexpr gdi::Colour kWhite = 0xFFFFFF;
    static constexpr gdi::Colour kGreen = 0x00FF00;   // fewer than 365 days
    static constexpr gdi::Colour kYellow = 0x00FFFF;  // fewer than 100 days
    static constexpr gdi::Colour kRed = 0x0000FF;     // fewer than 30 days

    // The start texts (countdown_model_texts.h), the coloured labels white, Timer2 enabled with
    // interval 0.
    CountdownModel();

    const std::string& Text(LabelId label) const;
    // Foreground colour of Label1, 2, 3, 4 and 6; nullopt for Label5 and Label7, which the
    // countdown never colours.
    std::optional<gdi::Colour> ForeColour(LabelId label) const;
    // What a screen reader says for the counter: the number Label4 shows, without its spacing
    // and leading zeros, and Label2's unit: "0 3 4 4" with "天" reads "344 天".
    std::string CounterAccessibleName() const;
    bool Timer2Enabled() const { return timer2_enabled_; }
    std::chrono::milliseconds Timer2Interval() const { return timer2_interval_; }

    // When the window is loaded, before it is shown. Refuses a clock before 9 June 1905 (or one
    // that is no date), ends when the target day is past, else starts the counter at 1080 and
    // Timer2 at 1 ms.
    Effects Load(double now, double today);
    // Every second: the time left today in Label6; at a new date, the date line and the day
    // count; the closing message at 23:59:59 once the counter shows 0.
    Effects Timer1Tick(double now);
    // While Timer2 runs: the counter falls by one until it reaches or passes the true count.
    Effects Timer2Tick(double today);
    // Jumps the counter to the true count and stops the animation.
    Effects Label4Click();

  private:
    std::string& MutableText(LabelId label);
    bool Settled() const { return !timer2_enabled_; }
    void ShowCounter(const std::string& plain_count);
    void ApplyDayColour();
    double RefreshDay(double now);

    std::array<std::string, 7> texts_;
    std::array<gdi::Colour, 7> colours_;
    bool timer2_enabled_ = true;
    std::chrono::milliseconds timer2_interval_{0};
    // The date of the date line and of the last full count; set by Load.
    std::optional<double> computed_day_;
};

}  // namespace tolvane::countdown
