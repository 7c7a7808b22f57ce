#include "win32/dpi.h"

#include "base/rounding.h"

namespace tolvane::win32 {

namespace {

// Functions of Windows 10 1607 and later, looked up at run time so that the program still starts
// on Windows 7 and 8, where the system's own setting applies to every window.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <class Function>
Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
               : nullptr;
}

}  // namespace

UINT WindowDpi(HWND window) {
    static const auto get_dpi = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    UINT dpi = get_dpi != nullptr && window != nullptr ? get_dpi(window) : 0;
    if (dpi == 0) {
        HDC screen = GetDC(nullptr);
        dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : kDefaultDpi;
}

std::int32_t DevicePixels(double logical, double ratio) {
    return base::RoundToInt32(logical * ratio);
}

SIZE FrameSize(SIZE client, DWORD style, DWORD ex_style, UINT dpi) {
    static const auto adjust = User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.cx, client.cy};
    if (adjust == nullptr || !adjust(&frame, style, FALSE, ex_style, dpi)) {
        frame = RECT{0, 0, client.cx, client.cy};
        AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace tolvane::win32
