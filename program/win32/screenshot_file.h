#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "forms/win32/form_window.h"

namespace tolvane::win32 {

// The --screenshot file, written all at once: the image goes into a temporary file in the same
// folder, which then replaces the named file (MoveFileExW). Whatever fails, no half-written file
// is left under the name, and the temporary file is removed.
class ScreenshotFile {
  public:
    // Makes the temporary file at once, so that a name that cannot be written fails before the
    // window is built. Returns the system's reason when it cannot be made, or when the name is a
    // folder.
    static std::variant<std::unique_ptr<ScreenshotFile>, std::string> Create(
        const std::string& path_utf8);
    ~ScreenshotFile();
    ScreenshotFile(const ScreenshotFile&) = delete;
    ScreenshotFile& operator=(const ScreenshotFile&) = delete;

    // Writes the picture as an image of the type (a suffix of WritableImageTypes) and puts it
    // under the name. Returns why it failed, or nothing.
    std::optional<std::string> Commit(const ClientPicture& picture, std::string_view type);

  private:
    ScreenshotFile(std::wstring path, std::wstring temporary)
        : path_(std::move(path)), temporary_(std::move(temporary)) {}

    std::wstring path_;
    std::wstring temporary_;
    bool committed_ = false;
};

// The system's message for an error code, in one line without a closing full stop.
std::string SystemMessage(unsigned long error);

}  // namespace tolvane::win32
