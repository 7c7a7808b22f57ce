#include "program/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace tolvane::program {
namespace {

// The image formats the parser is told it can write; the program passes its platform's list.
const std::vector<std::string> kImageFormats{"bmp", "jpeg", "jpg", "png"};

std::variant<CommandLine, CommandLineError> Parse(std::vector<std::string_view> args) {
    return ParseCommandLine(args, kImageFormats);
}

TEST(CommandLine, NoArgumentsRunsOnTheSystemClock) {
    const auto line = std::get<CommandLine>(Parse({}));
    EXPECT_EQ(line.action, CommandLine::Action::Run);
    EXPECT_FALSE(line.clock);
    EXPECT_FALSE(line.screenshot);
}

// Finding the image formats loads Qt's image plugins: only a screenshot asks for them.
TEST(CommandLine, ImageFormatsAreAskedForOnlyForAScreenshot) {
    int asked = 0;
    const auto formats = [&asked] {
        ++asked;
        return kImageFormats;
    };
    const std::vector<std::string_view> run{"--clock", "2013-04-28 10:54:50"};
    ASSERT_TRUE(std::holds_alternative<CommandLine>(ParseCommandLine(run, formats)));
    EXPECT_EQ(asked, 0);
    const std::vector<std::string_view> shot{"--screenshot", "a.png"};
    ASSERT_TRUE(std::holds_alternative<CommandLine>(ParseCommandLine(shot, formats)));
    EXPECT_EQ(asked, 1);
}

TEST(CommandLine, ClockAndScreenshotInBothSpellings) {
    for (const auto& args : std::vector<std::vector<std::string_view>>{
             {"--clock", "2013-04-28 10:54:50", "--screenshot", "a.png"},
             {"--clock=2013-04-28 10:54:50", "--screenshot=a.png"},
             {"--screenshot", "a.png", "--clock=2013-04-28 10:54:50"}}) {
        const auto line = std::get<CommandLine>(Parse(args));
        ASSERT_TRUE(line.clock);
        // 28 April 2013 is day 41392; 10:54:50 is 39290 seconds into it.
        EXPECT_NEAR(*line.clock, 41392 + 39290.0 / 86400, 1e-9);
        EXPECT_EQ(line.screenshot, "a.png");
    }
}

TEST(CommandLine, HelpAndVersion) {
    EXPECT_EQ(std::get<CommandLine>(Parse({"--help"})).action, CommandLine::Action::Help);
    EXPECT_EQ(std::get<CommandLine>(Parse({"-h"})).action, CommandLine::Action::Help);
    EXPECT_EQ(std::get<CommandLine>(Parse({"--version"})).action, CommandLine::Action::Version);
}

TEST(CommandLine, HelpAndVersionSpellings) {
    using Action = CommandLine::Action;
    const struct {
        std::vector<std::string_view> args;
        Action action;
    } cases[] = {
        {{"-v"}, Action::Version},
        {{"--clock", "2013-04-28 10:54:50", "-v"}, Action::Version},
        {{"-hv"}, Action::Help},  // folded short options; help wins
        {{"--version", "--help"}, Action::Help},
        {{"--screenshot", "-v.png"}, Action::Run},  // a value, though it looks like an option
    };
    for (const auto& c : cases) {
        const auto result = Parse(c.args);
        ASSERT_TRUE(std::holds_alternative<CommandLine>(result)) << c.args.front();
        EXPECT_EQ(std::get<CommandLine>(result).action, c.action) << c.args.back();
    }
}

// The build fills in project()'s version: digits and two dots, as in "tolvane 1.0.0".
TEST(CommandLine, VersionComesFromTheBuild) {
    const std::string text = VersionText();
    ASSERT_TRUE(text.starts_with("tolvane ") && text.ends_with('\n')) << text;
    const std::string version = text.substr(8, text.size() - 9);
    ASSERT_GE(version.size(), 5u) << text;
    EXPECT_EQ(std::count(version.begin(), version.end(), '.'), 2) << text;
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(version.front())) &&
                std::isdigit(static_cast<unsigned char>(version.back())))
        << text;
    EXPECT_TRUE(std::all_of(version.begin(), version.end(), [](char c) {
        return c == '.' || std::isdigit(static_cast<unsigned char>(c));
    })) << text;
}

TEST(CommandLine, ScreenshotSuffixPicksTheFormat) {
    const struct {
        std::string_view name, format;
    } cases[] = {
        {"a.png", "png"},
        {"A.PNG", "png"},
        {"a.jpg", "jpg"},
        {"a.Jpeg", "jpeg"},
        {"dir.d/a.bmp", "bmp"},
        {"a.tar.png", "png"},
        {"\xe5\xbf\xab.jpg", "jpg"},  // a UTF-8 name is kept byte for byte
    };
    for (const auto& c : cases) {
        const auto line = std::get<CommandLine>(Parse({"--screenshot", c.name}));
        EXPECT_EQ(line.screenshot, c.name);
        EXPECT_EQ(line.screenshot_format, c.format) << c.name;
    }
}

TEST(CommandLine, RefusalsNameTheOffendingValue) {
    struct Case {
        std::vector<std::string_view> args;
        std::string_view expected_in_message;
    };
    // A cluster of short options of any length is named cut short.
    const std::string long_cluster = "-" + std::string(5000, 'h') + "=1";
    const std::string long_cluster_shown = "-" + std::string(59, 'h') + "... takes no value";
    const std::vector<Case> cases{
        {{"--colour"}, "\"--colour\""},
        {{"clock"}, "\"clock\""},
        {{"--clock"}, "--clock needs a value"},
        {{"--clock", "2014-02-30 10:00:00"}, "2014-02-30 10:00:00"},
        {{"--clock", "yesterday"}, "yesterday"},
        {{"--clock=2013-04-28 25:00:00"}, "2013-04-28 25:00:00"},
        {{"--screenshot="}, "--screenshot needs a file name"},
        {{"--screenshot"}, "--screenshot needs a value"},
        {{"--clock", "2013-04-28 10:54:50", "--clock", "2013-04-28 10:54:50"}, "more than once"},
        {{"--help=yes"}, "\"yes\""},
        {{"-v=1"}, "-v takes no value, got \"1\""},
        {{long_cluster}, long_cluster_shown},
        {{"-x"}, "unknown option \"-x\""},
        {{"--screenshot", "a.png", "--screenshot", "b.png"}, "more than once"},
        {{"--screenshot", "x.xyz"}, "\"x.xyz\": unknown image type"},
        {{"--screenshot", "shot"}, "\"shot\": no image type"},
        {{"--screenshot", "shot.png/"}, "\"shot.png/\": no image type"},
        {{"--screenshot", "--clock"}, "\"--clock\": no image type"},
        {{"a.png"}, "unexpected argument \"a.png\""},
        // Line breaks, control characters and bytes that are not UTF-8 are shown escaped.
        {{"--clock", "2013-04-28\n10:54:50"}, "\"2013-04-28\\n10:54:50\": expected the form"},
        {{"--colour\x1b[2J"}, "\"--colour\\x1b[2J\""},
        {{"--screenshot", "caf\xe9.png"}, "\"caf\\xe9.png\" is not valid UTF-8"},
        {{"--clock=\xff"}, "\"--clock=\\xff\" is not valid UTF-8"},
        {{"--screenshot", "a\tb.xyz"}, "\"a\\tb.xyz\""},
    };
    for (const auto& c : cases) {
        const auto result = Parse(c.args);
        ASSERT_TRUE(std::holds_alternative<CommandLineError>(result)) << c.expected_in_message;
        const auto& message = std::get<CommandLineError>(result).message;
        EXPECT_NE(message.find(c.expected_in_message), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << "one line: " << message;
        for (const char byte : message) {
            const auto code = static_cast<unsigned char>(byte);
            EXPECT_TRUE(code >= 0x20 && code != 0x7f) << "escaped: " << message;
        }
    }
}

// Of several faults the refusal names the most telling, whatever their order; an unknown option
// is spelled as the argument it was met in spells it, whatever else the arguments hold.
TEST(CommandLine, RefusalNamesTheMostTellingFault) {
    const struct {
        std::vector<std::string_view> args;
        std::string_view message;
    } cases[] = {
        {{"--clock", "--x", "-x"}, "unknown option \"-x\" (try --help)"},
        {{"-x", "--", "--x"}, "unknown option \"-x\" (try --help)"},
        {{"--screenshot=--x", "-hx", "--x"}, "unknown option \"-x\" (try --help)"},
        {{"--x=1", "-x"}, "unknown option \"--x\" (try --help)"},
        {{"-v=1", "--bad"}, "unknown option \"--bad\" (try --help)"},
        {{"a.png", "--help=1", "-h=2", "--clock"}, "--help takes no value, got \"1\""},
        {{"--h=1", "--v=2"}, "unreadable command line: \"Unexpected value after '--v'.\""},
        {{"--v=2", "-vh=3"}, "-vh takes no value, got \"3\""},
        {{"--screenshot", "a.png", "--screenshot", "b.png", "--clock=x", "--clock=y", "c"},
         "unexpected argument \"c\" (try --help)"},
        {{"--screenshot", "a.png", "--screenshot", "b.png", "--clock=x", "--clock=y"},
         "--clock given more than once"},
        {{"--screenshot", "x.xyz", "--clock", "yesterday"},
         "unreadable clock value \"yesterday\": expected the form YYYY-MM-DD hh:mm:ss"},
        {{"--screenshot", "x.xyz", "--clock", "yesterday", "-x\xff"},
         "argument \"-x\\xff\" is not valid UTF-8 (file names too must be UTF-8)"},
    };
    for (const auto& c : cases) {
        const auto result = Parse(c.args);
        ASSERT_TRUE(std::holds_alternative<CommandLineError>(result)) << c.message;
        EXPECT_EQ(std::get<CommandLineError>(result).message, c.message);
    }
}

// A long value is shown shortened, so the refusal stays one readable line.
TEST(CommandLine, LongValuesAreShortened) {
    const std::string long_value(5000, '9'), long_option = "--" + long_value, newlines(5000, '\n');
    for (const auto& args : std::vector<std::vector<std::string_view>>{{"--clock", long_value},
                                                                       {"--screenshot", long_value},
                                                                       {long_option},
                                                                       {"--clock", newlines},
                                                                       {long_value}}) {
        const auto result = Parse(args);
        ASSERT_TRUE(std::holds_alternative<CommandLineError>(result)) << args.front();
        const auto& message = std::get<CommandLineError>(result).message;
        EXPECT_LT(message.size(), 200u) << message;
        EXPECT_NE(message.find("...\""), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace tolvane::program
