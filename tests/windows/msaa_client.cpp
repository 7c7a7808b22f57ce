// A small screen-reader stand-in: another process that reads tolvane.exe's window through MSAA
// as Narrator's bridge and NVDA do (AccessibleObjectFromWindow, AccessibleChildren, the
// IAccessible getters), and can run a default action.
//
//   msaa_client dump     prints the client object, each child and the focused object, one per
//                        line: ROLE "NAME" [STATES] and, where there is one, the description
//                        and the default action
//   msaa_client do N     runs child N's default action and prints the call's result
//
// The window is the top-level window titled "Tolvane" of class TolvaneForm, waited for up to 20
// seconds. Exits 0 when the calls succeed, 1 when one fails, 2 on bad arguments. Text is UTF-8.

#include <fcntl.h>
#include <io.h>
#include <objbase.h>
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "win32/wide_text.h"

namespace {

using tolvane::win32::Utf8;

std::string RoleName(const VARIANT& role) {
    if (role.vt != VT_I4) {
        return "role?";
    }
    switch (role.lVal) {
        case ROLE_SYSTEM_CLIENT:
            return "client";
        case ROLE_SYSTEM_WINDOW:
            return "window";
        case ROLE_SYSTEM_STATICTEXT:
            return "text";
        case ROLE_SYSTEM_PUSHBUTTON:
            return "push-button";
        default:
            return "role-" + std::to_string(role.lVal);
    }
}

std::string StateNames(const VARIANT& state) {
    if (state.vt != VT_I4) {
        return "state?";
    }
    static const std::pair<long, const char*> kNames[] = {
        {STATE_SYSTEM_UNAVAILABLE, "unavailable"}, {STATE_SYSTEM_FOCUSABLE, "focusable"},
        {STATE_SYSTEM_FOCUSED, "focused"},         {STATE_SYSTEM_PRESSED, "pressed"},
        {STATE_SYSTEM_HOTTRACKED, "hot-tracked"},  {STATE_SYSTEM_READONLY, "read-only"},
        {STATE_SYSTEM_INVISIBLE, "invisible"},
    };
    std::string names;
    long rest = state.lVal;
    for (const auto& [bit, name] : kNames) {
        if ((rest & bit) != 0) {
            names += names.empty() ? "" : " ";
            names += name;
            rest &= ~bit;
        }
    }
    if (rest != 0) {
        names += (names.empty() ? "0x" : " 0x") + std::to_string(rest);
    }
    return names;
}

// One of the text getters' answers about child `id`, as UTF-8.
template <class Getter>
std::string Text(IAccessible* object, Getter getter, const VARIANT& id) {
    BSTR text = nullptr;
    const HRESULT result = (object->*getter)(id, &text);
    std::string utf8 = SUCCEEDED(result) && text != nullptr ? Utf8(text) : std::string();
    SysFreeString(text);
    return utf8;
}

// ROLE "NAME" [STATES] description="..." action="...", of `object` itself (child 0) or of one of
// its simple children.
std::string Describe(IAccessible* object, long child) {
    VARIANT id{};
    id.vt = VT_I4;
    id.lVal = child;
    const std::string name = Text(object, &IAccessible::get_accName, id);
    const std::string description = Text(object, &IAccessible::get_accDescription, id);
    const std::string action = Text(object, &IAccessible::get_accDefaultAction, id);
    VARIANT role{};
    VARIANT state{};
    object->get_accRole(id, &role);
    object->get_accState(id, &state);
    std::string line = RoleName(role) + " \"" + name + "\" [" + StateNames(state) + "]";
    if (!description.empty()) {
        line += " description=\"" + description + "\"";
    }
    if (!action.empty()) {
        line += " action=\"" + action + "\"";
    }
    return line;
}

// The object a child VARIANT names and its child id within it: its own object, or the parent
// with the simple child's id. The caller releases the object.
IAccessible* Resolve(IAccessible* parent, const VARIANT& child, long& id) {
    if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
        IAccessible* own = nullptr;
        child.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&own));
        id = CHILDID_SELF;
        return own;
    }
    if (child.vt == VT_I4) {
        parent->AddRef();
        id = child.lVal;
        return parent;
    }
    return nullptr;
}

HWND FindTolvane() {
    for (int i = 0; i < 200; ++i) {
        if (HWND window = FindWindowW(L"TolvaneForm", L"Tolvane")) {
            return window;
        }
        Sleep(100);
    }
    return nullptr;
}

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

int Dump(IAccessible* client) {
    Print("client: " + Describe(client, CHILDID_SELF));
    LONG count = 0;
    client->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG obtained = 0;
    if (count > 0 && FAILED(AccessibleChildren(client, 0, count, children.data(), &obtained))) {
        Print("AccessibleChildren failed");
        return 1;
    }
    int failures = 0;
    for (LONG i = 0; i < obtained; ++i) {
        long id = 0;
        IAccessible* object = Resolve(client, children[static_cast<std::size_t>(i)], id);
        if (object == nullptr) {
            Print("child " + std::to_string(i + 1) + ": nothing");
            ++failures;
        } else {
            Print("child " + std::to_string(i + 1) + ": " + Describe(object, id));
            object->Release();
        }
        VariantClear(&children[static_cast<std::size_t>(i)]);
    }
    VARIANT focus{};
    long id = 0;
    IAccessible* focused =
        SUCCEEDED(client->get_accFocus(&focus)) ? Resolve(client, focus, id) : nullptr;
    Print("focus: " + (focused != nullptr ? Describe(focused, id) : std::string("none")));
    if (focused != nullptr) {
        focused->Release();
    }
    VariantClear(&focus);
    return failures == 0 ? 0 : 1;
}

int DoDefaultAction(IAccessible* client, long child) {
    VARIANT id{};
    id.vt = VT_I4;
    id.lVal = child;
    IDispatch* own = nullptr;
    HRESULT result = E_FAIL;
    if (client->get_accChild(id, &own) == S_OK && own != nullptr) {
        IAccessible* object = nullptr;
        own->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&object));
        own->Release();
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        result = object != nullptr ? object->accDoDefaultAction(self) : E_NOINTERFACE;
        if (object != nullptr) {
            object->Release();
        }
    } else {
        result = client->accDoDefaultAction(id);
    }
    char hex[16];
    std::snprintf(hex, sizeof(hex), "0x%08lX", static_cast<unsigned long>(result));
    Print(std::string("default action of child ") + std::to_string(child) + ": " + hex);
    return SUCCEEDED(result) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    const std::wstring command = argc >= 2 ? argv[1] : L"";
    if (!(argc == 2 && command == L"dump") && !(argc == 3 && command == L"do")) {
        std::fputs("usage: msaa_client dump | msaa_client do N\n", stderr);
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HWND window = FindTolvane();
    if (window == nullptr) {
        Print("no window titled Tolvane");
        return 1;
    }
    IAccessible* client = nullptr;
    const HRESULT found = AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                     reinterpret_cast<void**>(&client));
    if (FAILED(found) || client == nullptr) {
        Print("AccessibleObjectFromWindow failed: " + std::to_string(found));
        return 1;
    }
    const int status = command == L"dump" ? Dump(client) : DoDefaultAction(client, _wtol(argv[2]));
    client->Release();
    std::fflush(stdout);
    CoUninitialize();
    return status;
}
