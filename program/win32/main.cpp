// The program on Windows: prepares the process's standard streams and arguments, then runs the
// shared start routine on the Win32 desktop.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "forms/end_program.h"
#include "program/run.h"
#include "program/win32/win32_desktop.h"
#include "win32/wide_text.h"

namespace {

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
    tolvane::win32::Win32Desktop desktop(GetModuleHandleW(nullptr));
    return tolvane::program::Run(args, desktop);
}
