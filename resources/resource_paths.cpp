#include "resources/resource_paths.h"

namespace tolvane::resources {

const char kBackgroundPicture[] = ":/tolvane/background.jpg";
const char kBackgroundPicture2x[] = ":/tolvane/background@2x.jpg";
const char kForm1Design[] = ":/tolvane/form1_design.json";
const char kCjkFaceSubset[] = ":/tolvane/fonts/uming-subset.ttf";
const char kApplicationIcon[] = ":/tolvane/tolvane.ico";

const std::array<DesktopIcon, 6> kDesktopIcons = {{
    {16, ":/tolvane/icons/tolvane-16.png"},
    {32, ":/tolvane/icons/tolvane-32.png"},
    {48, ":/tolvane/icons/tolvane-48.png"},
    {64, ":/tolvane/icons/tolvane-64.png"},
    {128, ":/tolvane/icons/tolvane-128.png"},
    {256, ":/tolvane/icons/tolvane-256.png"},
}};

}  // namespace tolvane::resources
