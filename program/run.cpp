#include "program/run.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "base/clock.h"
#include "base/quoted.h"
#include "countdown/form1.h"
#include "forms/end_program.h"
#include "program/command_line.h"

namespace tolvane::program {

namespace {

std::unique_ptr<base::Clock> MakeClock(const CommandLine& line) {
    if (line.clock) {
        return std::make_unique<base::SimulatedClock>(*line.clock,
                                                      base::SimulatedClock::SteadyElapsed());
    }
    return std::make_unique<base::SystemClock>();
}

// Reports that the screenshot cannot be written, with the reason; returns the exit status.
int CannotWrite(const std::string& path, std::string_view reason) {
    PrintLine(stderr,
              {"tolvane: cannot write the screenshot to ", base::Quoted(path), ": ", reason});
    return kExitCannotWrite;
}

// --screenshot: the window is drawn as it opens (the close button holding the focus) into the
// file and shown on no screen. A message the program would show goes to standard error, and
// where the program would end, the process exits with kExitLoadEnded and the file is discarded.
int RenderScreenshot(Desktop& desktop, forms::Platform& platform, const base::Clock& clock,
                     const CommandLine& line) {
    const forms::ScopedEndProgramHandler ending([&desktop] {
        desktop.DiscardScreenshot();
        std::fflush(nullptr);
        std::_Exit(kExitLoadEnded);
    });
    countdown::Form1 form(platform, clock, [](const countdown::ShowMessage& message) {
        PrintLine(stderr, {message.title, ": ", message.text});
    });
    form.Load();
    form.Settle();
    if (auto reason = desktop.CommitScreenshot(line.screenshot_format)) {
        return CannotWrite(*line.screenshot, *reason);
    }
    return 0;
}

}  // namespace

int Run(std::span<const std::string_view> args, Desktop& desktop) {
    const auto parsed = ParseCommandLine(args, [&desktop] { return desktop.WritableImageTypes(); });
    if (const auto status = AnswerWithoutWindow(parsed)) {
        return *status;
    }
    const auto& line = std::get<CommandLine>(parsed);
    if (line.screenshot) {
        if (auto reason = desktop.OpenScreenshot(*line.screenshot)) {
            return CannotWrite(*line.screenshot, *reason);
        }
    }
    if (!desktop.Start(line.screenshot ? Output::Screenshot : Output::Screen)) {
        PrintLine(stderr, {"tolvane: no display (DISPLAY is not set); use --screenshot FILE.png to "
                           "render the window without one"});
        return kExitBadCommandLine;
    }
    const auto clock = MakeClock(line);
    forms::Platform& platform = desktop.MakePlatform();
    if (line.screenshot) {
        return RenderScreenshot(desktop, platform, *clock, line);
    }
    countdown::Form1 form(platform, *clock);
    if (!form.Load()) {
        return 0;
    }
    form.Show();
    return desktop.RunEventLoop();
}

}  // namespace tolvane::program
