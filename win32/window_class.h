#pragma once

#include <windows.h>

namespace tolvane::win32 {

// Registers a window class of this module once (later calls find it registered) and returns
// its name. The procedure finds its object through SetWindowObject, which the object's
// WM_NCCREATE passes on from CreateWindowExW's last argument.
LPCWSTR RegisterWindowClass(HINSTANCE instance, LPCWSTR name, WNDPROC procedure, UINT style,
                            HICON icon = nullptr);

// The object a window was created for, as GWLP_USERDATA holds it.
template <class Object>
Object* WindowObject(HWND window, UINT message, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* object = static_cast<Object*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        return object;
    }
    return reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace tolvane::win32
