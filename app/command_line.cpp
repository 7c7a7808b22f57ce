#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

#include "app/runtime/clock_value.h"
#include "app/runtime/quoted.h"
#include "app/version.h"

namespace tolvane {

namespace {

using runtime::Quoted;

std::string Quoted(const QString& text) {
    return runtime::Quoted(text.toStdString());
}

// Qt folds short options together (-hv) and reads a value-taking option's value from the next
// argument, whatever it looks like, as getopt does.
bool IsShortCluster(const QString& name) {
    return name.size() > 1 && name[0] == u'-' && name[1] != u'-' &&
           std::all_of(name.begin() + 1, name.end(),
                       [](QChar c) { return c == u'h' || c == u'v'; });
}

// An option as a message names it: a cluster of -h and -v can be of any length, so a long one is
// cut as quoted values are.
std::string OptionName(const QString& name) {
    const auto shown = static_cast<qsizetype>(runtime::kQuotedMaxLength);
    return name.size() > shown ? name.left(shown).toStdString() + "..." : name.toStdString();
}

// How an unknown option was spelled: "--name" when an argument says so, "-n" otherwise.
QString OptionSpelling(const QString& name, const QStringList& arguments) {
    const QString long_form = QStringLiteral("--") + name;
    for (const QString& argument : arguments) {
        if (argument == long_form || argument.startsWith(long_form + u'=')) {
            return long_form;
        }
    }
    return QStringLiteral("-") + name;
}

// Why QCommandLineParser refused the arguments, naming the argument it stumbled on.
CommandLineError ParseFailure(const QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString spelling = OptionSpelling(parser.unknownOptionNames().first(), arguments);
        return {"unknown option " + Quoted(spelling) + " (try --help)"};
    }
    // Otherwise a value is missing at the end or given to an option that takes none.
    for (qsizetype i = 0; i < arguments.size() && arguments[i] != QStringLiteral("--"); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--clock") || argument == QStringLiteral("--screenshot")) {
            if (i + 1 == arguments.size()) {
                return {argument.toStdString() + " needs a value"};
            }
            ++i;
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = argument.left(equals);
        if (equals > 0 && (name == QStringLiteral("--help") ||
                           name == QStringLiteral("--version") || IsShortCluster(name))) {
            return {OptionName(name) + " takes no value, got " +
                    Quoted(argument.mid(equals + 1))};
        }
    }
    return {"unreadable command line: " + Quoted(parser.errorText())};
}

std::optional<CommandLineError> ApplyClock(CommandLine& line, const QString& text) {
    const std::string value = text.toStdString();
    auto parsed = runtime::ParseClockValue(value);
    if (auto* error = std::get_if<runtime::ClockValueError>(&parsed)) {
        return CommandLineError{error->message};
    }
    line.clock = std::get<double>(parsed);
    return std::nullopt;
}

std::optional<CommandLineError> ApplyScreenshot(
    CommandLine& line, const QString& name,
    const std::function<QList<QByteArray>()>& find_image_formats) {
    if (name.isEmpty()) {
        return CommandLineError{"--screenshot needs a file name, got " + Quoted(name)};
    }
    const QList<QByteArray> image_formats = find_image_formats();
    const QByteArray format = QFileInfo(name).suffix().toLower().toUtf8();
    if (format.isEmpty() || !image_formats.contains(format)) {
        std::string types;
        for (const QByteArray& known : image_formats) {
            types += " ." + known.toStdString();
        }
        return CommandLineError{"--screenshot " + Quoted(name) +
                                (format.isEmpty() ? ": no image type" : ": unknown image type") +
                                "; the file name must end in one of" + types};
    }
    line.screenshot = QFile::encodeName(name).toStdString();
    line.screenshot_format = format;
    return std::nullopt;
}

}  // namespace

std::variant<CommandLine, CommandLineError> ParseCommandLine(
    std::span<const std::string_view> args, const QList<QByteArray>& image_formats) {
    return ParseCommandLine(args, [&image_formats] { return image_formats; });
}

std::variant<CommandLine, CommandLineError> ParseCommandLine(
    std::span<const std::string_view> args,
    const std::function<QList<QByteArray>()>& image_formats) {
    QStringList arguments;
    for (const std::string_view arg : args) {
        // A name that does not survive the trip through QString would be written under another.
        const QByteArray bytes(arg.data(), static_cast<qsizetype>(arg.size()));
        QString text = QFile::decodeName(bytes);
        if (QFile::encodeName(text) != bytes) {
            return CommandLineError{"argument " + runtime::Quoted(arg) +
                                    " is not valid UTF-8 (file names too must be UTF-8)"};
        }
        arguments.append(std::move(text));
    }

    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption clock(QStringLiteral("clock"), {},
                                   QStringLiteral("YYYY-MM-DD hh:mm:ss"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"), {}, QStringLiteral("FILE"));
    parser.addOptions({help, version, clock, screenshot});
    // parse() takes the program name first, as argv has it.
    if (!parser.parse(QStringList{QStringLiteral("tolvane")} + arguments)) {
        return ParseFailure(parser, arguments);
    }
    if (!parser.positionalArguments().isEmpty()) {
        return CommandLineError{"unexpected argument " +
                                Quoted(parser.positionalArguments().first()) + " (try --help)"};
    }
    for (const QCommandLineOption* option : {&clock, &screenshot}) {
        if (parser.values(*option).size() > 1) {
            return CommandLineError{"--" + option->names().first().toStdString() +
                                    " given more than once"};
        }
    }

    CommandLine line;
    if (parser.isSet(clock)) {
        if (auto error = ApplyClock(line, parser.value(clock))) {
            return *error;
        }
    }
    if (parser.isSet(screenshot)) {
        if (auto error = ApplyScreenshot(line, parser.value(screenshot), image_formats)) {
            return *error;
        }
    }
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
    } else if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
    }
    return line;
}

std::string HelpText() {
    return "Usage: tolvane [--clock \"YYYY-MM-DD hh:mm:ss\"] [--screenshot FILE]\n"
           "       tolvane -h | --help | -v | --version\n"
           "\n"
           "Counts down to the end of 7 April 2014 in a small window.\n"
           "\n"
           "  --clock \"YYYY-MM-DD hh:mm:ss\"  run on a simulated local clock that starts at that\n"
           "                                 moment and then advances in real time\n"
           "  --screenshot FILE              show nothing: let the counter settle, write the\n"
           "                                 window's client area to FILE and exit 0; exit 3 with\n"
           "                                 the message on standard error if the program would\n"
           "                                 end. FILE's suffix picks the image type: .png, .jpg,\n"
           "                                 .bmp and others Qt can write. Exit 1 if FILE cannot\n"
           "                                 be written, e.g. it is a folder or its folder is\n"
           "                                 missing\n"
           "  -h, --help                     show this text\n"
           "  -v, --version                  show the version\n"
           "\n"
           "A bad option or value exits 2 with one line on standard error.\n"
           "Drag the window by its surface; click the counter to skip its run-down; close it with\n"
           "the button or Enter.\n";
}

std::string VersionText() {
    return "tolvane " + std::string(kVersion) + "\n";
}

}  // namespace tolvane
