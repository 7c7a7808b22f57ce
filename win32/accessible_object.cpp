#include "win32/accessible_object.h"

#include <objbase.h>

namespace tolvane::win32 {

namespace {

// What a call about a child gets: its object's own answer when it has one.
template <class Call>
HRESULT PassOn(IAccessible* own, Call&& call) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const HRESULT result = call(own, self);
    own->Release();
    return result;
}

HRESULT Text(const std::wstring& text, BSTR* out) {
    *out = NewBstr(text);
    if (*out == nullptr) {
        return text.empty() ? S_FALSE : E_OUTOFMEMORY;
    }
    return S_OK;
}

}  // namespace

BSTR NewBstr(const std::wstring& text) {
    return text.empty() ? nullptr : SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

void AccessibleObject::Detach() {
    detached_ = true;
    CoDisconnectObject(static_cast<IAccessible*>(this), 0);
}

HRESULT AccessibleObject::QueryInterface(REFIID id, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG AccessibleObject::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

long AccessibleObject::ChildIdOf(const VARIANT& child) {
    if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > ChildCount()) {
        return -1;
    }
    return child.lVal;
}

IAccessible* AccessibleObject::OwnObject(const VARIANT& child) {
    IDispatch* object = child.lVal > 0 ? ChildObject(child.lVal) : nullptr;
    if (object == nullptr) {
        return nullptr;
    }
    IAccessible* accessible = nullptr;
    object->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&accessible));
    object->Release();
    return accessible;
}

void AccessibleObject::PutChild(long id, VARIANT* out) {
    VariantInit(out);
    if (id < 0) {
        return;  // VT_EMPTY: none
    }
    if (IDispatch* object = id > 0 ? ChildObject(id) : nullptr) {
        out->vt = VT_DISPATCH;
        out->pdispVal = object;
        return;
    }
    out->vt = VT_I4;
    out->lVal = id;
}

// Every call checks its pointers, then whether the window is still there, then the child id.
#define TOLVANE_ACCESSIBLE_CHECK(pointer) \
    do {                                  \
        if ((pointer) == nullptr) {       \
            return E_POINTER;             \
        }                                 \
        if (detached_) {                  \
            return RPC_E_DISCONNECTED;    \
        }                                 \
    } while (false)

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
    TOLVANE_ACCESSIBLE_CHECK(parent);
    *parent = Parent();
    return *parent != nullptr ? S_OK : S_FALSE;
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
    TOLVANE_ACCESSIBLE_CHECK(count);
    *count = ChildCount();
    return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
    TOLVANE_ACCESSIBLE_CHECK(object);
    *object = nullptr;
    const long id = ChildIdOf(child);
    if (id <= 0) {
        return E_INVALIDARG;
    }
    *object = ChildObject(id);
    return *object != nullptr ? S_OK : S_FALSE;  // S_FALSE: a simple element
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
    TOLVANE_ACCESSIBLE_CHECK(name);
    *name = nullptr;
    const long id = ChildIdOf(child);
    if (id < 0) {
        return E_INVALIDARG;
    }
    if (IAccessible* own = OwnObject(child)) {
        return PassOn(own,
                      [&](IAccessible* a, VARIANT self) { return a->get_accName(self, name); });
    }
    return Text(Name(id), name);
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
    TOLVANE_ACCESSIBLE_CHECK(value);
    *value = nullptr;
    return ChildIdOf(child) < 0 ? E_INVALIDARG : DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
    TOLVANE_ACCESSIBLE_CHECK(description);
    *description = nullptr;
    const long id = ChildIdOf(child);
    if (id < 0) {
        return E_INVALIDARG;
    }
    if (IAccessible* own = OwnObject(child)) {
        return PassOn(own, [&](IAccessible* a, VARIANT self) {
            return a->get_accDescription(self, description);
        });
    }
    return Text(Description(id), description);
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
    TOLVANE_ACCESSIBLE_CHECK(role);
    VariantInit(role);
    const long id = ChildIdOf(child);
    if (id < 0) {
        return E_INVALIDARG;
    }
    if (IAccessible* own = OwnObject(child)) {
        return PassOn(own,
                      [&](IAccessible* a, VARIANT self) { return a->get_accRole(self, role); });
    }
    role->vt = VT_I4;
    role->lVal = Role(id);
    return S_OK;
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
    TOLVANE_ACCESSIBLE_CHECK(state);
    VariantInit(state);
    const long id = ChildIdOf(child);
    if (id < 0) {
        return E_INVALIDARG;
    }
    if (IAccessible* own = OwnObject(child)) {
        return PassOn(own,
                      [&](IAccessible* a, VARIANT self) { return a->get_accState(self, state); });
    }
    state->vt = VT_I4;
    state->lVal = State(id);
    return S_OK;
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
    TOLVANE_ACCESSIBLE_CHECK(help);
    *help = nullptr;
    return ChildIdOf(child) < 0 ? E_INVALIDARG : S_FALSE;
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    TOLVANE_ACCESSIBLE_CHECK(file);
    TOLVANE_ACCESSIBLE_CHECK(topic);
    *file = nullptr;
    *topic = 0;
    return ChildIdOf(child) < 0 ? E_INVALIDARG : S_FALSE;
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    TOLVANE_ACCESSIBLE_CHECK(shortcut);
    *shortcut = nullptr;
    return ChildIdOf(child) < 0 ? E_INVALIDARG : S_FALSE;
}

HRESULT AccessibleObject::get_accFocus(VARIANT* focus) {
    TOLVANE_ACCESSIBLE_CHECK(focus);
    PutChild(FocusedChild(), focus);
    return focus->vt == VT_EMPTY ? S_FALSE : S_OK;
}

HRESULT AccessibleObject::get_accSelection(VARIANT* selection) {
    TOLVANE_ACCESSIBLE_CHECK(selection);
    VariantInit(selection);
    return S_FALSE;  // nothing can be selected
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    TOLVANE_ACCESSIBLE_CHECK(action);
    *action = nullptr;
    const long id = ChildIdOf(child);
    if (id < 0) {
        return E_INVALIDARG;
    }
    if (IAccessible* own = OwnObject(child)) {
        return PassOn(own, [&](IAccessible* a, VARIANT self) {
            return a->get_accDefaultAction(self, action);
        });
    }
    return Text(DefaultAction(id), action);
}

HRESULT AccessibleObject::accSelect(LONG, VARIANT child) {
    if (detached_) {
        return RPC_E_DISCONNECTED;
    }
    return ChildIdOf(child) < 0 ? E_INVALIDARG : DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                      VARIANT child) {
    TOLVANE_ACCESSIBLE_CHECK(left);
    TOLVANE_ACCESSIBLE_CHECK(top);
    TOLVANE_ACCESSIBLE_CHECK(width);
    TOLVANE_ACCESSIBLE_CHECK(height);
    *left = *top = *width = *height = 0;
    const long id = ChildIdOf(child);
    if (id < 0) {
        return E_INVALIDARG;
    }
    if (IAccessible* own = OwnObject(child)) {
        return PassOn(own, [&](IAccessible* a, VARIANT self) {
            return a->accLocation(left, top, width, height, self);
        });
    }
    const RECT place = Location(id);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

// Among the object's children, in their order; from a child that has its own object the client
// navigates through that object.
HRESULT AccessibleObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    TOLVANE_ACCESSIBLE_CHECK(end);
    VariantInit(end);
    const long id = ChildIdOf(start);
    if (id < 0) {
        return E_INVALIDARG;
    }
    const long count = ChildCount();
    long to = -1;
    switch (direction) {
        case NAVDIR_FIRSTCHILD:
            to = id == 0 && count > 0 ? 1 : -1;
            break;
        case NAVDIR_LASTCHILD:
            to = id == 0 && count > 0 ? count : -1;
            break;
        case NAVDIR_NEXT:
            to = id > 0 && id < count ? id + 1 : -1;
            break;
        case NAVDIR_PREVIOUS:
            to = id > 1 ? id - 1 : -1;
            break;
        default:
            return DISP_E_MEMBERNOTFOUND;  // spatial directions are left to the client
    }
    PutChild(to, end);
    return end->vt == VT_EMPTY ? S_FALSE : S_OK;
}

HRESULT AccessibleObject::accHitTest(LONG left, LONG top, VARIANT* child) {
    TOLVANE_ACCESSIBLE_CHECK(child);
    PutChild(ChildAt(POINT{left, top}), child);
    return child->vt == VT_EMPTY ? S_FALSE : S_OK;
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
    if (detached_) {
        return RPC_E_DISCONNECTED;
    }
    const long id = ChildIdOf(child);
    if (id < 0) {
        return E_INVALIDARG;
    }
    if (IAccessible* own = OwnObject(child)) {
        return PassOn(own,
                      [&](IAccessible* a, VARIANT self) { return a->accDoDefaultAction(self); });
    }
    return DoDefaultAction(id) ? S_OK : DISP_E_MEMBERNOTFOUND;
}

#undef TOLVANE_ACCESSIBLE_CHECK

}  // namespace tolvane::win32
