#pragma once

#include "win32/accessible_object.h"

namespace tolvane::win32 {

class ButtonWindow;

// What assistive technology reads of a StylerButton's window (OBJID_CLIENT): a push button named
// by its Caption, with no description (the button has no tooltip), focusable, and unavailable,
// focused, pressed and hot-tracked while its Enabled is false and its HasFocus, Pressed and
// MouseOver are true; its default action "Press" raises Click as Enter does, after the call
// returns (HostedButton::PressAction), and only while the button is enabled.
class ButtonAccessible final : public AccessibleObject {
  public:
    explicit ButtonAccessible(ButtonWindow& button) : button_(button) {}

  private:
    HWND Window() const override;
    IDispatch* Parent() override;
    std::wstring Name(long id) override;
    long Role(long id) override;
    long State(long id) override;
    std::wstring DefaultAction(long id) override;
    bool DoDefaultAction(long id) override;
    RECT Location(long id) override;
    long ChildAt(POINT point) override;
    long FocusedChild() override;

    ButtonWindow& button_;
};

}  // namespace tolvane::win32
