#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvane {
namespace {

std::variant<CommandLine, CommandLineError> Parse(std::vector<std::string_view> args) {
    return ParseCommandLine(args);
}

TEST(CommandLine, NoArgumentsRunsOnTheSystemClock) {
    const auto line = std::get<CommandLine>(Parse({}));
    EXPECT_EQ(line.action, CommandLine::Action::Run);
    EXPECT_FALSE(line.clock);
    EXPECT_FALSE(line.screenshot);
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

TEST(CommandLine, RefusalsNameTheOffendingValue) {
    struct Case {
        std::vector<std::string_view> args;
        std::string_view expected_in_message;
    };
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
    };
    for (const auto& c : cases) {
        const auto result = Parse(c.args);
        ASSERT_TRUE(std::holds_alternative<CommandLineError>(result)) << c.expected_in_message;
        const auto& message = std::get<CommandLineError>(result).message;
        EXPECT_NE(message.find(c.expected_in_message), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << "one line: " << message;
    }
}

}  // namespace
}  // namespace tolvane
