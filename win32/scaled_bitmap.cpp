#include "win32/scaled_bitmap.h"

#include "win32/dib.h"

namespace tolvane::win32 {

HBITMAP ScaledBitmap(HBITMAP source, SIZE size) {
    BITMAP from{};
    if (source == nullptr || size.cx <= 0 || size.cy <= 0 ||
        GetObjectW(source, sizeof(from), &from) == 0) {
        return nullptr;
    }
    const BITMAPINFO info = TopDown32BitInfo(size.cx, size.cy);
    void* bits = nullptr;
    HBITMAP scaled = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (scaled == nullptr) {
        return nullptr;
    }
    HDC target = CreateCompatibleDC(nullptr);
    HDC origin = CreateCompatibleDC(nullptr);
    HGDIOBJ previous_target = SelectObject(target, scaled);
    HGDIOBJ previous_origin = SelectObject(origin, source);
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);  // as HALFTONE asks
    StretchBlt(target, 0, 0, size.cx, size.cy, origin, 0, 0, from.bmWidth, from.bmHeight, SRCCOPY);
    GdiFlush();
    SelectObject(origin, previous_origin);
    SelectObject(target, previous_target);
    DeleteDC(origin);
    DeleteDC(target);
    return scaled;
}

}  // namespace tolvane::win32
