#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

#include "forms/win32/win32_platform.h"
#include "program/desktop.h"
#include "program/win32/screenshot_file.h"

namespace tolvane::win32 {

// The program's desktop on Windows: the Win32 forms platform over the design the build carries,
// screenshots written by the Windows Imaging Component through a ScreenshotFile, and the thread's
// message loop. A screenshot's window is never shown; it is drawn as it opens.
class Win32Desktop final : public program::Desktop {
  public:
    explicit Win32Desktop(HINSTANCE instance) : instance_(instance) {}

    std::vector<std::string> WritableImageTypes() override;
    std::optional<std::string> OpenScreenshot(const std::string& path) override;
    void DiscardScreenshot() override;
    // Registers the themed controls and initialises COM for the Windows Imaging Component;
    // Windows always has a display.
    bool Start(program::Output output) override;
    forms::Platform& MakePlatform() override;
    std::optional<std::string> CommitScreenshot(std::string_view type) override;
    int RunEventLoop() override;

  private:
    HINSTANCE instance_;
    std::unique_ptr<ScreenshotFile> screenshot_;
    std::unique_ptr<Win32Platform> platform_;
};

}  // namespace tolvane::win32
