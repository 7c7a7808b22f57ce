#include "forms/win32/button_accessible.h"

#include "forms/win32/button_window.h"
#include "win32/wide_text.h"

namespace tolvane::win32 {

HWND ButtonAccessible::Window() const {
    return button_.Handle();
}

IDispatch* ButtonAccessible::Parent() {
    IDispatch* parent = nullptr;
    AccessibleObjectFromWindow(GetParent(button_.Handle()), OBJID_CLIENT, __uuidof(IDispatch),
                               reinterpret_cast<void**>(&parent));
    return parent;
}

std::wstring ButtonAccessible::Name(long) {
    return Utf16(button_.Button().Caption());
}

long ButtonAccessible::Role(long) {
    return ROLE_SYSTEM_PUSHBUTTON;
}

long ButtonAccessible::State(long) {
    const styler::StylerButton& button = button_.Button();
    long state = STATE_SYSTEM_FOCUSABLE;
    if (button.Enabled() == styler::BoolFalse) {
        state |= STATE_SYSTEM_UNAVAILABLE;
    }
    if (button.HasFocus() != styler::BoolFalse) {
        state |= STATE_SYSTEM_FOCUSED;
    }
    if (button.Pressed() != styler::BoolFalse) {
        state |= STATE_SYSTEM_PRESSED;
    }
    if (button.MouseOver() != styler::BoolFalse) {
        state |= STATE_SYSTEM_HOTTRACKED;
    }
    if (!IsWindowVisible(button_.Handle())) {
        state |= STATE_SYSTEM_INVISIBLE;
    }
    return state;
}

std::wstring ButtonAccessible::DefaultAction(long) {
    return L"Press";
}

bool ButtonAccessible::DoDefaultAction(long) {
    if (button_.Button().Enabled() == styler::BoolFalse) {
        return false;
    }
    button_.PressLater();
    return true;
}

RECT ButtonAccessible::Location(long) {
    RECT place{};
    GetWindowRect(button_.Handle(), &place);
    return place;
}

// WindowFromPoint honours the button's region and any window that covers it.
long ButtonAccessible::ChildAt(POINT point) {
    return WindowFromPoint(point) == button_.Handle() ? CHILDID_SELF : -1;
}

long ButtonAccessible::FocusedChild() {
    return GetFocus() == button_.Handle() ? CHILDID_SELF : -1;
}

}  // namespace tolvane::win32
