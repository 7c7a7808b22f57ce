#pragma once

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tolvane::program {

// What the command line asks for. Without arguments the program runs on the system clock.
struct CommandLine {
    enum class Action { Run, Help, Version };

    Action action = Action::Run;
    // Local start time of a simulated clock, as a date serial.
    std::optional<double> clock;
    // Render the settled window into the file of this name (its bytes as given) instead of
    // showing it, in screenshot_format.
    std::optional<std::string> screenshot;
    // The image format the file name's suffix asks for, in lower case: "png", "jpg", "bmp", ...
    std::string screenshot_format;
};

// Why the command line was refused: one line naming the offending value, quoted and escaped.
struct CommandLineError {
    std::string message;
};

// Reads the arguments after the program name, as UTF-8 bytes. Options: --clock
// "YYYY-MM-DD hh:mm:ss", --screenshot FILE (each also as --option=value), -h/--help,
// -v/--version (help wins); a short name also works with two dashes (--h), short options fold
// together (-hv), an option that takes a value takes the next argument whatever it looks like,
// and "--" makes the rest plain arguments (none is expected). A screenshot's suffix must name one
// of image_formats (lower-case names such as "png"). Every argument must be valid UTF-8, so that
// a file name is written under the very bytes given. Of several faults the refusal names the
// most telling: an argument that is not UTF-8, then the first unknown option, then the first
// missing or unwanted value, then the first plain argument, then a repeated option.
std::variant<CommandLine, CommandLineError> ParseCommandLine(
    std::span<const std::string_view> args, const std::vector<std::string>& image_formats);
// The same, asking for the image formats only when a screenshot is given: on Linux finding them
// loads Qt's image plugins, which a start without --screenshot does not need before its window
// shows.
std::variant<CommandLine, CommandLineError> ParseCommandLine(
    std::span<const std::string_view> args,
    const std::function<std::vector<std::string>()>& image_formats);

std::string HelpText();
std::string VersionText();

// The programs' exit statuses besides 0: a screenshot that cannot be written, a command line
// refused, and a --screenshot run whose Load ends the program instead of showing the window.
inline constexpr int kExitCannotWrite = 1;
inline constexpr int kExitBadCommandLine = 2;
inline constexpr int kExitLoadEnded = 3;

// Writes the pieces and a line break to the stream and flushes it. C's streams rather than
// <iostream>, whose start-up (the standard stream objects and the classic locale's facets) costs
// every start.
void PrintLine(std::FILE* stream, std::initializer_list<std::string_view> pieces);

// Answers a command line that needs no window: a refusal goes to standard error (exit status
// kExitBadCommandLine), the help or version text to standard output (0). Returns nothing for a
// line that runs the program.
std::optional<int> AnswerWithoutWindow(const std::variant<CommandLine, CommandLineError>& parsed);

}  // namespace tolvane::program
