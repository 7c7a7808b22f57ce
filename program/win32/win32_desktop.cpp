#include "program/win32/win32_desktop.h"

#include <objbase.h>

#include <variant>

#include "program/themed_controls.h"
#include "resources/resource_ids.h"
#include "win32/wic_image.h"

namespace tolvane::win32 {

std::vector<std::string> Win32Desktop::WritableImageTypes() {
    return win32::WritableImageTypes();
}

std::optional<std::string> Win32Desktop::OpenScreenshot(const std::string& path) {
    auto created = ScreenshotFile::Create(path);
    if (auto* reason = std::get_if<std::string>(&created)) {
        return std::move(*reason);
    }
    screenshot_ = std::move(std::get<0>(created));
    return std::nullopt;
}

void Win32Desktop::DiscardScreenshot() {
    screenshot_.reset();  // removes the temporary file
}

bool Win32Desktop::Start(program::Output) {
    program::InitThemedControls();  // the result is not needed: start-up goes on in every case
    // The pictures are decoded and written by the Windows Imaging Component, a COM library.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return true;
}

forms::Platform& Win32Desktop::MakePlatform() {
    platform_ = std::make_unique<Win32Platform>(instance_, kForm1Design, kBackgroundPictureId,
                                                kBackgroundPicture2xId);
    return *platform_;
}

std::optional<std::string> Win32Desktop::CommitScreenshot(std::string_view type) {
    return screenshot_->Commit(platform_->Window()->Snapshot(), type);
}

int Win32Desktop::RunEventLoop() {
    return platform_->Run();
}

}  // namespace tolvane::win32
