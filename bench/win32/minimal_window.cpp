// The least a Win32 program needs to show what tolvane.exe's window shows first: a window with a
// 550 x 289 client area and the background picture, stored in the executable's resources and
// decoded by the Windows Imaging Component as tolvane.exe decodes it, drawn unscaled from the
// client area's top-left corner. On a screen at 200 % (it is per-monitor DPI aware, as tolvane.exe
// is) the client area is 1100 x 578 and the picture the one made for 200 %.
// scripts/perf/windows_startup_size.sh runs it next to tolvane.exe as the baseline for what Windows
// (or Wine) itself costs in start-up and size. It runs until it is closed or killed.

#include <objbase.h>
#include <windows.h>

#include "resources/resource_ids.h"
#include "win32/dpi.h"
#include "win32/wic_image.h"

namespace {

constexpr LPCWSTR kClassName = L"TolvaneMinimalWindow";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr int kClientWidth = 550;
constexpr int kClientHeight = 289;

HBITMAP picture = nullptr;
int scale = 1;  // device pixels per logical pixel: 1, or 2 at 200 %

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(window, &paint);
            HDC source = CreateCompatibleDC(dc);
            HGDIOBJ previous = SelectObject(source, picture);
            BitBlt(dc, 0, 0, kClientWidth * scale, kClientHeight * scale, source, 0, 0, SRCCOPY);
            SelectObject(source, previous);
            DeleteDC(source);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    scale = tolvane::win32::WindowDpi(nullptr) >= 2 * tolvane::win32::kDefaultDpi ? 2 : 1;
    picture = tolvane::win32::LoadPictureResource(
        instance,
        scale == 2 ? tolvane::win32::kBackgroundPicture2xId : tolvane::win32::kBackgroundPictureId);
    if (picture == nullptr) {
        return 1;
    }
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = Procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = kClassName;
    RegisterClassExW(&window_class);
    RECT frame{0, 0, kClientWidth * scale, kClientHeight * scale};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    HWND window = CreateWindowExW(0, kClassName, L"Minimal Win32 window", kStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
