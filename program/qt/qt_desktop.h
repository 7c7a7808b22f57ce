#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QApplication>
#include <QSaveFile>

#include "forms/qt/qt_platform.h"
#include "program/desktop.h"

namespace tolvane::qt {

// The program's desktop on Qt Widgets. A screenshot is a QSaveFile, which appears under its
// name only when complete, rendered on the offscreen platform; the application shows Qt's own
// texts in Simplified Chinese and draws the window's Chinese from the program's small copy of
// the CJK face.
class QtDesktop final : public program::Desktop {
  public:
    // program_name: argv[0], the only argument Qt sees, so that it takes no value for its own.
    explicit QtDesktop(char* program_name);
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    std::vector<std::string> WritableImageTypes() override;
    // Opened before the application exists, so the system's reason is untouched by the Chinese
    // translation.
    std::optional<std::string> OpenScreenshot(const std::string& path) override;
    void DiscardScreenshot() override;
    // Without a screenshot a display must be named (DISPLAY, WAYLAND_DISPLAY or
    // QT_QPA_PLATFORM); a screenshot always runs on the offscreen platform, whatever they say.
    bool Start(program::Output output) override;
    forms::Platform& MakePlatform() override;
    std::optional<std::string> CommitScreenshot(std::string_view type) override;
    int RunEventLoop() override;

  private:
    int argc_ = 1;
    char* argv_[2];
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<QSaveFile> screenshot_;
    std::unique_ptr<QtPlatform> platform_;  // its widgets go before the application
};

}  // namespace tolvane::qt
