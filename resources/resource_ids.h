#pragma once

// Identifiers of the executable's resources (resources/tolvane.rc), shared by the resource
// script and the code; plain macros, since the resource compiler reads this file too.
#define TOLVANE_ICON_ID 1
#define TOLVANE_BACKGROUND_ID 101
#define TOLVANE_FORM1_DESIGN_ID 102
#define TOLVANE_BACKGROUND_2X_ID 103

#ifdef __cplusplus
namespace tolvane::win32 {
inline constexpr int kApplicationIconId = TOLVANE_ICON_ID;
inline constexpr int kBackgroundPictureId = TOLVANE_BACKGROUND_ID;
inline constexpr int kForm1DesignId = TOLVANE_FORM1_DESIGN_ID;
inline constexpr int kBackgroundPicture2xId = TOLVANE_BACKGROUND_2X_ID;
}  // namespace tolvane::win32
#endif
