#include "program/qt/qt_desktop.h"

#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QImageWriter>
#include <QPixmap>

#include <cstdlib>

#include "program/qt/translation.h"
#include "program/themed_controls.h"
#include "program/version.h"
#include "qt/fonts.h"
#include "resources/resource_paths.h"

namespace tolvane::qt {

namespace {

// JPEG screenshots keep the small texts sharp at this quality (0 to 100).
constexpr int kJpegQuality = 95;

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

// The application's icon, which the window and its message boxes show: only the sizes window
// managers draw in title bars and task switchers. The desktop finds the full set in the icon
// theme by the desktop entry's name, and decoding sizes nobody shows would slow the start.
QIcon ApplicationIcon() {
    constexpr int kLargestShown = 48;
    QIcon icon;
    for (const auto& desktop_icon : resources::kDesktopIcons) {
        if (desktop_icon.size <= kLargestShown) {
            // Read as PNG without asking the image plugins, which Qt would load, all of them,
            // to ask whether one of them reads PNG better.
            QImageReader reader(QString::fromLatin1(desktop_icon.path), "png");
            reader.setAutoDetectImageFormat(false);
            icon.addPixmap(QPixmap::fromImage(reader.read()));
        }
    }
    return icon;
}

}  // namespace

QtDesktop::QtDesktop(char* program_name) : argv_{program_name, nullptr} {}

QtDesktop::~QtDesktop() = default;

std::vector<std::string> QtDesktop::WritableImageTypes() {
    std::vector<std::string> formats;
    for (const QByteArray& format : QImageWriter::supportedImageFormats()) {
        formats.push_back(format.toLower().toStdString());
    }
    return formats;
}

std::optional<std::string> QtDesktop::OpenScreenshot(const std::string& path) {
    screenshot_ = std::make_unique<QSaveFile>(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!screenshot_->open(QIODevice::WriteOnly)) {
        return screenshot_->errorString().toStdString();
    }
    return std::nullopt;
}

void QtDesktop::DiscardScreenshot() {
    screenshot_.reset();  // a QSaveFile not committed removes what it began
}

bool QtDesktop::Start(program::Output output) {
    if (output == program::Output::Screenshot) {
        // Nothing is shown, so no display is needed; and the picture must not depend on the
        // desktop it is taken under (a Wayland window, never shown, would not be activated and
        // its button would lack the focus): it is always drawn on the offscreen platform.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else if (!HasDisplay()) {
        return false;
    }
    application_ = std::make_unique<QApplication>(argc_, argv_);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QApplication::setApplicationVersion(QString::fromLatin1(
        program::kVersion.data(), static_cast<qsizetype>(program::kVersion.size())));
    QApplication::setDesktopFileName(QStringLiteral("org.tolvane.Tolvane"));
    QApplication::setWindowIcon(ApplicationIcon());
    InstallFontSubstitutions();
    // The window's Chinese is drawn from the program's small copy of the CJK face, so that the
    // installed 20 MB collection is neither opened nor mapped; the pixels are the same.
    QFontDatabase::addApplicationFont(QString::fromLatin1(resources::kCjkFaceSubset));
    InstallChineseTranslation(*application_);
    program::InitThemedControls();  // the result is not needed: start-up goes on in every case
    return true;
}

forms::Platform& QtDesktop::MakePlatform() {
    platform_ = std::make_unique<QtPlatform>();
    return *platform_;
}

std::optional<std::string> QtDesktop::CommitScreenshot(std::string_view type) {
    const QByteArray format(type.data(), static_cast<qsizetype>(type.size()));
    QImageWriter writer(screenshot_.get(), format);
    if (format == "jpg" || format == "jpeg") {
        writer.setQuality(kJpegQuality);
    }
    if (!writer.write(platform_->Grab())) {
        return writer.errorString().toStdString();
    }
    if (!screenshot_->commit()) {
        return screenshot_->errorString().toStdString();
    }
    return std::nullopt;
}

int QtDesktop::RunEventLoop() {
    return QApplication::exec();
}

}  // namespace tolvane::qt
