import QtQuick
import QtTest
import Tolvane.StylerButton

// StylerButton as a QML program uses it: its properties, its ten signals and their order, its
// shape for input, its hover look and its accessible face. The button lies over a mouse area
// that counts the presses reaching it, next to a second button that takes the focus by Tab.
Item {
    id: root
    width: 300
    height: 200

    MouseArea {
        id: below
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        property int presses: 0
        onPressed: presses++
    }

    Component {
        id: buttonComponent
        StylerButton {
            x: 50
            y: 60
            width: 105
            height: 33
        }
    }

    TestCase {
        id: testCase
        name: "StylerButton"
        when: windowShown

        property var log: []
        property var button: null

        // A button with the focus whose signals are written to the log, moves left out.
        function init() {
            log = []
            below.presses = 0
            button = createTemporaryObject(buttonComponent, root)
            const mouse = name => m => log.push(name + " " + m.button + " " + m.shift + " " +
                                                m.x + " " + m.y)
            const key = name => k => log.push(name + " " + k.keyCode + " " + k.shift)
            button.click.connect(() => log.push("click"))
            button.dblClick.connect(() => log.push("dblClick"))
            button.keyDown.connect(key("keyDown"))
            button.keyPress.connect(k => log.push("keyPress " + k.keyAscii))
            button.keyUp.connect(key("keyUp"))
            button.mouseDown.connect(mouse("mouseDown"))
            button.mouseMove.connect(mouse("mouseMove"))
            button.mouseUp.connect(mouse("mouseUp"))
            button.mouseEnters.connect((x, y) => log.push("mouseEnters " + x + " " + y))
            button.mouseLeaves.connect((x, y) => log.push("mouseLeaves " + x + " " + y))
            button.forceActiveFocus()
            // Away from the button, so that each test starts with the pointer outside it.
            mouseMove(root, 290, 190)
        }

        function withoutMoves() {
            return log.filter(entry => !entry.startsWith("mouseMove"))
        }

        function screen(x, y) {
            const at = button.mapToGlobal(x, y)
            return Math.floor(at.x) + " " + Math.floor(at.y)
        }

        // ---- Properties ------------------------------------------------------------------------

        function test_defaults_data() {
            return [
                {tag: "captionAlignment", value: StylerButton.AlignMiddleCenter},
                {tag: "iconAlignment", value: StylerButton.IconLeft},
                {tag: "caption", value: "StylerButton"},
                {tag: "foreColor", value: "#000000"},
                {tag: "captionDisableColor", value: "#d4d4d4"},
                {tag: "captionEffectColor", value: "#ffffff"},
                {tag: "captionEffect", value: StylerButton.EffectNone},
                {tag: "captionOffsetX", value: 0},
                {tag: "captionOffsetY", value: 0},
                {tag: "shadowOffsetX", value: 2},
                {tag: "shadowOffsetY", value: 2},
                {tag: "iconDisableColor", value: "#d4d4d4"},
                {tag: "theme", value: StylerButton.ThemeDarkGloss},
                {tag: "focusDottedRect", value: true},
                {tag: "buttonEnabled", value: true},
                {tag: "captionFont", read: font => font.family + " " + font.pointSize,
                 value: "Tahoma 8.25"},
                {tag: "iconTransparentColour", value: "#ff00ff"},
                {tag: "icon", value: ""},
                {tag: "roundedValue", value: 5},
                {tag: "toolTip", value: ""},
            ]
        }

        function test_defaults(data) {
            const value = button[data.tag]
            compare(data.read ? data.read(value) : String(value), String(data.value))
        }

        // Each value is read back as written (a rounding below 1 as 1: the setter's repaint
        // raises it) and raises the property's signal once, after propertyChanged(key).
        function test_roundTrip_data() {
            return [
                {tag: "captionAlignment", key: "CaptionAlignment", value: StylerButton.AlignBottomRight},
                {tag: "iconAlignment", key: "IconAlignment", value: StylerButton.IconRight},
                {tag: "caption", key: "Caption", value: "关闭"},
                {tag: "foreColor 0", key: "ForeColor", property: "foreColor", value: "#000000"},
                {tag: "foreColor 0xFFFFFF", key: "ForeColor", property: "foreColor", value: "#ffffff"},
                {tag: "foreColor system colour 0x80000012", key: "ForeColor", property: "foreColor",
                 value: "#7f120000"},
                {tag: "captionDisableColor", key: "CaptionDisableColor", value: "#563412"},
                {tag: "captionEffectColor", key: "CaptionEffectColor", value: "#c8c8c8"},
                {tag: "captionEffect", key: "CaptionEffect", value: StylerButton.EffectShadow},
                {tag: "captionOffsetX 32767", key: "CaptionOffsetX", property: "captionOffsetX",
                 value: 32767},
                {tag: "captionOffsetY -32768", key: "CaptionOffsetY", property: "captionOffsetY",
                 value: -32768},
                {tag: "shadowOffsetX", key: "ShadowOffsetX", value: -3},
                {tag: "shadowOffsetY", key: "ShadowOffsetY", value: 4},
                {tag: "iconDisableColor", key: "IconDisableColor", value: "#b2b2b2"},
                {tag: "theme", key: "Theme", value: StylerButton.ThemeSilver},
                {tag: "theme 0, stored as given", key: "Theme", property: "theme", value: 0},
                {tag: "theme 4, stored as given", key: "Theme", property: "theme", value: 4},
                {tag: "focusDottedRect", key: "FocusDottedRect", value: false},
                {tag: "buttonEnabled", key: "Enabled", value: false},
                {tag: "captionFont", key: "Font",
                 value: Qt.font({family: "DejaVu Sans", pointSize: 10.5, bold: true, italic: true})},
                {tag: "iconTransparentColour", key: "IconTransparentColour", value: "#00ff00"},
                {tag: "roundedValue", key: "RoundedValue", value: 9},
                {tag: "roundedValue -3", key: "RoundedValue", property: "roundedValue", value: -3,
                 readBack: 1},
            ]
        }

        function test_roundTrip(data) {
            const property = data.property || data.tag
            const order = []
            button.propertyChanged.connect(key => order.push(key))
            button[property + "Changed"].connect(() => order.push(property + "Changed"))
            button[property] = data.value
            const expected = data.readBack === undefined ? data.value : data.readBack
            compare(String(button[property]), String(expected))
            compare(order, [data.key, property + "Changed"])
        }

        // The offsets are 16-bit: one past either end is refused with a warning, and kept.
        function test_offsetOutOfRange_data() {
            return [
                {tag: "captionOffsetX 32768", property: "captionOffsetX", value: 32768},
                {tag: "captionOffsetY -32769", property: "captionOffsetY", value: -32769},
                {tag: "shadowOffsetX 32768", property: "shadowOffsetX", value: 32768},
                {tag: "shadowOffsetY -32769", property: "shadowOffsetY", value: -32769},
            ]
        }

        function test_offsetOutOfRange(data) {
            let changes = 0
            button[data.property + "Changed"].connect(() => changes++)
            const before = button[data.property]
            ignoreWarning(new RegExp(data.property + " " + data.value +
                                     " is out of range \\(-32768 to 32767\\); the value is kept$"))
            button[data.property] = data.value
            compare(button[data.property], before)
            compare(changes, 0)
        }

        // ---- The ten signals and their order ------------------------------------------------
        // (A double click is checked in C++: Qt Quick Test's sequence is not the one a real
        // double click sends, whose second press Qt marks.)

        function test_signals_data() {
            return [
                {tag: "click", act: () => mouseClick(button, 20, 10),
                 expected: ["mouseDown 1 0 20 10", "mouseUp 1 0 20 10", "click"]},
                {tag: "release outside", act: () => {
                    mousePress(button, 20, 10)
                    mouseRelease(button, 120, 10)
                }, expected: ["mouseDown 1 0 20 10", "mouseUp 1 0 120 10"]},
                {tag: "right button with Shift",
                 act: () => mouseClick(button, 20, 10, Qt.RightButton, Qt.ShiftModifier),
                 expected: ["mouseDown 2 1 20 10", "mouseUp 2 1 20 10"]},
                {tag: "Enter", act: () => keyClick(Qt.Key_Return),
                 expected: ["keyDown 13 0", "keyPress 13", "click", "keyUp 13 0"]},
                {tag: "Space", act: () => keyClick(Qt.Key_Space),
                 expected: ["keyDown 32 0", "keyPress 32", "keyUp 32 0"]},
                {tag: "Ctrl+A", act: () => keyClick(Qt.Key_A, Qt.ControlModifier),
                 expected: ["keyDown 17 2", "keyDown 65 2", "keyPress 1", "keyUp 65 2",
                            "keyUp 17 0"]},
            ]
        }

        function test_signals(data) {
            data.act()
            compare(withoutMoves(), data.expected)
        }

        function test_movesWithAndWithoutAButton() {
            mouseMove(button, 30, 12)
            mousePress(button, 30, 12, Qt.MiddleButton)
            mouseMove(button, 31, 13, -1, Qt.MiddleButton)
            mouseRelease(button, 31, 13, Qt.MiddleButton)
            const moves = log.filter(entry => entry.startsWith("mouseMove"))
            verify(moves.indexOf("mouseMove 0 0 30 12") >= 0, moves)
            verify(moves.indexOf("mouseMove 4 0 31 13") >= 0, moves)
        }

        // The hover poll raises mouseEnters and mouseLeaves once each, with the pointer's screen
        // position, and the hover look comes and goes with them.
        function test_hover() {
            const away = grabImage(button)
            const entered = signalSpy.createObject(testCase, {target: button,
                                                             signalName: "mouseEnters"})
            const left = signalSpy.createObject(testCase, {target: button,
                                                          signalName: "mouseLeaves"})
            mouseMove(button, 20, 10)
            entered.wait(1000)
            verify(!grabImage(button).equals(away), "the hover look")
            mouseMove(button, 30, 12)
            mouseMove(root, 290, 190)
            left.wait(1000)
            compare(withoutMoves(), ["mouseEnters " + screen(20, 10),
                                     "mouseLeaves " + screen(240, 130)])
            verify(grabImage(button).equals(away), "the look without the pointer")
        }

        // A cut-away corner belongs to what lies below, for presses and for the hover.
        function test_cutAwayCorner() {
            mouseClick(button, 0, 0)
            compare(below.presses, 1)
            mouseClick(button, 20, 10)
            compare(below.presses, 1)
            compare(withoutMoves(), ["mouseDown 1 0 20 10", "mouseUp 1 0 20 10", "click"])
        }

        // A keyPress handler that changes keyAscii keeps Enter from clicking; one that writes a
        // value beyond 16 bits is refused, and Enter clicks.
        function test_keyAsciiHandler_data() {
            return [
                {tag: "keyAscii = 0", keyAscii: 0, expected: ["keyDown 13 0", "keyPress 13",
                                                              "keyUp 13 0"]},
                {tag: "keyAscii = 70000", keyAscii: 70000, warning: true,
                 expected: ["keyDown 13 0", "keyPress 13", "click", "keyUp 13 0"]},
            ]
        }

        function test_keyAsciiHandler(data) {
            button.keyPress.connect(key => key.keyAscii = data.keyAscii)
            if (data.warning) {
                ignoreWarning(/keyAscii 70000 is out of range \(-32768 to 32767\); the value is kept$/)
            }
            keyClick(Qt.Key_Return)
            compare(withoutMoves(), data.expected)
        }

        // Tab goes to the next item of the tab chain and never reaches the button.
        function test_tabMovesTheFocus() {
            const next = createTemporaryObject(buttonComponent, root, {x: 50, y: 120})
            keyClick(Qt.Key_Tab)
            verify(next.activeFocus)
            compare(log, [])
        }

        function test_accessible() {
            button.caption = "关闭"
            button.toolTip = "Closes the window"
            compare(button.Accessible.role, Accessible.Button)
            compare(button.Accessible.name, "关闭")
            compare(button.Accessible.description, "Closes the window")
            button.Accessible.pressAction()
            button.buttonEnabled = false
            button.Accessible.pressAction()
            compare(log, ["click"])
        }

        Component {
            id: signalSpy
            SignalSpy {}
        }
    }
}
