#include "app/program.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tolvane {

namespace {

std::function<void()>& EndProgramHandler() {
    static std::function<void()> handler;
    return handler;
}

[[noreturn]] void ExitNow() {
    // The standard streams write through to C's (they stay synchronised), so this flushes both.
    std::fflush(nullptr);
#ifdef _WIN32
    // At once, from inside whatever window procedure calls it: no static destructor runs while
    // the windows and their message loop are still there.
    ExitProcess(0);
#else
    std::exit(0);
#endif
}

}  // namespace

void EndProgram() {
    const std::function<void()>& handler = EndProgramHandler();
    if (!handler) {
        ExitNow();
    }
    // A copy, so that a handler that replaces itself stays alive while it runs.
    const std::function<void()> current = handler;
    current();
}

std::function<void()> SetEndProgramHandler(std::function<void()> handler) {
    std::function<void()> previous = std::move(EndProgramHandler());
    EndProgramHandler() = std::move(handler);
    return previous;
}

#ifdef _WIN32
std::int16_t InitThemedControls() {
    // INITCOMMONCONTROLSEX: its size, 8, and ICC_USEREX_CLASSES. Looked up at run time, so that a
    // system without the call is told apart (0) from one that made it (-1); its result does not
    // matter. The library stays loaded for the controls it registers.
    struct CommonControlsRequest {
        DWORD dwSize;
        DWORD dwICC;
    };
    static_assert(sizeof(CommonControlsRequest) == 8);
    const CommonControlsRequest request{8, 0x200};
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    FARPROC found = library != nullptr ? GetProcAddress(library, "InitCommonControlsEx") : nullptr;
    if (found == nullptr) {
        return 0;
    }
    using InitCommonControlsExCall = BOOL(WINAPI*)(const CommonControlsRequest*);
    // Through the generic function pointer type, which GCC accepts between function types.
    const auto call = reinterpret_cast<InitCommonControlsExCall>(reinterpret_cast<void (*)()>(found));
    call(&request);
    return -1;
}
#else
std::int16_t InitThemedControls() {
    return -1;
}
#endif

}  // namespace tolvane
