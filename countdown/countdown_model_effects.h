#pragma once

#include <string>
#include <variant>
#include <vector>

#include "forms/message_icon.h"

namespace tolvane::countdown {

// What the window must do after a CountdownModel operation, carried out in list order.

// A modal message box with one OK button; the next effect waits until the user closes it.
struct ShowMessage {
    std::string text;
    std::string title;
    forms::MessageIcon icon;
    bool operator==(const ShowMessage&) const = default;
};

// The window becomes invisible.
struct HideWindow {
    bool operator==(const HideWindow&) const = default;
};

// The program ends at once; no timer tick or other handler may run after it.
struct EndProgram {
    bool operator==(const EndProgram&) const = default;
};

using Effect = std::variant<ShowMessage, HideWindow, EndProgram>;
using Effects = std::vector<Effect>;

}  // namespace tolvane::countdown
