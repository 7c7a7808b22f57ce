#pragma once

#include <functional>

namespace tolvane::forms {

// Ends the program at once, from inside whatever handler calls it, with exit status 0: standard
// streams are flushed and the process exits. No further handler, close notification or timer tick
// runs; the windows go with the process. The program has nothing of its own to save.
//
// Tests replace the ending with SetEndProgramHandler. A replacement may return, so every caller
// returns from its handler right after calling EndProgram and runs nothing else: with the default
// ending that code is never reached, and under a test double the handler then leaves without
// touching anything further.
void EndProgram();

// Replaces what EndProgram does; an empty function restores the default (flush, exit status 0).
// Returns the handler that was in place.
std::function<void()> SetEndProgramHandler(std::function<void()> handler);

// How the process exits by default once the streams are flushed: std::exit(0) unless a desktop
// sets its own at start (the Windows program ends with ExitProcess, so that no static destructor
// runs while its windows and message loop are still there).
using ProcessExit = void (*)();
void SetDefaultProcessExit(ProcessExit exit);

// Replaces EndProgram's handler for the life of the object, then puts the old one back.
class ScopedEndProgramHandler {
  public:
    explicit ScopedEndProgramHandler(std::function<void()> handler)
        : previous_(SetEndProgramHandler(std::move(handler))) {}
    ~ScopedEndProgramHandler() { SetEndProgramHandler(std::move(previous_)); }
    ScopedEndProgramHandler(const ScopedEndProgramHandler&) = delete;
    ScopedEndProgramHandler& operator=(const ScopedEndProgramHandler&) = delete;

  private:
    std::function<void()> previous_;
};

}  // namespace tolvane::forms
