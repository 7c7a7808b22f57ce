#include "app/program.h"

#include <cstdio>
#include <cstdlib>

namespace tolvane {

namespace {

std::function<void()>& EndProgramHandler() {
    static std::function<void()> handler;
    return handler;
}

[[noreturn]] void ExitNow() {
    // The standard streams write through to C's (they stay synchronised), so this flushes both.
    std::fflush(nullptr);
    std::exit(0);
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

std::int16_t InitThemedControls() {
    return -1;
}

}  // namespace tolvane
