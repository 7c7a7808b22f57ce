#include "app/command_line.h"

#include "app/runtime/clock_value.h"
#include "app/runtime/quoted.h"

namespace tolvane {

namespace {

using runtime::Quoted;

constexpr std::string_view kClockOption = "--clock";
constexpr std::string_view kScreenshotOption = "--screenshot";

// Splits "--name=value" into name and value; "--name" alone has no value.
std::pair<std::string_view, std::optional<std::string_view>> SplitOption(std::string_view arg) {
    const auto equals = arg.find('=');
    if (arg.starts_with("--") && equals != std::string_view::npos) {
        return {arg.substr(0, equals), arg.substr(equals + 1)};
    }
    return {arg, std::nullopt};
}

std::optional<CommandLineError> ApplyClock(CommandLine& line, std::string_view value) {
    if (line.clock) {
        return CommandLineError{"--clock given more than once"};
    }
    auto parsed = runtime::ParseClockValue(value);
    if (auto* error = std::get_if<runtime::ClockValueError>(&parsed)) {
        return CommandLineError{error->message};
    }
    line.clock = std::get<double>(parsed);
    return std::nullopt;
}

std::optional<CommandLineError> ApplyScreenshot(CommandLine& line, std::string_view value) {
    if (line.screenshot) {
        return CommandLineError{"--screenshot given more than once"};
    }
    if (value.empty()) {
        return CommandLineError{"--screenshot needs a file name, got " + Quoted(value)};
    }
    line.screenshot = std::string(value);
    return std::nullopt;
}

}  // namespace

std::variant<CommandLine, CommandLineError> ParseCommandLine(
    std::span<const std::string_view> args) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        auto [name, value] = SplitOption(args[i]);
        if (name == "--help" || name == "-h" || name == "--version") {
            if (value) {
                return CommandLineError{std::string(name) + " takes no value, got " +
                                        Quoted(*value)};
            }
            line.action =
                name == "--version" ? CommandLine::Action::Version : CommandLine::Action::Help;
            continue;
        }
        if (name != kClockOption && name != kScreenshotOption) {
            return CommandLineError{"unknown option " + Quoted(args[i]) + " (try --help)"};
        }
        if (!value) {
            if (i + 1 == args.size()) {
                return CommandLineError{std::string(name) + " needs a value"};
            }
            value = args[++i];
        }
        const auto error =
            name == kClockOption ? ApplyClock(line, *value) : ApplyScreenshot(line, *value);
        if (error) {
            return *error;
        }
    }
    return line;
}

std::string HelpText() {
    return "Usage: tolvane [--clock \"YYYY-MM-DD hh:mm:ss\"] [--screenshot FILE.png]\n"
           "       tolvane --help | --version\n"
           "\n"
           "Counts down to the end of 7 April 2014 in a small window.\n"
           "\n"
           "  --clock \"YYYY-MM-DD hh:mm:ss\"  run on a simulated local clock that starts at that\n"
           "                                 moment and then advances in real time\n"
           "  --screenshot FILE.png          show nothing: let the counter settle, write the\n"
           "                                 window's client area to FILE and exit 0; exit 3 with\n"
           "                                 the message on standard error if the program would "
           "end\n"
           "  --help                         show this text\n"
           "  --version                      show the version\n"
           "\n"
           "Drag the window by its surface; click the counter to skip its run-down; close it with\n"
           "the button or Enter.\n";
}

std::string VersionText() {
    return "tolvane 1.0.0\n";
}

}  // namespace tolvane
