import QtQuick
// The module's own C++ types come by name, not with the folder.
import Tolvane.StylerButton

// The StylerButton of Tolvane.StylerButton: the item StylerButtonItem with what assistive
// technology sees of it, a push button named by its caption, described by its toolTip, whose
// press action clicks it as Enter does.
StylerButtonItem {
    Accessible.role: Accessible.Button
    Accessible.name: caption
    Accessible.description: toolTip
    Accessible.focusable: true
    Accessible.focused: activeFocus
    Accessible.onPressAction: press()
}
