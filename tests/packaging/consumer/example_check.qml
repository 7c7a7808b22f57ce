import QtQuick

// Run by the qml tool with the installed module on its import path:
//   qml example_check.qml -- EXAMPLE.qml
// Loads the example and ends with 0 once it stands, or with 1 and the reason.
Item {
    property var example: null

    Timer {
        interval: 0
        running: true
        onTriggered: {
            const file = Qt.application.arguments[Qt.application.arguments.length - 1]
            const component = Qt.createComponent("file://" + file)
            if (component.status !== Component.Ready) {
                console.log("the example does not load: " + component.errorString())
                Qt.exit(1)
                return
            }
            example = component.createObject(null, {visible: false})
            console.log(example ? "the example stands" : "the example was not created")
            Qt.exit(example ? 0 : 1)
        }
    }
}
