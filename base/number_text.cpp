#include "base/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "base/overflow_error.h"
#include "base/quoted.h"
#include "base/rounding.h"

namespace tolvane::base {

namespace {

constexpr std::string_view kBlanks = " \t\n";

bool IsBlank(char c) {
    return kBlanks.find(c) != std::string_view::npos;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The power of ten of the leading digit of a sign-less decimal form with at least one nonzero
// digit: "123.4" -> 2, "0.05" -> -2, "5e-3" -> -3. The exponent saturates so that hundreds of
// exponent digits cannot overflow the count.
long long LeadingPowerOfTen(std::string_view form) {
    const std::size_t exponent_at = form.find_first_of("eE");
    const std::string_view digits = form.substr(0, exponent_at);
    const std::size_t point = std::min(digits.find('.'), digits.size());
    const std::size_t first = digits.find_first_of("123456789");
    long long power = first < point ? static_cast<long long>(point - first) - 1
                                    : -static_cast<long long>(first - point);
    if (exponent_at != std::string_view::npos) {
        std::string_view exponent = form.substr(exponent_at + 1);
        const bool negative = !exponent.empty() && exponent.front() == '-';
        if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
            exponent.remove_prefix(1);
        }
        constexpr long long kSaturated = 1'000'000'000;
        long long value = 0;
        for (const char c : exponent) {
            value = std::min(kSaturated, value * 10 + (c - '0'));
        }
        power += negative ? -value : value;
    }
    return power;
}

// Converts a sign-less decimal form that from_chars accepts in full; nullopt when it does not
// accept all of it or the value lies beyond a double. A value too small for a double rounds to
// its nearest one, 0, as the conversion rounds any other value.
std::optional<double> ParseUnsigned(std::string_view form) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(form.data(), form.data() + form.size(), value);
    if (end != form.data() + form.size()) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range && LeadingPowerOfTen(form) < 0) {
        return 0.0;
    }
    if (error != std::errc{}) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

double LeadingValue(std::string_view text) {
    std::string form;  // the digits and point read so far, blanks left out
    bool negative = false;
    bool seen_sign_or_digit = false;
    bool seen_point = false;
    bool seen_digit = false;
    for (const char c : text) {
        if (IsBlank(c)) {
            continue;
        }
        if ((c == '-' || c == '+') && !seen_sign_or_digit && !seen_point) {
            negative = c == '-';
        } else if (IsDigit(c)) {
            seen_digit = true;
            form += c;
        } else if (c == '.' && !seen_point) {
            seen_point = true;
            form += c;
        } else {
            break;
        }
        seen_sign_or_digit = true;
    }
    if (!seen_digit) {
        return 0.0;
    }
    const auto value = ParseUnsigned(form);
    if (!value) {
        throw OverflowError("overflow: the number that " + Quoted(text) +
                            " begins with does not fit double");
    }
    return negative && *value != 0.0 ? -*value : *value;
}

std::optional<double> ExactNumber(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view body = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    bool negative = false;
    if (body.front() == '-' || body.front() == '+') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    // Only digits or a point may start the number; this keeps out "inf", "nan" and a second sign.
    if (body.empty() || !(IsDigit(body.front()) || body.front() == '.')) {
        return std::nullopt;
    }
    const auto value = ParseUnsigned(body);
    if (!value) {
        return std::nullopt;
    }
    return negative && *value != 0.0 ? -*value : *value;
}

std::string NumberText(double number) {
    if (number == 0.0) {
        return "0";  // also for -0.0
    }
    // The longest fixed form, of the smallest subnormal, takes 327 characters with its sign.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

std::string FormatSpaced(std::string_view text) {
    const auto number = ExactNumber(text);
    if (!number) {
        return std::string(text);
    }
    const double whole = RoundHalfEven(*number);
    std::string digits = NumberText(std::fabs(whole));
    if (digits.size() < 4) {
        digits.insert(0, 4 - digits.size(), '0');
    }
    const std::size_t head = digits.size() - 3;
    std::string spaced = whole < 0.0 ? "-" : "";
    spaced += digits.substr(0, head);
    for (std::size_t i = head; i < digits.size(); ++i) {
        spaced += ' ';
        spaced += digits[i];
    }
    return spaced;
}

}  // namespace tolvane::base
