// The start routine over a desktop that records what it is asked, with the Qt forms platform
// under the window on the offscreen platform.
#include "program/run.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "forms/qt/qt_platform.h"

namespace tolvane::program {
namespace {

using testing::HasSubstr;

class FakeDesktop final : public Desktop {
  public:
    bool has_display = true;
    std::optional<std::string> open_failure;
    std::optional<std::string> commit_failure;
    std::vector<std::string> calls;

    std::vector<std::string> WritableImageTypes() override {
        calls.emplace_back("types");
        return {"png", "jpg"};
    }
    std::optional<std::string> OpenScreenshot(const std::string& path) override {
        calls.push_back("open " + path);
        return open_failure;
    }
    void DiscardScreenshot() override { std::fputs("discarded\n", stderr); }
    bool Start(Output output) override {
        calls.emplace_back(output == Output::Screenshot ? "start screenshot" : "start");
        return has_display;
    }
    forms::Platform& MakePlatform() override {
        calls.emplace_back("platform");
        platform_ = std::make_unique<qt::QtPlatform>();
        return *platform_;
    }
    std::optional<std::string> CommitScreenshot(std::string_view type) override {
        calls.push_back("commit " + std::string(type));
        return commit_failure;
    }
    int RunEventLoop() override {
        calls.emplace_back("loop");
        return 7;
    }

  private:
    std::unique_ptr<qt::QtPlatform> platform_;
};

constexpr std::string_view kClock = "2013-04-28 10:54:50";

TEST(Run, AsksTheDesktopOnlyForWhatTheCommandLineNeeds) {
    using Calls = std::vector<std::string>;
    const Calls shot_calls{"types", "open a.png", "start screenshot", "platform", "commit png"};
    const struct {
        std::vector<std::string_view> args;
        bool has_display;
        std::optional<std::string> open_failure, commit_failure;
        int status;
        std::string error_line;  // empty: no line of the program's own
        Calls calls;
    } cases[] = {
        {{"--version"}, true, {}, {}, 0, "", {}},
        {{"--screenshot", "a.png", "-x"}, true, {}, {}, 2, "unknown option \"-x\"", {}},
        {{"--screenshot", "a.png"},
         true,
         "Permission denied",
         {},
         1,
         "tolvane: cannot write the screenshot to \"a.png\": Permission denied\n",
         {"types", "open a.png"}},
        {{"--clock", kClock},
         false,
         {},
         {},
         2,
         "tolvane: no display (DISPLAY is not set); use --screenshot FILE.png to render the "
         "window without one\n",
         {"start"}},
        {{"--clock", kClock, "--screenshot", "a.png"},
         true,
         {},
         "No space left on device",
         1,
         "tolvane: cannot write the screenshot to \"a.png\": No space left on device\n",
         shot_calls},
        {{"--clock", kClock, "--screenshot", "a.png"}, true, {}, {}, 0, "", shot_calls},
        {{"--clock", kClock}, true, {}, {}, 7, "", {"start", "platform", "loop"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        FakeDesktop desktop;
        desktop.has_display = c.has_display;
        desktop.open_failure = c.open_failure;
        desktop.commit_failure = c.commit_failure;
        testing::internal::CaptureStderr();
        const int status = program::Run(c.args, desktop);
        const std::string error = testing::internal::GetCapturedStderr();
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(desktop.calls, c.calls);
        if (c.error_line.empty()) {
            EXPECT_THAT(error, testing::Not(HasSubstr("tolvane:")));
        } else {
            EXPECT_THAT(error, HasSubstr(c.error_line));
        }
    }
}

void RunOnAClockBeforeTheEarliest() {
    FakeDesktop desktop;
    const std::vector<std::string_view> args{"--clock", "1900-01-01 00:00:00", "--screenshot",
                                             "a.png"};
    program::Run(args, desktop);
    std::fputs("the run went on\n", stderr);
    std::exit(0);
}

// A Load that ends the program ends the screenshot run there: its message on standard error,
// the file discarded, exit status 3.
TEST(RunDeathTest, LoadEndingTheProgramDiscardsTheScreenshot) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunOnAClockBeforeTheEarliest(), testing::ExitedWithCode(3),
                HasSubstr("错误: 系统时间错误！\ndiscarded\n"));
}

}  // namespace
}  // namespace tolvane::program
