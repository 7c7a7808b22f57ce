#include "program/themed_controls.h"

namespace tolvane::program {

std::int16_t InitThemedControls() {
    return -1;
}

}  // namespace tolvane::program
