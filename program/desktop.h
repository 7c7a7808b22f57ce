#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/forms_platform.h"

namespace tolvane::program {

// Where a run puts the countdown window: on a screen, or into a screenshot file only.
enum class Output { Screen, Screenshot };

// What the start routine (Run) needs from the desktop it runs on: Qt Widgets on Linux, user32
// and gdi32 on Windows. Run calls each at most once, in the order declared, and only those its
// command line needs.
class Desktop {
  public:
    virtual ~Desktop() = default;

    // The image types a screenshot can be written as, as lower-case suffixes ("png", "jpg").
    virtual std::vector<std::string> WritableImageTypes() = 0;
    // Opens the --screenshot file before anything else is made, so that a name that cannot be
    // written fails at once. Returns the system's reason when it cannot be opened. Nothing
    // appears under the name until CommitScreenshot.
    virtual std::optional<std::string> OpenScreenshot(const std::string& path) = 0;
    // Throws away what was begun of the screenshot file, leaving nothing under its name.
    virtual void DiscardScreenshot() = 0;
    // Prepares the user interface; for a screenshot, one that shows nothing on any screen.
    // Returns false when there is no display to show the window on.
    virtual bool Start(Output output) = 0;
    // The forms platform the countdown window is made on; it lives as long as the desktop.
    virtual forms::Platform& MakePlatform() = 0;
    // Writes the window's client area, as drawn now, into the screenshot file as an image of the
    // type (one of WritableImageTypes) and puts the file under its name. Returns the reason when
    // it fails.
    virtual std::optional<std::string> CommitScreenshot(std::string_view type) = 0;
    // Runs the event loop until the window is closed; returns the exit status.
    virtual int RunEventLoop() = 0;
};

}  // namespace tolvane::program
