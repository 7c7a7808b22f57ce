import QtQuick
import Tolvane.StylerButton

// The StylerButton in a Qt Quick program: its three themes, a disabled button and a button with
// an icon (icon.png, whose magenta is the icon's transparent colour). From an installed prefix:
//   QML_IMPORT_PATH=<prefix>/lib/x86_64-linux-gnu/qt6/qml /usr/lib/qt6/bin/qml main.qml
Window {
    width: 375
    height: 96
    visible: true
    title: "StylerButton"
    color: "#ece9d8"

    Grid {
        x: 10
        y: 10
        columns: 3
        spacing: 10
        columnSpacing: 20

        StylerButton {
            width: 105
            height: 33
            theme: StylerButton.ThemeDarkGloss
            caption: "Dark gloss"
            foreColor: "white"
            toolTip: "Says which button was clicked"
            onClick: console.log("Dark gloss clicked")
        }
        StylerButton {
            width: 105
            height: 33
            theme: StylerButton.ThemeBlueGlass
            caption: "Blue glass"
            onClick: console.log("Blue glass clicked")
        }
        StylerButton {
            width: 105
            height: 33
            theme: StylerButton.ThemeSilver
            caption: "Silver"
            captionEffect: StylerButton.EffectShadow
            onClick: console.log("Silver clicked")
        }
        StylerButton {
            width: 105
            height: 33
            theme: StylerButton.ThemeSilver
            caption: "Disabled"
            buttonEnabled: false
        }
        StylerButton {
            width: 105
            height: 33
            theme: StylerButton.ThemeBlueGlass
            caption: "Icon"
            icon: "icon.png"
            iconAlignment: StylerButton.IconLeft
            onClick: console.log("Icon clicked")
        }
        StylerButton {
            width: 105
            height: 33
            theme: StylerButton.ThemeDarkGloss
            caption: "Enter: no click"
            foreColor: "#ffd54f"
            captionFont.pointSize: 8
            // Enter clicks the button unless a handler takes its character away.
            onKeyPress: key => { if (key.keyAscii === 13) key.keyAscii = 0 }
            onClick: console.log("clicked with the mouse")
        }
    }
}
