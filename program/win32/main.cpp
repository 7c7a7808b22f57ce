// The Windows start routine: reads the command line, prepares the process, creates the countdown
// window on the Win32 forms platform, runs its Load, shows it and runs the message loop. Options,
// messages and exit statuses are those of the Linux program (app/main.cpp).

#include <fcntl.h>
#include <io.h>
#include <objbase.h>
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "program/command_line.h"
#include "forms/end_program.h"
#include "program/themed_controls.h"
#include "base/clock.h"
#include "base/quoted.h"
#include "resources/resource_ids.h"
#include "program/win32/screenshot_file.h"
#include "win32/wic_image.h"
#include "win32/wide_text.h"
#include "forms/win32/win32_platform.h"
#include "countdown/form1.h"

namespace {

using tolvane::CommandLine;

using tolvane::kExitCannotWrite;
using tolvane::kExitLoadEnded;
using tolvane::PrintLine;

bool HasHandle(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// A program of the windows subsystem starts without a console. Streams the caller redirected are
// used as they are; the others write to the console of the command prompt that started the
// program, if there is one. Output is the program's UTF-8 bytes, line breaks as on Linux.
void UseStandardStreams() {
    const bool has_out = HasHandle(STD_OUTPUT_HANDLE);
    const bool has_error = HasHandle(STD_ERROR_HANDLE);
    if ((!has_out || !has_error) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        SetConsoleOutputCP(CP_UTF8);
        if (!has_out) {
            std::freopen("CONOUT$", "w", stdout);
        }
        if (!has_error) {
            std::freopen("CONOUT$", "w", stderr);
        }
    }
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

// The arguments after the program name, as UTF-8 (a lone surrogate keeps a form that the command
// line refuses as not UTF-8). The C runtime splits the command line as CommandLineToArgvW does,
// which spares the start the shell's library and its set-up.
std::vector<std::string> Arguments(int count, wchar_t** wide) {
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(tolvane::win32::Utf8(wide[i]));
    }
    return arguments;
}

std::unique_ptr<tolvane::base::Clock> MakeClock(const CommandLine& line) {
    if (line.clock) {
        return std::make_unique<tolvane::base::SimulatedClock>(
            *line.clock, tolvane::base::SimulatedClock::SteadyElapsed());
    }
    return std::make_unique<tolvane::base::SystemClock>();
}

int CannotWrite(const std::string& path, const std::string& reason) {
    PrintLine(stderr, {"tolvane: cannot write the screenshot to ", tolvane::base::Quoted(path),
                       ": ", reason});
    return kExitCannotWrite;
}

// --screenshot: the window is never shown; it is drawn as it opens (the close button holding the
// focus) into the file. A message the program would show goes to standard error, and where it
// would end, the process exits with kExitLoadEnded and the file is not written.
int RenderScreenshot(tolvane::win32::Win32Platform& platform, const tolvane::base::Clock& clock,
                     const CommandLine& line,
                     std::unique_ptr<tolvane::win32::ScreenshotFile> file) {
    const tolvane::forms::ScopedEndProgramHandler ending([&file] {
        file.reset();  // removes what was begun
        std::fflush(nullptr);
        ExitProcess(kExitLoadEnded);
    });
    tolvane::countdown::Form1 form(platform, clock,
                                   [](const tolvane::countdown::ShowMessage& message) {
                                       PrintLine(stderr, {message.title, ": ", message.text});
                                   });
    form.Load();
    form.Settle();
    if (auto failure = file->Commit(platform.Window()->Snapshot(), line.screenshot_format)) {
        return CannotWrite(*line.screenshot, *failure);
    }
    return 0;
}

// The Windows program ends at once, from inside whatever window procedure ends it: no static
// destructor runs while the windows and their message loop are still there.
void ExitProcessNow() {
    ExitProcess(0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    tolvane::forms::SetDefaultProcessExit(ExitProcessNow);
    UseStandardStreams();
    const std::vector<std::string> arguments = Arguments(argc, argv);
    const std::vector<std::string_view> args(arguments.begin(), arguments.end());
    const auto parsed = tolvane::ParseCommandLine(args, tolvane::win32::WritableImageTypes());
    if (const auto status = tolvane::AnswerWithoutWindow(parsed)) {
        return *status;
    }
    const auto& line = std::get<CommandLine>(parsed);
    std::unique_ptr<tolvane::win32::ScreenshotFile> screenshot_file;
    if (line.screenshot) {
        auto created = tolvane::win32::ScreenshotFile::Create(*line.screenshot);
        if (const auto* reason = std::get_if<std::string>(&created)) {
            return CannotWrite(*line.screenshot, *reason);
        }
        screenshot_file = std::move(std::get<0>(created));
    }

    tolvane::program::InitThemedControls();  // the result is not needed: start-up goes on in every case
    // The pictures are decoded and written by the Windows Imaging Component, a COM library.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const auto clock = MakeClock(line);
    tolvane::win32::Win32Platform platform(GetModuleHandleW(nullptr),
                                           tolvane::win32::kForm1Design,
                                           tolvane::win32::kBackgroundPictureId);
    if (line.screenshot) {
        return RenderScreenshot(platform, *clock, line, std::move(screenshot_file));
    }
    tolvane::countdown::Form1 form(platform, *clock);
    if (!form.Load()) {
        return 0;
    }
    form.Show();
    return platform.Run();
}
