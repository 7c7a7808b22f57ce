#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace tolvane {

// What the command line asks for. Without arguments the program runs on the system clock.
struct CommandLine {
    enum class Action { Run, Help, Version };

    Action action = Action::Run;
    // Local start time of a simulated clock, as a date serial.
    std::optional<double> clock;
    // Render the settled window into this PNG file instead of showing it.
    std::optional<std::string> screenshot;
};

// Why the command line was refused: one line naming the offending value.
struct CommandLineError {
    std::string message;
};

// Reads the arguments after the program name. Options: --clock "YYYY-MM-DD hh:mm:ss",
// --screenshot FILE.png (each also as --option=value), --help (-h), --version.
std::variant<CommandLine, CommandLineError> ParseCommandLine(
    std::span<const std::string_view> args);

std::string HelpText();
std::string VersionText();

}  // namespace tolvane
