#pragma once

#include <array>
#include <string_view>

#include "gdi/colour.h"
#include "gdi/font.h"

namespace tolvane::countdown {

// The countdown window's design: frame, size, labels and timers, in the window's own unit, the
// twip (15 twips to the pixel). Kept as data so the layout reads straight against the design.
// The labels' texts and colours are the CountdownModel's, which starts and changes them.

inline constexpr std::string_view kFormCaption = "Tolvane";
inline constexpr int kClientWidthTwips = 8250;       // 550 px
inline constexpr int kClientHeightTwips = 4335;      // 289 px
inline constexpr gdi::Colour kFormBackColour = 255;  // red, covered entirely by the picture

struct FontDesign {
    std::string_view Name;
    double SizePoints;
    int Weight;
    int Charset;
};

inline constexpr int kCharsetAnsi = 0;
inline constexpr int kCharsetGb2312 = 134;
inline constexpr int kWeightRegular = 400;
inline constexpr int kWeightBold = 700;

// The window's default font, used by the hidden labels.
inline constexpr FontDesign kFormFont{"宋体", 9.0, kWeightRegular, kCharsetGb2312};

struct LabelDesign {
    std::string_view Name;
    int LeftTwips;
    int TopTwips;
    bool Visible;
    FontDesign Font;
    int TabIndex;
    std::string_view ToolTip;
};

// Label1 .. Label7, in order. All are left-aligned, autosized, with a transparent background.
// clang-format off
inline constexpr std::array<LabelDesign, 7> kLabelDesigns{{
    {"Label1", 4800, 2040, true, {"宋体", 10.5, kWeightBold, kCharsetGb2312}, 5, ""},
    {"Label2", 5880, 3240, true, {"宋体", 12.0, kWeightBold, kCharsetGb2312}, 3, ""},
    {"Label3", 240, 3960, true, {"宋体", 10.5, kWeightRegular, kCharsetGb2312}, 6, ""},
    {"Label4", 3360, 2760, true, {"MS UI Gothic", 35.25, kWeightBold, kCharsetAnsi}, 4, "点击此处直接计算剩余天数"},
    {"Label5", 240, 3720, false, kFormFont, 7, ""},
    {"Label6", 6240, 3240, true, {"宋体", 12.0, kWeightBold, kCharsetGb2312}, 8, ""},
    {"Label7", 240, 3360, false, kFormFont, 9, ""},
}};
// clang-format on

// The colour of the labels the countdown never colours, the hidden Label5 and Label7: black.
inline constexpr gdi::Colour kUncolouredLabelColour = 0;

struct TimerDesign {
    std::string_view Name;
    int IntervalMs;
    bool Enabled;
};

inline constexpr TimerDesign kTimer1Design{"Timer1", 1000, true};
inline constexpr TimerDesign kTimer2Design{"Timer2", 0, true};

// The close button. Its place, size, tab index and visibility and its saved settings are in the
// window's stored design (resources/form1_design.json), under this name.
inline constexpr std::string_view kButtonName = "StylerButton1";

}  // namespace tolvane::countdown
