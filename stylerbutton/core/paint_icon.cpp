#include <cstdint>

#include "base/rounding.h"
#include "gdi/transparent_blt.h"
#include "stylerbutton/core/recolour_picture.h"
#include "stylerbutton/core/repaint_steps.h"
#include "stylerbutton/core/styler_button.h"

namespace tolvane::styler {

namespace {

// The picture enlarged (or reduced) to width x height device pixels, each device pixel taking the
// picture pixel it lies on: a picture has no finer detail to show, and a blend would invent
// colours that are neither the icon's nor its transparent key.
gdi::Surface NearestScaled(const gdi::Surface& picture, std::int32_t width, std::int32_t height) {
    gdi::Surface scaled(width, height);
    for (std::int32_t y = 0; y < scaled.Height(); ++y) {
        const auto from_y = static_cast<int>(std::int64_t{y} * picture.Height() / height);
        for (std::int32_t x = 0; x < scaled.Width(); ++x) {
            const auto from_x = static_cast<int>(std::int64_t{x} * picture.Width() / width);
            scaled.PSet(x, y, picture.Point(from_x, from_y));
        }
    }
    return scaled;
}

}  // namespace

// Draws imgIcon (or, on a disabled button, its silhouette rebuilt in imgDis from a fresh copy of
// the picture) at the left or right edge, centred vertically, leaving out IconTransparentColour.
// Each statement is a step of its own: one that fails is skipped and the next one runs.
void StylerButton::PaintIcon() {
    if (!img_icon_.HasPicture()) {
        return;
    }
    RepaintSteps steps;
    const gdi::Surface& surface = UserControl();
    const DeviceScale scale = Scale();
    const double sw = surface.Width();
    const double sh = surface.Height();
    // On a scaled surface the icon is its picture times the ratio, 5 logical pixels from its edge.
    const double iconW = scale.Px(img_icon_.ScaleWidth());
    const double iconH = scale.Px(img_icon_.ScaleHeight());

    std::int32_t iconY = 0;
    steps.Run([&] { iconY = base::RoundToInt32(sh / 2 - iconH / 2); });

    PictureHolder* source = &img_icon_;
    if (!IsEnabled()) {
        // Recoloured even when the alignment then draws no icon.
        steps.Run([&] { img_dis_.SetPicture(img_icon_.Picture()); });
        steps.Run(
            [&] { RecolourPicture(img_dis_, icon_transparent_colour_, icon_disable_color_); });
        source = &img_dis_;
    }

    std::int32_t iconX = 0;
    if (icon_alignment_ == IconLeft) {
        iconX = scale.Whole(5);
    } else if (icon_alignment_ == IconRight) {
        steps.Run([&] { iconX = base::RoundToInt32(sw - iconW - scale.Px(5)); });
    } else {
        return;
    }

    steps.Run([&] {
        std::int32_t width = base::RoundToInt32(source->ScaleWidth());
        std::int32_t height = base::RoundToInt32(source->ScaleHeight());
        const gdi::Surface* picture = &source->hDC();
        gdi::Surface scaled;
        if (scale.Ratio() != 1.0 && width > 0 && height > 0) {
            width = scale.Whole(width);
            height = scale.Whole(height);
            scaled = NearestScaled(*picture, width, height);
            picture = &scaled;
        }
        gdi::TransparentBlt(UserControl(), iconX, iconY, width, height, *picture, 0, 0, width,
                            height, icon_transparent_colour_);
    });
}

}  // namespace tolvane::styler
