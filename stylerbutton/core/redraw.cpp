#include "gdi/region.h"
#include "base/rounding.h"
#include "stylerbutton/core/primitives.h"
#include "stylerbutton/core/repaint_steps.h"
#include "stylerbutton/core/styler_button.h"
#include "stylerbutton/core/theme_painter.h"

namespace tolvane::styler {

void StylerButton::Redraw() {
    ++redraw_count_;
    RepaintSteps steps;

    // A rounding below 1 becomes 1, written back without telling the container.
    steps.Run([&] {
        if (rounded_value_ <= 0) {
            rounded_value_ = 1;
        }
    });

    // The window takes the rounded shape; its corner ellipses are one pixel smaller than the
    // outer outline's, so that the shape's edge runs along that outline's outer edge. Scaled, the
    // outline's ellipse is the rounding times the ratio, and the shape's one pixel smaller still.
    steps.Run([&] {
        const gdi::Surface& surface = container_.Surface();
        const DeviceScale scale = Scale();
        const std::int32_t width = scale.BoxExtent(base::RoundToInt32(surface.Width()));
        const std::int32_t height = scale.BoxExtent(base::RoundToInt32(surface.Height()));
        const std::int32_t corner =
            base::CheckedSub<std::int32_t>(scale.Whole(rounded_value_), 1);
        container_.SetWindowRgn(gdi::CreateRoundRectRgn(0, 0, width, height, corner, corner));
    });

    // The button's font becomes the surface's, but only when it is usable and nothing has failed
    // so far in this repaint; otherwise the surface keeps its font and painting goes on.
    steps.Run([&] {
        if (font_ && !steps.Failed()) {
            container_.Surface().SetFont(font_);
        }
    });

    PaintButton(steps);
}

void StylerButton::PaintButton(RepaintSteps& steps) {
    gdi::Surface& surface = container_.Surface();
    const DeviceScale scale = Scale();
    const auto focusDots = [&] { steps.Run([&] { PaintFocusDots(surface, scale); }); };

    // An unknown theme paints nothing but the focus dots of a hovered button.
    if (!IsPaintedTheme(theme_)) {
        if (mouse_over_ == BoolTrue && focus_dotted_rect_ == BoolTrue) {
            focusDots();
        }
        return;
    }

    LookCanvas canvas(surface, gradient_rect_, rounded_value_, scale, steps);
    gdi::Colour captionColour = fore_color_;
    if (!IsEnabled()) {
        // The state flags are not looked at: no state look and no focus dots.
        PaintThemeLook(theme_, Look::Disabled, canvas);
        captionColour = caption_disable_color_;
    } else {
        // The state look repaints the areas of the normal look painted first.
        PaintThemeLook(theme_, Look::Normal, canvas);
        const StateLook state =
            ChooseStateLook(pressed_, mouse_over_, has_focus_, focus_dotted_rect_);
        if (state.Over != Look::Normal) {
            PaintThemeLook(theme_, state.Over, canvas);
        }
        if (state.FocusDots) {
            focusDots();
        }
    }
    steps.Run([&] { PaintIcon(); });
    steps.Run([&] { surface.SetForeColor(captionColour); });
    steps.Run([&] { PaintCaption(caption_, caption_alignment_); });
}

}  // namespace tolvane::styler
