// The start routine: reads the command line, prepares the platform, creates the countdown
// window, runs its Load and shows it.

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/forms/fonts.h"
#include "app/forms/translation.h"
#include "app/program.h"
#include "app/runtime/clock.h"
#include "countdown/form1.h"

namespace {

using tolvane::CommandLine;
using tolvane::CommandLineError;

// Exit status of --screenshot when Load ends the program instead of showing the window.
constexpr int kExitLoadEnded = 3;
constexpr int kExitBadCommandLine = 2;

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

std::unique_ptr<tolvane::runtime::Clock> MakeClock(const CommandLine& line) {
    if (line.clock) {
        return std::make_unique<tolvane::runtime::SimulatedClock>(
            *line.clock, tolvane::runtime::SimulatedClock::SteadyElapsed());
    }
    return std::make_unique<tolvane::runtime::SystemClock>();
}

// --screenshot: the window appears on no screen; it is rendered on the offscreen platform, where
// it is shown and activated so the close button has the focus it has when the window opens. A
// message the program would show goes to standard error, and where it would end, the process
// exits with kExitLoadEnded and writes no file.
int RenderScreenshot(const tolvane::runtime::Clock& clock, const std::string& path) {
    tolvane::SetEndProgramHandler([] {
        std::fflush(nullptr);
        std::_Exit(kExitLoadEnded);
    });
    tolvane::countdown::Form1 form(clock, [](const tolvane::countdown::ShowMessage& message) {
        std::cerr << message.title << ": " << message.text << std::endl;
    });
    form.Load();
    form.Settle();
    if (!form.Grab().save(QString::fromStdString(path), "PNG")) {
        std::cerr << "tolvane: cannot write the screenshot to \"" << path << "\"" << std::endl;
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto parsed = tolvane::ParseCommandLine(args);
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        std::cerr << "tolvane: " << error->message << std::endl;
        return kExitBadCommandLine;
    }
    const auto& line = std::get<CommandLine>(parsed);
    if (line.action == CommandLine::Action::Help) {
        std::cout << tolvane::HelpText();
        return 0;
    }
    if (line.action == CommandLine::Action::Version) {
        std::cout << tolvane::VersionText();
        return 0;
    }
    if (line.screenshot && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // nothing is shown, so no display is needed
    } else if (!HasDisplay()) {
        std::cerr
            << "tolvane: no display (DISPLAY is not set); use --screenshot FILE.png to render "
               "the window without one"
            << std::endl;
        return kExitBadCommandLine;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    tolvane::forms::InstallFontSubstitutions();
    tolvane::forms::InstallChineseTranslation(application);
    tolvane::InitThemedControls();  // the result is not needed: start-up goes on in every case

    const auto clock = MakeClock(line);
    if (line.screenshot) {
        return RenderScreenshot(*clock, *line.screenshot);
    }
    tolvane::countdown::Form1 form(*clock);
    if (!form.Load()) {
        return 0;
    }
    form.Show();
    return QApplication::exec();
}
