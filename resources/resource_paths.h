#pragma once

#include <array>

namespace tolvane::resources {

// Paths of the files embedded with Qt's resource system (resources.qrc, prefix "/tolvane"),
// for QFile, QImage, QPixmap and QIcon. Linking tolvane_resources is all it takes for them
// to be found; no initialisation call is needed.

// The window's background picture: a 550 x 290 baseline JPEG.
extern const char kBackgroundPicture[];
// The same picture at twice the size, 1100 x 580, for screens of twice the density or more.
extern const char kBackgroundPicture2x[];
// The countdown window's stored design: its close button's place and saved settings (JSON,
// design/design_json.h).
extern const char kForm1Design[];
// The CJK face the window's Chinese is drawn in, cut down to the characters the window shows
// (make_cjk_subset.py); registered under the installed face's own name.
extern const char kCjkFaceSubset[];
// The application icon in Windows icon format (ten images, 16 to 256 pixels).
extern const char kApplicationIcon[];

// The same icon as PNG files of single sizes, for desktops that want one file per size.
struct DesktopIcon {
    int size;          // width and height in pixels
    const char* path;  // resource path
};
// Smallest first.
extern const std::array<DesktopIcon, 6> kDesktopIcons;

}  // namespace tolvane::resources
