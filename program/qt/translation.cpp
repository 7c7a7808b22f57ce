#include "program/qt/translation.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tolvane::qt {

bool InstallChineseTranslation(QApplication& application) {
    auto* translator = new QTranslator(&application);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), folder) ||
        !QApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace tolvane::qt
