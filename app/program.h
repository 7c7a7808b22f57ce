#pragma once

#include <cstdint>
#include <functional>

namespace tolvane {

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

// Prepares the process for themed standard controls before any window exists. On Windows it
// calls InitCommonControlsEx for the extended combo box class (ICC_USEREX_CLASSES), ignores the
// call's result and returns the 16-bit boolean -1 (true) when the call could be made, 0 when the
// system has no such call. On Linux Qt themes its controls by itself and there is nothing to
// register, so the call always succeeds and leaves the application's style as it is (-1).
std::int16_t InitThemedControls();

}  // namespace tolvane
