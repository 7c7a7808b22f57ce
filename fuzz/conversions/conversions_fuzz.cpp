// The runtime's text conversions on any bytes. Oracles: every accepted value reads back as
// itself, refusals are the documented ones with a bounded one-line message, and the spaced
// counter text reads back as the rounded number.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <variant>

#include "base/clock_value.h"
#include "base/date_serial.h"
#include "base/number_text.h"
#include "base/overflow_error.h"
#include "base/quoted.h"
#include "base/rounding.h"
#include "fuzz/oracles.h"

namespace {

using namespace tolvane::base;
using tolvane::fuzz::IsBoundedLine;
using tolvane::fuzz::Require;

void CheckClockValue(std::string_view text) {
    const auto parsed = ParseClockValue(text);
    if (const auto* error = std::get_if<ClockValueError>(&parsed)) {
        Require(IsBoundedLine(error->message), "clock refusal is not one bounded line", text);
        return;
    }
    // Accepted: the serial names exactly the time written.
    const double serial = std::get<double>(parsed);
    Require(IsSupportedSerial(serial), "accepted clock value outside years 1 to 9999", text);
    const auto date = DateOfSerial(serial);
    const auto time = TimeOfSerial(serial);
    char again[32];
    std::snprintf(again, sizeof again, "%04d-%02u-%02u %02ld:%02ld:%02ld",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<long>(time.hours().count()),
                  static_cast<long>(time.minutes().count()),
                  static_cast<long>(time.seconds().count()));
    Require(text == again, "accepted clock value does not read back", text);
}

void CheckNumbers(std::string_view text) {
    const auto exact = ExactNumber(text);
    if (exact) {
        Require(std::isfinite(*exact), "ExactNumber accepted a value that is not finite", text);
        Require(!std::signbit(*exact) || *exact != 0.0, "ExactNumber kept the sign of a zero",
                text);
        const std::string shortest = NumberText(*exact);
        Require(ExactNumber(shortest) == *exact, "NumberText does not read back exactly", text);
        Require(LeadingValue(shortest) == *exact, "LeadingValue misreads NumberText", text);
        // The counter's spaced form reads back, blanks skipped, as the rounded number.
        Require(LeadingValue(FormatSpaced(text)) == RoundHalfEven(*exact),
                "FormatSpaced does not read back as the rounded number", text);
    } else {
        Require(FormatSpaced(text) == text, "FormatSpaced changed a text that is no number", text);
    }
    try {
        const double leading = LeadingValue(text);
        Require(std::isfinite(leading), "LeadingValue gave a value that is not finite", text);
        Require(!std::signbit(leading) || leading != 0.0, "LeadingValue kept the sign of a zero",
                text);
    } catch (const OverflowError& error) {
        Require(IsBoundedLine(error.what()), "overflow message is not one bounded line", text);
    }
}

void CheckQuoted(std::string_view text) {
    const std::string quoted = Quoted(text);
    Require(IsBoundedLine(quoted) && quoted.size() <= 2 + 6 * kQuotedMaxLength + 3,
            "Quoted is not one bounded line", text);
    Require(quoted.size() >= 2 && quoted.front() == '"', "Quoted does not start with a quote", text);
    Require(Quoted(text) == quoted, "Quoted is not deterministic", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckClockValue(text);
    CheckNumbers(text);
    CheckQuoted(text);
    return 0;
}
