#include "program/command_line.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "base/ascii_case.h"
#include "base/clock_value.h"
#include "base/quoted.h"
#include "base/utf8.h"
#include "program/version.h"

namespace tolvane::program {

namespace {

using base::Quoted;
using ImageFormats = std::function<std::vector<std::string>()>;

// Checks an option's value (empty for an option without one) and writes what the option asks for
// into the line. Returns why the value was refused, naming it.
using Apply = std::optional<std::string> (*)(CommandLine& line, std::string_view value,
                                             const ImageFormats& image_formats);

std::optional<std::string> ApplyHelp(CommandLine& line, std::string_view, const ImageFormats&) {
    line.action = CommandLine::Action::Help;
    return std::nullopt;
}

std::optional<std::string> ApplyVersion(CommandLine& line, std::string_view, const ImageFormats&) {
    if (line.action == CommandLine::Action::Run) {  // --help, applied first, wins
        line.action = CommandLine::Action::Version;
    }
    return std::nullopt;
}

std::optional<std::string> ApplyClock(CommandLine& line, std::string_view value,
                                      const ImageFormats&) {
    auto parsed = base::ParseClockValue(value);
    if (auto* error = std::get_if<base::ClockValueError>(&parsed)) {
        return std::move(error->message);
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
    return base::LowerAscii(dot == std::string_view::npos ? std::string_view{}
                                                          : file.substr(dot + 1));
}

// Asks for the image formats only for a name worth checking: finding them can be slow.
std::optional<std::string> ApplyScreenshot(CommandLine& line, std::string_view name,
                                           const ImageFormats& image_formats) {
    if (name.empty()) {
        return "--screenshot needs a file name, got " + Quoted(name);
    }
    const std::vector<std::string> formats = image_formats();
    std::string format = Suffix(name);
    if (format.empty() || std::ranges::find(formats, format) == formats.end()) {
        std::string types;
        for (const std::string& known : formats) {
            types += " ." + known;
        }
        return "--screenshot " + Quoted(name) +
               (format.empty() ? ": no image type" : ": unknown image type") +
               "; the file name must end in one of" + types;
    }
    line.screenshot = std::string(name);
    line.screenshot_format = std::move(format);
    return std::nullopt;
}

struct OptionSpec {
    // "" for none. A short name works alone (-h), folded with others (-hv) and with two dashes
    // (--h).
    std::string_view short_name;
    std::string_view long_name;
    // An option with a value takes it after '=' in its argument or as the next argument.
    bool takes_value;
    Apply apply;
};

// Every option, in the order they are applied once the scan has found no fault: a refused
// --clock is named before a refused --screenshot, and help wins over version.
constexpr std::array<OptionSpec, 4> kOptions{{
    {"h", "help", false, ApplyHelp},
    {"v", "version", false, ApplyVersion},
    {"", "clock", true, ApplyClock},
    {"", "screenshot", true, ApplyScreenshot},
}};

// Folded short options never take a value, so a cluster is read on its own.
static_assert(std::ranges::none_of(kOptions, [](const OptionSpec& option) {
    return !option.short_name.empty() && option.takes_value;
}));

std::optional<std::size_t> FindOption(std::string_view OptionSpec::*spelling,
                                      std::string_view name) {
    if (name.empty()) {
        return std::nullopt;  // an option without a short name has none to match
    }
    for (std::size_t row = 0; row < kOptions.size(); ++row) {
        if (kOptions[row].*spelling == name) {
            return row;
        }
    }
    return std::nullopt;
}

// The kinds of fault, the most telling first. A refusal names a fault of the earliest kind met;
// of several of that kind, the first one met, except where said otherwise.
enum class FaultKind {
    NotUtf8,
    UnknownOption,
    // A value missing at the end, or one given to an option that takes none.
    UnwantedOrMissingValue,
    // A value after a short name spelled with two dashes (--h=1), in general words; the last
    // one met is named.
    ValueAfterDashedShortName,
    UnexpectedArgument,
    // An option with a value given twice; named in table order, not argument order.
    Repeated,
};

struct Fault {
    FaultKind kind;
    std::size_t row;  // the option's, for Repeated
    std::string message;
};

bool Outranks(FaultKind kind, std::size_t row, const Fault& held) {
    if (kind != held.kind) {
        return kind < held.kind;
    }
    if (kind == FaultKind::Repeated) {
        return row < held.row;
    }
    return kind == FaultKind::ValueAfterDashedShortName;
}

// An option as a message names it: a cluster of short options can be of any length, so a long
// one is cut as quoted values are.
std::string OptionName(std::string_view name) {
    return name.size() > base::kQuotedMaxLength
               ? std::string(name.substr(0, base::kQuotedMaxLength)) + "..."
               : std::string(name);
}

// One pass over the arguments. It reads on past a fault, recording each where it meets it with
// its message, so that the most telling one is named; the values are applied only to a line
// without faults.
class Scanner {
  public:
    explicit Scanner(std::span<const std::string_view> args) : args_(args) {}

    std::variant<CommandLine, CommandLineError> Scan(const ImageFormats& image_formats) {
        bool rest_positional = false;
        while (next_ < args_.size()) {
            const std::string_view arg = Take();
            if (rest_positional || arg.size() < 2 || arg[0] != '-') {
                Record(FaultKind::UnexpectedArgument,
                       "unexpected argument " + Quoted(arg) + " (try --help)");
            } else if (arg == "--") {
                rest_positional = true;
            } else if (arg.starts_with("--")) {
                ReadLong(arg);
            } else {
                ReadCluster(arg);
            }
        }
        if (fault_) {
            return CommandLineError{std::move(fault_->message)};
        }
        CommandLine line;
        for (std::size_t row = 0; row < kOptions.size(); ++row) {
            if (!given_[row]) {
                continue;
            }
            if (auto refusal = kOptions[row].apply(line, *given_[row], image_formats)) {
                return CommandLineError{std::move(*refusal)};
            }
        }
        return line;
    }

  private:
    std::string_view Take() {
        const std::string_view arg = args_[next_++];
        if (!base::IsValidUtf8(arg)) {
            Record(FaultKind::NotUtf8, "argument " + Quoted(arg) +
                                           " is not valid UTF-8 (file names too must be UTF-8)");
        }
        return arg;
    }

    void Record(FaultKind kind, std::string message, std::size_t row = 0) {
        if (!fault_ || Outranks(kind, row, *fault_)) {
            fault_ = Fault{kind, row, std::move(message)};
        }
    }

    void Give(std::size_t row, std::string_view value = {}) {
        if (given_[row] && kOptions[row].takes_value) {
            Record(FaultKind::Repeated,
                   "--" + std::string(kOptions[row].long_name) + " given more than once", row);
        }
        given_[row] = value;
    }

    void Unknown(std::string_view spelling) {
        Record(FaultKind::UnknownOption, "unknown option " + Quoted(spelling) + " (try --help)");
    }

    void NoValueWanted(std::string_view option, std::string_view value) {
        Record(FaultKind::UnwantedOrMissingValue,
               OptionName(option) + " takes no value, got " + Quoted(value));
    }

    // --name, --name=value or --name followed by its value.
    void ReadLong(std::string_view arg) {
        const std::size_t equals = arg.find('=');
        const std::string_view option = arg.substr(0, equals);
        const std::string_view name = option.substr(2);
        auto row = FindOption(&OptionSpec::long_name, name);
        if (!row) {
            row = FindOption(&OptionSpec::short_name, name);
        }
        if (!row) {
            Unknown(option);
            return;
        }
        const OptionSpec& spec = kOptions[*row];
        if (equals != std::string_view::npos) {
            const std::string_view value = arg.substr(equals + 1);
            if (spec.takes_value) {
                Give(*row, value);
            } else if (name == spec.long_name) {
                NoValueWanted(option, value);
            } else {
                Record(FaultKind::ValueAfterDashedShortName,
                       "unreadable command line: " +
                           Quoted("Unexpected value after '" + std::string(option) + "'."));
            }
        } else if (!spec.takes_value) {
            Give(*row);
        } else if (next_ == args_.size()) {
            Record(FaultKind::UnwantedOrMissingValue, std::string(arg) + " needs a value");
        } else {
            Give(*row, Take());
        }
    }

    // Folded short options: -hv is -h -v, each character (a whole UTF-8 sequence) an option.
    // One followed by '=' ends the cluster, and its value is refused.
    void ReadCluster(std::string_view arg) {
        for (std::size_t pos = 1; pos < arg.size();) {
            std::uint32_t code_point = 0;
            const std::size_t length =
                std::max<std::size_t>(1, base::Utf8Sequence(arg.substr(pos), code_point));
            const std::string_view name = arg.substr(pos, length);
            pos += length;
            const auto row = FindOption(&OptionSpec::short_name, name);
            if (!row) {
                // Not "-" + std::string(name): g++ 12 at -O3 warns falsely (-Wrestrict) on it.
                Unknown(std::string("-").append(name));
            } else if (pos < arg.size() && arg[pos] == '=') {
                NoValueWanted(arg.substr(0, pos), arg.substr(pos + 1));
                return;
            } else {
                Give(*row);
            }
        }
    }

    std::span<const std::string_view> args_;
    std::size_t next_ = 0;
    // Each option's value as given last (empty for one without a value), by table row.
    std::array<std::optional<std::string_view>, kOptions.size()> given_;
    std::optional<Fault> fault_;
};

}  // namespace

std::variant<CommandLine, CommandLineError> ParseCommandLine(
    std::span<const std::string_view> args, const std::vector<std::string>& image_formats) {
    return ParseCommandLine(args, [&image_formats] { return image_formats; });
}

std::variant<CommandLine, CommandLineError> ParseCommandLine(
    std::span<const std::string_view> args,
    const std::function<std::vector<std::string>()>& image_formats) {
    return Scanner(args).Scan(image_formats);
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

}  // namespace tolvane::program
