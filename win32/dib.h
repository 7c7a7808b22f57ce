#pragma once

#include <cstdint>
#include <vector>

#include <windows.h>

namespace tolvane::win32 {

// The header of a top-down 32-bit DIB (each pixel 0x00RRGGBB, the top row first), the form every
// picture of the program takes on its way to or from GDI.
inline BITMAPINFO TopDown32BitInfo(LONG width, LONG height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The pixels of a client area, top row first, each 0x00RRGGBB (as a 32-bit DIB stores them).
struct ClientPicture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
};

}  // namespace tolvane::win32
