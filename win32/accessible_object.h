#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace tolvane::win32 {

// The COM side of an IAccessible (MSAA), which Narrator reaches through its MSAA bridge and NVDA
// reads directly: reference counting, the interfaces, the checks of every argument, BSTRs and
// VARIANTs. What the object says comes from the plain virtual functions below, asked by child id:
// 0 (CHILDID_SELF) is the object itself, 1 to ChildCount() its children. A child that is an object
// of its own (a child window's) is handed out by ChildObject and answers for itself; the calls
// about it made here are passed on to it.
//
// An object answers WM_GETOBJECT of its window through Answer. When the window goes, its owner
// calls Detach: from then on every call fails with RPC_E_DISCONNECTED and the clients' proxies are
// cut, while the clients may still hold the object. Everything runs on the window's thread,
// which has COM initialised as a single-threaded apartment.
class AccessibleObject : public IAccessible {
  public:
    AccessibleObject() = default;
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    LRESULT Answer(WPARAM wparam) { return LresultFromObject(__uuidof(IAccessible), wparam, this); }
    void Detach();

    // IUnknown (IUnknown, IDispatch, IAccessible)
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: no type information; clients call IAccessible's methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  protected:
    virtual ~AccessibleObject() = default;

    // The object's window, the container's accessible object (a new reference) and the children.
    virtual HWND Window() const = 0;
    virtual IDispatch* Parent() = 0;
    virtual long ChildCount() { return 0; }
    // A new reference to child `id`'s own object, or nullptr when it is a simple element.
    virtual IDispatch* ChildObject(long) { return nullptr; }
    // About the object itself (0) or a simple child.
    virtual std::wstring Name(long id) = 0;
    virtual std::wstring Description(long) { return {}; }
    virtual long Role(long id) = 0;
    virtual long State(long id) = 0;
    virtual std::wstring DefaultAction(long) { return {}; }
    // Starts the default action (it runs after the call returns); false when there is none.
    virtual bool DoDefaultAction(long) { return false; }
    // In screen pixels.
    virtual RECT Location(long id) = 0;
    // The child under a screen point: -1 for none, 0 for the object itself, else its id.
    virtual long ChildAt(POINT point) = 0;
    // The child with the keyboard focus: -1 for none, 0 for the object itself, else its id.
    virtual long FocusedChild() = 0;

  private:
    // The child id the VARIANT names, or -1 when it names none of this object's.
    long ChildIdOf(const VARIANT& child);
    // The child's own object when `child` names one (a new reference), else nullptr.
    IAccessible* OwnObject(const VARIANT& child);
    // A child id as the VARIANT clients get: the object of a child that has one, else VT_I4.
    void PutChild(long id, VARIANT* out);

    LONG references_ = 1;
    bool detached_ = false;
};

// Text for a client: a new BSTR (nullptr for empty text, which the caller returns as S_FALSE).
BSTR NewBstr(const std::wstring& text);

}  // namespace tolvane::win32
