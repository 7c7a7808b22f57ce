// The start routine: reads the command line, prepares the platform, creates the countdown
// window, runs its Load and shows it.

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QImageWriter>
#include <QPixmap>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "program/command_line.h"
#include "qt/fonts.h"
#include "program/qt/translation.h"
#include "forms/end_program.h"
#include "program/themed_controls.h"
#include "forms/qt/qt_platform.h"
#include "base/clock.h"
#include "base/quoted.h"
#include "program/version.h"
#include "countdown/form1.h"
#include "resources/resource_paths.h"

namespace {

using tolvane::CommandLine;

using tolvane::kExitBadCommandLine;
using tolvane::kExitCannotWrite;
using tolvane::kExitLoadEnded;
using tolvane::PrintLine;

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

std::unique_ptr<tolvane::base::Clock> MakeClock(const CommandLine& line) {
    if (line.clock) {
        return std::make_unique<tolvane::base::SimulatedClock>(
            *line.clock, tolvane::base::SimulatedClock::SteadyElapsed());
    }
    return std::make_unique<tolvane::base::SystemClock>();
}

// The application's icon, which the window and its message boxes show: only the sizes window
// managers draw in title bars and task switchers. The desktop finds the full set in the icon
// theme by the desktop entry's name, and decoding sizes nobody shows would slow the start.
QIcon ApplicationIcon() {
    constexpr int kLargestShown = 48;
    QIcon icon;
    for (const auto& desktop_icon : tolvane::resources::kDesktopIcons) {
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

// The image types Qt can write, as lower-case suffixes.
std::vector<std::string> WritableImageFormats() {
    std::vector<std::string> formats;
    for (const QByteArray& format : QImageWriter::supportedImageFormats()) {
        formats.push_back(format.toLower().toStdString());
    }
    return formats;
}

// Reports that the screenshot cannot be written, with the reason; returns the exit status.
int CannotWrite(const std::string& path, const QString& reason) {
    PrintLine(stderr, {"tolvane: cannot write the screenshot to ", tolvane::base::Quoted(path),
                       ": ", reason.toStdString()});
    return kExitCannotWrite;
}

// The --screenshot file, opened before the application exists so that a name that cannot be
// written fails at once, with the system's reason untouched by the Chinese translation. It is a
// QSaveFile: the file appears under its name only when complete.
std::unique_ptr<QSaveFile> OpenScreenshotFile(const std::string& path) {
    auto file = std::make_unique<QSaveFile>(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file->open(QIODevice::WriteOnly)) {
        CannotWrite(path, file->errorString());
        return nullptr;
    }
    return file;
}

// --screenshot: the window appears on no screen; it is rendered on the offscreen platform, where
// it is shown and activated so the close button has the focus it has when the window opens. A
// message the program would show goes to standard error, and where it would end, the process
// exits with kExitLoadEnded and discards the file.
int RenderScreenshot(const tolvane::base::Clock& clock, const std::string& path,
                     const std::string& format_name, std::unique_ptr<QSaveFile> file) {
    const tolvane::forms::ScopedEndProgramHandler ending([&file] {
        file.reset();  // discards what was begun
        std::fflush(nullptr);
        std::_Exit(kExitLoadEnded);
    });
    tolvane::qt::QtPlatform platform;
    tolvane::countdown::Form1 form(platform, clock,
                                   [](const tolvane::countdown::ShowMessage& message) {
                                       PrintLine(stderr, {message.title, ": ", message.text});
                                   });
    form.Load();
    form.Settle();
    const QByteArray format = QByteArray::fromStdString(format_name);
    QImageWriter writer(file.get(), format);
    if (format == "jpg" || format == "jpeg") {
        writer.setQuality(kJpegQuality);
    }
    if (!writer.write(platform.Grab())) {
        return CannotWrite(path, writer.errorString());
    }
    if (!file->commit()) {
        return CannotWrite(path, file->errorString());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto parsed = tolvane::ParseCommandLine(args, WritableImageFormats);
    if (const auto status = tolvane::AnswerWithoutWindow(parsed)) {
        return *status;
    }
    const auto& line = std::get<CommandLine>(parsed);
    std::unique_ptr<QSaveFile> screenshot_file;
    if (line.screenshot) {
        screenshot_file = OpenScreenshotFile(*line.screenshot);
        if (!screenshot_file) {
            return kExitCannotWrite;
        }
    }
    if (line.screenshot && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // nothing is shown, so no display is needed
    } else if (!HasDisplay()) {
        PrintLine(stderr, {"tolvane: no display (DISPLAY is not set); use --screenshot FILE.png to "
                           "render the window without one"});
        return kExitBadCommandLine;
    }

    // The command line is read; Qt sees only the program name, so no value is taken for its own.
    int qt_argc = 1;
    QApplication application(qt_argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QApplication::setApplicationVersion(QString::fromLatin1(
        tolvane::kVersion.data(), static_cast<qsizetype>(tolvane::kVersion.size())));
    QApplication::setDesktopFileName(QStringLiteral("org.tolvane.Tolvane"));
    QApplication::setWindowIcon(ApplicationIcon());
    tolvane::qt::InstallFontSubstitutions();
    // The window's Chinese is drawn from the program's small copy of the CJK face, so that the
    // installed 20 MB collection is neither opened nor mapped; the pixels are the same.
    QFontDatabase::addApplicationFont(QString::fromLatin1(tolvane::resources::kCjkFaceSubset));
    tolvane::qt::InstallChineseTranslation(application);
    tolvane::program::InitThemedControls();  // the result is not needed: start-up goes on in every case

    const auto clock = MakeClock(line);
    if (line.screenshot) {
        return RenderScreenshot(*clock, *line.screenshot, line.screenshot_format,
                                std::move(screenshot_file));
    }
    tolvane::qt::QtPlatform platform;
    tolvane::countdown::Form1 form(platform, *clock);
    if (!form.Load()) {
        return 0;
    }
    form.Show();
    return QApplication::exec();
}
