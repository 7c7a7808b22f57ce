#pragma once

#include "win32/accessible_object.h"

namespace tolvane::win32 {

class FormWindow;

// What assistive technology reads of the form's client area (OBJID_CLIENT): a client named by
// the window's title, whose children are its visible labels, each a read-only static text named
// by its accessible name (its text unless one was set), described by its tooltip, with the
// default action "Click" when a click does something, followed by its visible child windows (the
// buttons), which answer for themselves. Hidden labels are not listed.
class FormAccessible final : public AccessibleObject {
  public:
    explicit FormAccessible(FormWindow& form) : form_(form) {}

  private:
    HWND Window() const override;
    IDispatch* Parent() override;
    long ChildCount() override;
    IDispatch* ChildObject(long id) override;
    std::wstring Name(long id) override;
    std::wstring Description(long id) override;
    long Role(long id) override;
    long State(long id) override;
    std::wstring DefaultAction(long id) override;
    bool DoDefaultAction(long id) override;
    RECT Location(long id) override;
    long ChildAt(POINT point) override;
    long FocusedChild() override;

    FormWindow& form_;
};

}  // namespace tolvane::win32
