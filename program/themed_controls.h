#pragma once

#include <cstdint>

namespace tolvane::program {

// Prepares the process for themed standard controls before any window exists. On Windows it
// calls InitCommonControlsEx for the extended combo box class (ICC_USEREX_CLASSES), ignores the
// call's result and returns the 16-bit boolean -1 (true) when the call could be made, 0 when the
// system has no such call. On Linux Qt themes its controls by itself and there is nothing to
// register, so the call always succeeds and leaves the application's style as it is (-1).
std::int16_t InitThemedControls();

}  // namespace tolvane::program
