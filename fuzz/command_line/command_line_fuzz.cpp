// The command line on any arguments (the input split at NUL bytes). Oracle: the result is either
// a parse that holds only valid values or one bounded line naming what was refused, and the same
// arguments always give the same result.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "program/command_line.h"
#include "base/date_serial.h"
#include "fuzz/oracles.h"

namespace {

using tolvane::program::CommandLine;
using tolvane::program::CommandLineError;
using tolvane::fuzz::IsBoundedLine;
using tolvane::fuzz::IsValidUtf8;
using tolvane::fuzz::Require;

bool EndsWithSuffix(const std::string& name, const std::string& format) {
    const std::string suffix = "." + format;
    if (name.size() < suffix.size()) {
        return false;
    }
    std::string tail = name.substr(name.size() - suffix.size());
    std::transform(tail.begin(), tail.end(), tail.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return tail == suffix;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> args;
    for (std::size_t begin = 0; begin <= input.size() && args.size() < 16;) {
        const std::size_t end = std::min(input.find('\0', begin), input.size());
        args.push_back(input.substr(begin, end - begin));
        begin = end + 1;
    }
    if (input.empty()) {
        args.clear();
    }
    static const std::vector<std::string> formats{"bmp", "jpeg", "jpg", "png", "ppm"};

    const auto result = tolvane::program::ParseCommandLine(args, formats);
    const auto again = tolvane::program::ParseCommandLine(args, formats);
    if (const auto* error = std::get_if<CommandLineError>(&result)) {
        Require(IsBoundedLine(error->message), "refusal is not one bounded line", input);
        const auto* error_again = std::get_if<CommandLineError>(&again);
        Require(error_again && error_again->message == error->message,
                "the same arguments were refused differently", input);
        return 0;
    }
    const CommandLine& line = std::get<CommandLine>(result);
    const auto* line_again = std::get_if<CommandLine>(&again);
    Require(line_again && line_again->action == line.action && line_again->clock == line.clock &&
                line_again->screenshot == line.screenshot,
            "the same arguments were read differently", input);
    for (const std::string_view arg : args) {
        Require(IsValidUtf8(arg), "an argument that is not UTF-8 was accepted", input);
    }
    if (line.clock) {
        Require(tolvane::base::IsSupportedSerial(*line.clock),
                "the clock is outside years 1 to 9999", input);
    }
    if (line.screenshot) {
        Require(!line.screenshot->empty() && IsValidUtf8(*line.screenshot),
                "the screenshot name is empty or not UTF-8", input);
        Require(std::ranges::find(formats, line.screenshot_format) != formats.end() &&
                    EndsWithSuffix(*line.screenshot, line.screenshot_format),
                "the screenshot format is not the name's suffix", input);
    }
    return 0;
}
