// Runs the QML test cases of this folder (tst_*.qml) with Qt Quick Test. The program links the
// StylerButton's QML module library, so `import Tolvane.StylerButton` needs no import path.
#include <QtQuickTest>

QUICK_TEST_MAIN(tolvane_stylerbutton_quick)
