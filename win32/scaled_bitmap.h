#pragma once

#include <windows.h>

namespace tolvane::win32 {

// A copy of the bitmap at another size, every source pixel weighed in (StretchBlt in HALFTONE
// mode), as a 32-bit DIB section the caller owns; nullptr when it cannot be made.
HBITMAP ScaledBitmap(HBITMAP source, SIZE size);

}  // namespace tolvane::win32
