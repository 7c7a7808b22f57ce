#include "countdown/countdown_model.h"

#include <algorithm>
#include <cstddef>

#include "base/date_format.h"
#include "base/date_serial.h"
#include "base/number_text.h"
#include "countdown/countdown_model_texts.h"

namespace tolvane::countdown {

namespace {

using base::ExactNumber;
using base::FormatSpaced;
using base::LeadingValue;
using base::NumberText;
using enum LabelId;

constexpr std::array<LabelId, 5> kColouredLabels{Label4, Label6, Label2, Label1, Label3};

constexpr std::size_t Index(LabelId label) {
    return static_cast<std::size_t>(label);
}

bool IsColoured(LabelId label) {
    return label != Label5 && label != Label7;
}

Effects RefuseClock() {
    return {ShowMessage{std::string(kClockErrorMessage), std::string(kClockErrorTitle),
                        forms::MessageIcon::Critical},
            EndProgram{}};
}

ShowMessage SupportEnded() {
    return {std::string(kSupportEndedMessage), std::string(kSupportEndedTitle),
            forms::MessageIcon::Information};
}

Effects CloseWindow() {
    return {HideWindow{}, SupportEnded(), EndProgram{}};
}

}  // namespace

// The labels start with their placeholder texts, in white until the count falls into a band of
// colour.
CountdownModel::CountdownModel() {
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        texts_[i] = std::string(kStartTexts.at(i));
    }
    colours_.fill(kWhite);
}

const std::string& CountdownModel::Text(LabelId label) const {
    return texts_.at(Index(label));
}

std::string& CountdownModel::MutableText(LabelId label) {
    return texts_.at(Index(label));
}

std::optional<gdi::Colour> CountdownModel::ForeColour(LabelId label) const {
    if (!IsColoured(label)) {
        return std::nullopt;
    }
    return colours_.at(Index(label));
}

std::string CountdownModel::CounterAccessibleName() const {
    return NumberText(LeadingValue(Text(Label4))) + " " + Text(Label2);
}

Effects CountdownModel::Load(double now, double today) {
    // A clock that is no date at all (NaN, beyond year 9999) is refused like an early one.
    if (!(now >= kEarliestClock) || !base::IsSupportedSerial(now) ||
        !base::IsSupportedSerial(today)) {
        return RefuseClock();
    }
    MutableText(Label4) = "1080";
    MutableText(Label4) = FormatSpaced(Text(Label4));
    timer2_interval_ = std::chrono::milliseconds{1};
    MutableText(Label5) = NumberText(kTargetDay - today);
    MutableText(Label3) = std::string(kDateLinePrefix) + base::FormatLongDate(now);
    // The older of the two dates, so that a midnight falling between the window's two clock reads
    // is taken in by the next Timer1Tick.
    computed_day_ = std::min(base::TodayOf(now), today);
    if (ExactNumber(Text(Label5)).value_or(0) < 0) {
        return {SupportEnded(), EndProgram{}};
    }
    return {};
}

Effects CountdownModel::Timer1Tick(double now) {
    if (!base::IsSupportedSerial(now)) {
        return {};  // no date to show; the next tick reads the clock afresh
    }
    const auto time = base::TimeOfSerial(now);
    MutableText(Label6) = NumberText(23.0 - time.hours().count()) + "小时" +
                          NumberText(59.0 - time.minutes().count()) + "分" +
                          NumberText(59.0 - time.seconds().count()) + "秒";
    // Label6 comes first, so it always shows the current time. A new date is taken in before the
    // end test: a first tick on the target day that already reads 23:59:59 (after a suspend, say)
    // finds the counter at 0 and ends at once, and a date past the target day ends here, so the
    // end test below cannot show the closing message a second time.
    if (computed_day_ && base::TodayOf(now) != *computed_day_ && RefreshDay(now) < 0) {
        return CloseWindow();
    }
    // Before Timer2's first tick Label7 still holds its design text, no number: no end then.
    const auto counter = ExactNumber(Text(Label7));
    if (counter && *counter == 0 && Text(Label6) == kDayOverText) {
        return CloseWindow();
    }
    return {};
}

Effects CountdownModel::Timer2Tick(double today) {
    // A tick that was queued before Timer2 stopped, or one before Load started it, does nothing.
    if (!timer2_enabled_ || timer2_interval_.count() == 0 || !base::IsSupportedSerial(today)) {
        return {};
    }
    const double counter = LeadingValue(Text(Label4)) - 1;
    MutableText(Label4) = NumberText(counter);
    // Label5 still holds the count of the previous tick (or of Load). The counter settles as soon
    // as it reaches or passes it, so a count of 1080 or more settles on the first tick instead of
    // the counter running on below zero.
    const auto true_count = ExactNumber(Text(Label5));
    if (Text(Label4) == Text(Label5) || (true_count && counter <= *true_count)) {
        timer2_enabled_ = false;
        MutableText(Label4) = Text(Label5);
    }
    MutableText(Label4) = FormatSpaced(Text(Label4));
    MutableText(Label7) = NumberText(LeadingValue(Text(Label4)));
    MutableText(Label5) = NumberText(kTargetDay - today);
    ApplyDayColour();
    return {};
}

Effects CountdownModel::Label4Click() {
    ShowCounter(Text(Label5));
    timer2_enabled_ = false;
    ApplyDayColour();
    return {};
}

void CountdownModel::ShowCounter(const std::string& plain_count) {
    const std::string count = plain_count;  // may be one of the texts written below
    MutableText(Label4) = FormatSpaced(count);
    MutableText(Label7) = count;
}

void CountdownModel::ApplyDayColour() {
    const auto days = ExactNumber(Text(Label7));
    if (!days || *days >= 365) {
        return;  // no band: the labels keep the colour they have
    }
    const gdi::Colour colour = *days < 30 ? kRed : *days < 100 ? kYellow : kGreen;
    for (const LabelId label : kColouredLabels) {
        colours_.at(Index(label)) = colour;
    }
}

// Takes in a new date: the date line and the true count, and the counter once it has settled
// (while it still runs it meets the new count by itself). Returns the new count.
double CountdownModel::RefreshDay(double now) {
    const double today = base::TodayOf(now);
    computed_day_ = today;
    MutableText(Label3) = std::string(kDateLinePrefix) + base::FormatLongDate(now);
    const double count = kTargetDay - today;
    MutableText(Label5) = NumberText(count);
    if (Settled()) {
        ShowCounter(Text(Label5));
        ApplyDayColour();
    }
    return count;
}

}  // namespace tolvane::countdown
