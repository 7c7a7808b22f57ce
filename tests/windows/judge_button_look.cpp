// The button's looks judged: every look of every theme, with and without the focus dots, at
// surface sizes from 1 x 1 to 300 x 120 device pixels, corner roundings from 1 to 20 and the
// device pixel ratios 1, 1.25, 1.5 and 2, painted over a random picture. Our side paints the look
// on a surface; the Windows side paints it again with a WindowsReplay watching the surface, which
// makes every drawing call on a DIB canvas too. The caption is left out: text is drawn by another
// engine.

#include <cstdint>

#include "gdi/rect.h"
#include "stylerbutton/core/button_values.h"
#include "stylerbutton/core/device_scale.h"
#include "stylerbutton/core/primitives.h"
#include "stylerbutton/core/repaint_steps.h"
#include "stylerbutton/core/theme_painter.h"
#include "tests/windows/dib_canvas.h"
#include "tests/windows/judge_case.h"
#include "tests/windows/windows_replay.h"

namespace tolvane::judge {

namespace {

enum Arg { kTheme = 3, kLook, kFocusDots, kRounding, kRatio };

constexpr std::int32_t kThemes[] = {styler::ThemeDarkGloss, styler::ThemeBlueGlass,
                                    styler::ThemeSilver};
constexpr double kRatios[] = {1.0, 1.25, 1.5, 2.0};

// Half the buttons keep the default rounding of 5 and the ratio 1.
Args Generate(Random& r) {
    return {r.Between(1, 300),
            r.Between(1, 120),
            r.Between(0, 1 << 20),
            r.Between(0, 2),
            r.Between(0, 4),
            r.Between(0, 1),
            r.Percent(50) ? 5 : r.Between(1, 20),
            r.Percent(50) ? 0 : r.Between(1, 3)};
}

// As the button paints an enabled look (the normal look, then the state's look over it) or the
// disabled one, and then the focus dots.
void Paint(const Args& a, gdi::Surface& surface) {
    gdi::Rect gradientRect;
    styler::RepaintSteps steps;
    const styler::DeviceScale scale(kRatios[a[kRatio]]);
    styler::LookCanvas canvas(surface, gradientRect, a[kRounding], scale, steps);
    const std::int32_t theme = kThemes[a[kTheme]];
    const auto look = static_cast<styler::Look>(a[kLook]);
    if (look != styler::Look::Disabled) {
        styler::PaintThemeLook(theme, styler::Look::Normal, canvas);
    }
    if (look != styler::Look::Normal) {
        styler::PaintThemeLook(theme, look, canvas);
    }
    if (a[kFocusDots] != 0) {
        steps.Run([&] { styler::PaintFocusDots(surface, scale); });
    }
}

Picture Ours(const Args& a) {
    gdi::Surface surface = StartSurface(a);
    Paint(a, surface);
    return PictureOf(surface, 0);
}

Picture Windows(const Args& a) {
    gdi::Surface surface = StartSurface(a);
    const DibCanvas canvas(surface);
    WindowsReplay replay(canvas);
    surface.SetObserver(&replay);
    Paint(a, surface);
    return canvas.Read(0);
}

}  // namespace

const Operation kButtonLook{
    "button look",
    {{"width", 1, 300, 1},
     {"height", 1, 120, 1},
     {"pattern", 0, 1 << 20, 0, Kind::kPattern},
     {"theme (0 dark gloss, 1 blue glass, 2 silver)", 0, 2, 0},
     {"look (0 normal, 1 hover, 2 focused, 3 pressed, 4 disabled)", 0, 4, 0},
     {"focus dots", 0, 1, 0},
     {"rounding", 1, 20, 5},
     {"ratio (0 1, 1 1.25, 2 1.5, 3 2)", 0, 3, 0}},
    Generate,
    nullptr,
    Ours,
    Windows};

}  // namespace tolvane::judge
