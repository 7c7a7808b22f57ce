#pragma once

#include <cstdint>

#include <windows.h>

namespace tolvane::win32 {

// Dots per inch at 100 %: the design's logical pixels are device pixels there.
inline constexpr UINT kDefaultDpi = 96;

// The dots per inch of the monitor a window is on (GetDpiForWindow, Windows 10 1607 and later),
// else of the screen (LOGPIXELSX). Never 0.
UINT WindowDpi(HWND window);

// The device pixels per logical pixel at dpi.
inline double DpiRatio(UINT dpi) {
    return static_cast<double>(dpi) / kDefaultDpi;
}

// A logical length in whole device pixels at ratio, halves to even: the button's surface sizes
// itself the same way (stylerbutton/core/device_scale.h).
std::int32_t DevicePixels(double logical, double ratio);

// The size of a window whose client area is `client` device pixels, with the frame of the style
// at dpi (AdjustWindowRectExForDpi where the system has it, else AdjustWindowRectEx).
SIZE FrameSize(SIZE client, DWORD style, DWORD ex_style, UINT dpi);

}  // namespace tolvane::win32
