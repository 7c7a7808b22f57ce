#pragma once

#include <cstdint>

#include "gdi/rect.h"

namespace tolvane::gdi {

// Stores the four edges as given, as the Windows SetRect does: nothing is normalised, so an
// inverted rectangle stays inverted (and covers no pixel). Always succeeds.
inline bool SetRect(Rect& rect, std::int32_t left, std::int32_t top, std::int32_t right,
                    std::int32_t bottom) {
    rect = {left, top, right, bottom};
    return true;
}

}  // namespace tolvane::gdi
