#include "forms/end_program.h"

#include <cstdio>
#include <cstdlib>

namespace tolvane::forms {

namespace {

std::function<void()>& EndProgramHandler() {
    static std::function<void()> handler;
    return handler;
}

void ExitWithStatusZero() {
    std::exit(0);
}

ProcessExit g_process_exit = ExitWithStatusZero;

[[noreturn]] void ExitNow() {
    // The standard streams write through to C's (they stay synchronised), so this flushes both.
    std::fflush(nullptr);
    g_process_exit();
    std::_Exit(0);  // a process exit that returned
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

void SetDefaultProcessExit(ProcessExit exit) {
    g_process_exit = exit != nullptr ? exit : ExitWithStatusZero;
}

}  // namespace tolvane::forms
