#include "forms/win32/form_accessible.h"

#include <algorithm>
#include <string>
#include <vector>

#include "forms/win32/form_window.h"
#include "win32/wide_text.h"

namespace tolvane::win32 {

namespace {

RECT OnScreen(HWND window, RECT rect) {
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

}  // namespace

HWND FormAccessible::Window() const {
    return form_.Handle();
}

IDispatch* FormAccessible::Parent() {
    IDispatch* parent = nullptr;
    CreateStdAccessibleObject(form_.Handle(), OBJID_WINDOW, __uuidof(IDispatch),
                              reinterpret_cast<void**>(&parent));
    return parent;
}

long FormAccessible::ChildCount() {
    return static_cast<long>(form_.ListedLabels().size() + form_.ListedChildren().size());
}

IDispatch* FormAccessible::ChildObject(long id) {
    const auto labels = static_cast<long>(form_.ListedLabels().size());
    const std::vector<HWND> children = form_.ListedChildren();
    if (id <= labels || id > labels + static_cast<long>(children.size())) {
        return nullptr;
    }
    IDispatch* child = nullptr;
    AccessibleObjectFromWindow(children[static_cast<std::size_t>(id - labels - 1)], OBJID_CLIENT,
                               __uuidof(IDispatch), reinterpret_cast<void**>(&child));
    return child;
}

std::wstring FormAccessible::Name(long id) {
    if (id == CHILDID_SELF) {
        std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(form_.Handle())) + 1,
                           L'\0');
        title.resize(static_cast<std::size_t>(
            GetWindowTextW(form_.Handle(), title.data(), static_cast<int>(title.size()))));
        return title;
    }
    return Utf16(form_.ListedLabels().at(static_cast<std::size_t>(id - 1))->AccessibleName());
}

std::wstring FormAccessible::Description(long id) {
    if (id == CHILDID_SELF) {
        return {};
    }
    return form_.ListedLabels().at(static_cast<std::size_t>(id - 1))->ToolTip();
}

long FormAccessible::Role(long id) {
    return id == CHILDID_SELF ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_STATICTEXT;
}

long FormAccessible::State(long id) {
    if (id != CHILDID_SELF) {
        return STATE_SYSTEM_READONLY;
    }
    long state = STATE_SYSTEM_FOCUSABLE;
    if (GetFocus() == form_.Handle()) {
        state |= STATE_SYSTEM_FOCUSED;
    }
    if (!IsWindowVisible(form_.Handle())) {
        state |= STATE_SYSTEM_INVISIBLE;
    }
    return state;
}

std::wstring FormAccessible::DefaultAction(long id) {
    if (id == CHILDID_SELF ||
        !form_.ListedLabels().at(static_cast<std::size_t>(id - 1))->Clickable()) {
        return {};
    }
    return L"Click";
}

bool FormAccessible::DoDefaultAction(long id) {
    if (id == CHILDID_SELF) {
        return false;
    }
    const FormLabel& label = *form_.ListedLabels().at(static_cast<std::size_t>(id - 1));
    if (!label.Clickable()) {
        return false;
    }
    form_.ClickLater(label);
    return true;
}

RECT FormAccessible::Location(long id) {
    RECT area{};
    if (id == CHILDID_SELF) {
        GetClientRect(form_.Handle(), &area);
    } else {
        area = form_.ListedLabels().at(static_cast<std::size_t>(id - 1))->Bounds();
    }
    return OnScreen(form_.Handle(), area);
}

long FormAccessible::ChildAt(POINT point) {
    RECT client{};
    GetClientRect(form_.Handle(), &client);
    if (!Contains(OnScreen(form_.Handle(), client), point)) {
        return -1;
    }
    const std::vector<const FormLabel*> labels = form_.ListedLabels();
    const std::vector<HWND> children = form_.ListedChildren();
    for (std::size_t i = 0; i < children.size(); ++i) {
        RECT place{};
        GetWindowRect(children[i], &place);
        if (Contains(place, point)) {
            return static_cast<long>(labels.size() + i + 1);
        }
    }
    POINT at = point;
    ScreenToClient(form_.Handle(), &at);
    // The label listed last lies on top.
    for (std::size_t i = labels.size(); i-- > 0;) {
        if (Contains(labels[i]->Bounds(), at)) {
            return static_cast<long>(i + 1);
        }
    }
    return CHILDID_SELF;
}

long FormAccessible::FocusedChild() {
    const HWND focus = GetFocus();
    if (focus == form_.Handle()) {
        return CHILDID_SELF;
    }
    const std::vector<HWND> children = form_.ListedChildren();
    const auto found = std::ranges::find(children, focus);
    if (found == children.end()) {
        return -1;
    }
    return static_cast<long>(form_.ListedLabels().size()) +
           static_cast<long>(found - children.begin()) + 1;
}

}  // namespace tolvane::win32
