#include "win32/window_class.h"

namespace tolvane::win32 {

LPCWSTR RegisterWindowClass(HINSTANCE instance, LPCWSTR name, WNDPROC procedure, UINT style,
                            HICON icon) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, name, &existing)) {
        return name;
    }
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.style = style;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hIcon = icon;
    window_class.hIconSm = icon;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = name;
    RegisterClassExW(&window_class);
    return name;
}

}  // namespace tolvane::win32
