#pragma once

#include <memory>

#include "gdi/surface.h"

namespace tolvane::styler {

// A picture as the Icon property holds it: a read-only surface of pixels, shared by reference.
// Nobody draws into a picture; a picture holder draws into its own copy.
using PictureRef = std::shared_ptr<const gdi::Surface>;

}  // namespace tolvane::styler
