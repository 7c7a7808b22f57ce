#include "program/themed_controls.h"

#include <windows.h>

namespace tolvane::program {

std::int16_t InitThemedControls() {
    // INITCOMMONCONTROLSEX: its size, 8, and ICC_USEREX_CLASSES. Looked up at run time, so that a
    // system without the call is told apart (0) from one that made it (-1); its result does not
    // matter. The library stays loaded for the controls it registers.
    struct CommonControlsRequest {
        DWORD dwSize;
        DWORD dwICC;
    };
    static_assert(sizeof(CommonControlsRequest) == 8);
    const CommonControlsRequest request{8, 0x200};
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    FARPROC found = library != nullptr ? GetProcAddress(library, "InitCommonControlsEx") : nullptr;
    if (found == nullptr) {
        return 0;
    }
    using InitCommonControlsExCall = BOOL(WINAPI*)(const CommonControlsRequest*);
    // Through the generic function pointer type, which GCC accepts between function types.
    const auto call = reinterpret_cast<InitCommonControlsExCall>(reinterpret_cast<void (*)()>(found));
    call(&request);
    return -1;
}

}  // namespace tolvane::program
