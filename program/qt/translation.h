#pragma once

class QApplication;

namespace tolvane::qt {

// Loads Qt's own Simplified Chinese translation (qtbase_zh_CN from Qt's translations folder), so
// standard buttons read "确定" and not "OK". Returns whether it was found and installed; without
// it the program still works, in English. The translator belongs to the application.
bool InstallChineseTranslation(QApplication& application);

}  // namespace tolvane::qt
