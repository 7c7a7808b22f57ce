#pragma once

#include <QByteArray>
#include <QList>

#include <functional>
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
    // Render the settled window into the file of this name (its bytes as given) instead of
    // showing it, in screenshot_format.
    std::optional<std::string> screenshot;
    // The image format the file name's suffix asks for, in lower case: "png", "jpg", "bmp", ...
    QByteArray screenshot_format;
};

// Why the command line was refused: one line naming the offending value, quoted and escaped.
struct CommandLineError {
    std::string message;
};

// Reads the arguments after the program name, as the bytes the system passed. Options:
// --clock "YYYY-MM-DD hh:mm:ss", --screenshot FILE (each also as --option=value), -h/--help,
// -v/--version. A screenshot's suffix must name one of image_formats (lower-case names, as
// QImageWriter::supportedImageFormats gives them). Every argument must be valid UTF-8, so that a
// file name is written under the very bytes given.
std::variant<CommandLine, CommandLineError> ParseCommandLine(
    std::span<const std::string_view> args, const QList<QByteArray>& image_formats);
// The same, asking for the image formats only when a screenshot is given: finding them loads
// Qt's image plugins, which a start without --screenshot does not need before its window shows.
std::variant<CommandLine, CommandLineError> ParseCommandLine(
    std::span<const std::string_view> args,
    const std::function<QList<QByteArray>()>& image_formats);

std::string HelpText();
std::string VersionText();

}  // namespace tolvane
