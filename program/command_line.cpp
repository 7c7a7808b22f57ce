#include "program/command_line.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "base/clock_value.h"
#include "base/quoted.h"
#include "base/utf8.h"
#include "program/version.h"

namespace tolvane {

namespace {

using base::Quoted;

enum class Option { Help, Version, Clock, Screenshot };
constexpr std::size_t kOptionCount = 4;

struct OptionNames {
    Option option;
    std::string_view name;
};

// Each name an option answers to; a short name also works with two dashes (--h), as in the
// command-line parser of the Qt build this program started from.
constexpr std::array<OptionNames, 6> kOptionNames{{
    {Option::Help, "h"},
    {Option::Help, "help"},
    {Option::Version, "v"},
    {Option::Version, "version"},
    {Option::Clock, "clock"},
    {Option::Screenshot, "screenshot"},
}};

std::optional<Option> FindOption(std::string_view name) {
    for (const OptionNames& entry : kOptionNames) {
        if (entry.name == name) {
            return entry.option;
        }
    }
    return std::nullopt;
}

bool TakesValue(Option option) {
    return option == Option::Clock || option == Option::Screenshot;
}

// What a pass over the arguments met. Reading goes on past a fault, so that the first unknown
// option is named even when a later argument is faulty too.
struct Scan {
    std::vector<Option> options;
    std::array<std::vector<std::string>, kOptionCount> values;
    std::vector<std::string> unknown;
    std::vector<std::string> positional;
    // The last value fault, in the words messages quote when nothing better names it.
    std::string fault;
    bool failed = false;

    bool IsSet(Option option) const { return std::ranges::find(options, option) != options.end(); }
    std::vector<std::string>& Values(Option option) {
        return values.at(static_cast<std::size_t>(option));
    }
};

class Scanner {
  public:
    explicit Scanner(std::span<const std::string_view> args) : args_(args) {}

    Scan Run() {
        bool rest_positional = false;
        for (index_ = 0; index_ < args_.size(); ++index_) {
            const std::string_view arg = args_[index_];
            if (rest_positional || arg.size() < 2 || arg[0] != '-') {
                scan_.positional.emplace_back(arg);
            } else if (arg == "--") {
                rest_positional = true;
            } else if (arg.starts_with("--")) {
                const std::size_t equals = arg.find('=');
                const std::string_view name =
                    equals == std::string_view::npos ? arg.substr(2) : arg.substr(2, equals - 2);
                if (!Register(name) || !TakeValue(name, arg)) {
                    scan_.failed = true;
                }
            } else {
                ReadCluster(arg);
            }
            if (index_ >= args_.size()) {
                break;
            }
        }
        return std::move(scan_);
    }

  private:
    bool Register(std::string_view name) {
        if (const auto option = FindOption(name)) {
            scan_.options.push_back(*option);
            return true;
        }
        scan_.unknown.emplace_back(name);
        return false;
    }

    // Folded short options: -hv is -h -v. Each character is an option; one followed by '=' ends
    // the cluster, and its value is then refused.
    void ReadCluster(std::string_view arg) {
        std::string_view name;
        for (std::size_t pos = 1; pos < arg.size();) {
            std::uint32_t code_point = 0;
            const std::size_t length =
                std::max<std::size_t>(1, base::Utf8Sequence(arg.substr(pos), code_point));
            name = arg.substr(pos, length);
            pos += length;
            if (!Register(name)) {
                scan_.failed = true;
            } else if (pos < arg.size() && arg[pos] == '=') {
                break;
            }
        }
        if (!TakeValue(name, arg)) {
            scan_.failed = true;
        }
    }

    // The value of the option just met: after '=' in its argument, or the next argument.
    bool TakeValue(std::string_view name, std::string_view arg) {
        const auto option = FindOption(name);
        if (!option) {
            return true;
        }
        const std::size_t assign = arg.find('=');
        if (!TakesValue(*option)) {
            if (assign != std::string_view::npos) {
                scan_.fault =
                    "Unexpected value after '" + std::string(arg.substr(0, assign)) + "'.";
                return false;
            }
            return true;
        }
        if (assign != std::string_view::npos) {
            scan_.Values(*option).emplace_back(arg.substr(assign + 1));
            return true;
        }
        if (++index_ == args_.size()) {
            scan_.fault = "Missing value after '" + std::string(arg) + "'.";
            return false;
        }
        scan_.Values(*option).emplace_back(args_[index_]);
        return true;
    }

    std::span<const std::string_view> args_;
    std::size_t index_ = 0;
    Scan scan_;
};

bool IsShortCluster(std::string_view name) {
    return name.size() > 1 && name[0] == '-' && name[1] != '-' &&
           std::all_of(name.begin() + 1, name.end(), [](char c) { return c == 'h' || c == 'v'; });
}

// An option as a message names it: a cluster of -h and -v can be of any length, so a long one is
// cut as quoted values are.
std::string OptionName(std::string_view name) {
    return name.size() > base::kQuotedMaxLength
               ? std::string(name.substr(0, base::kQuotedMaxLength)) + "..."
               : std::string(name);
}

// How an unknown option was spelled: "--name" when an argument says so, "-n" otherwise.
std::string OptionSpelling(const std::string& name, std::span<const std::string_view> args) {
    const std::string long_form = "--" + name;
    for (const std::string_view arg : args) {
        if (arg == long_form || arg.starts_with(long_form + '=')) {
            return long_form;
        }
    }
    return "-" + name;
}

// Why the arguments were refused, naming the argument the scan stumbled on.
CommandLineError ScanFailure(const Scan& scan, std::span<const std::string_view> args) {
    if (!scan.unknown.empty()) {
        return {"unknown option " + Quoted(OptionSpelling(scan.unknown.front(), args)) +
                " (try --help)"};
    }
    // Otherwise a value is missing at the end or given to an option that takes none.
    for (std::size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
        const std::string_view arg = args[i];
        if (arg == "--clock" || arg == "--screenshot") {
            if (i + 1 == args.size()) {
                return {std::string(arg) + " needs a value"};
            }
            ++i;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        if (equals != std::string_view::npos && equals > 0 &&
            (name == "--help" || name == "--version" || IsShortCluster(name))) {
            return {OptionName(name) + " takes no value, got " + Quoted(arg.substr(equals + 1))};
        }
    }
    return {"unreadable command line: " + Quoted(scan.fault)};
}

std::optional<CommandLineError> ApplyClock(CommandLine& line, const std::string& value) {
    auto parsed = base::ParseClockValue(value);
    if (auto* error = std::get_if<base::ClockValueError>(&parsed)) {
        return CommandLineError{error->message};
    }
    line.clock = std::get<double>(parsed);
    return std::nullopt;
}

bool IsPathSeparator(char c) {
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

// The file name's suffix in ASCII lower case: what follows the last dot of its last part
// ("dir.d/a.PNG" gives "png"; "shot", "shot.png/" and "a." give "").
std::string Suffix(std::string_view name) {
    const auto separator = std::find_if(name.rbegin(), name.rend(), IsPathSeparator);
    const std::string_view file = name.substr(static_cast<std::size_t>(name.rend() - separator));
    const std::size_t dot = file.rfind('.');
    std::string suffix(dot == std::string_view::npos ? std::string_view{} : file.substr(dot + 1));
    for (char& c : suffix) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return suffix;
}

std::optional<CommandLineError> ApplyScreenshot(
    CommandLine& line, const std::string& name,
    const std::function<std::vector<std::string>()>& find_image_formats) {
    if (name.empty()) {
        return CommandLineError{"--screenshot needs a file name, got " + Quoted(name)};
    }
    const std::vector<std::string> image_formats = find_image_formats();
    std::string format = Suffix(name);
    if (format.empty() || std::ranges::find(image_formats, format) == image_formats.end()) {
        std::string types;
        for (const std::string& known : image_formats) {
            types += " ." + known;
        }
        return CommandLineError{"--screenshot " + Quoted(name) +
                                (format.empty() ? ": no image type" : ": unknown image type") +
                                "; the file name must end in one of" + types};
    }
    line.screenshot = name;
    line.screenshot_format = std::move(format);
    return std::nullopt;
}

}  // namespace

std::variant<CommandLine, CommandLineError> ParseCommandLine(
    std::span<const std::string_view> args, const std::vector<std::string>& image_formats) {
    return ParseCommandLine(args, [&image_formats] { return image_formats; });
}

std::variant<CommandLine, CommandLineError> ParseCommandLine(
    std::span<const std::string_view> args,
    const std::function<std::vector<std::string>()>& image_formats) {
    for (const std::string_view arg : args) {
        if (!base::IsValidUtf8(arg)) {
            return CommandLineError{"argument " + Quoted(arg) +
                                    " is not valid UTF-8 (file names too must be UTF-8)"};
        }
    }
    Scan scan = Scanner(args).Run();
    if (scan.failed) {
        return ScanFailure(scan, args);
    }
    if (!scan.positional.empty()) {
        return CommandLineError{"unexpected argument " + Quoted(scan.positional.front()) +
                                " (try --help)"};
    }
    for (const auto& [option, name] :
         {std::pair{Option::Clock, "--clock"}, std::pair{Option::Screenshot, "--screenshot"}}) {
        if (scan.Values(option).size() > 1) {
            return CommandLineError{std::string(name) + " given more than once"};
        }
    }

    CommandLine line;
    if (scan.IsSet(Option::Clock)) {
        if (auto error = ApplyClock(line, scan.Values(Option::Clock).back())) {
            return *error;
        }
    }
    if (scan.IsSet(Option::Screenshot)) {
        if (auto error =
                ApplyScreenshot(line, scan.Values(Option::Screenshot).back(), image_formats)) {
            return *error;
        }
    }
    if (scan.IsSet(Option::Help)) {
        line.action = CommandLine::Action::Help;
    } else if (scan.IsSet(Option::Version)) {
        line.action = CommandLine::Action::Version;
    }
    return line;
}

std::string HelpText() {
#ifdef _WIN32
    constexpr std::string_view kImageTypes =
        "                                 .bmp and .tif. Exit 1 if FILE cannot\n";
#else
    constexpr std::string_view kImageTypes =
        "                                 .bmp and others Qt can write. Exit 1 if FILE cannot\n";
#endif
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
           "                                 end. FILE's suffix picks the image type: .png, "
           ".jpg,\n" +
           std::string(kImageTypes) +
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

void PrintLine(std::FILE* stream, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) {
        std::fwrite(piece.data(), 1, piece.size(), stream);
    }
    std::fputc('\n', stream);
    std::fflush(stream);
}

std::optional<int> AnswerWithoutWindow(const std::variant<CommandLine, CommandLineError>& parsed) {
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        PrintLine(stderr, {"tolvane: ", error->message});
        return kExitBadCommandLine;
    }
    switch (std::get<CommandLine>(parsed).action) {
        case CommandLine::Action::Help:
            std::fputs(HelpText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::fputs(VersionText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Run:
            break;
    }
    return std::nullopt;
}

}  // namespace tolvane
