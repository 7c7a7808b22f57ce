#include <cstdint>
#include <string>

#include "base/overflow_error.h"
#include "base/rounding.h"
#include "stylerbutton/core/styler_button.h"

namespace tolvane::styler {

namespace {

// The second colour of the embossed and engraved effects.
constexpr gdi::Colour kEffectGrey = gdi::Rgb(128, 128, 128);  // 0x808080

// A caption or shadow offset as the caption painter adds it: an unsigned byte. Any other value
// cannot become one, and the caption is then not drawn.
std::int32_t OffsetByte(std::string_view name, std::int16_t value) {
    if (value < 0 || value > 255) {
        throw base::OverflowError("overflow: " + std::string(name) + " " + std::to_string(value) +
                                  " does not fit a byte");
    }
    return value;
}

std::int32_t Shifted(std::int32_t coordinate, std::int32_t by) {
    return base::CheckedAdd<std::int32_t>(coordinate, by);
}

// The nine anchors are numbered down each column, left column first.
enum class Column { Left, Centre, Right };
enum class Row { Top, Middle, Bottom };

}  // namespace

// Places the caption at its anchor moved by the caption offsets, then prints it in the layers of
// its effect; the last layer is always the caption itself at (x, y). The text is measured only
// along the axes its anchor needs. A failure ends the routine where it happens, with the layers
// printed so far left in place.
//
// On a scaled surface the text engine measures and prints in the font's device size, and the
// margins, the caption and shadow offsets and the effects' one-pixel shifts are logical pixels
// times the ratio; the anchors follow the surface's proportions.
void StylerButton::PaintCaption(std::string Text, std::int32_t Alignment) {
    gdi::Surface& surface = UserControl();
    gdi::TextEngine& engine = this->Text();
    const DeviceScale scale = Scale();
    const double sw = surface.Width();
    const double sh = surface.Height();

    std::int32_t x = 0;
    std::int32_t y = 0;
    if (Alignment >= AlignTopLeft && Alignment <= AlignBottomRight) {
        const double offX = scale.Px(OffsetByte("CaptionOffsetX", caption_offset_x_));
        const double offY = scale.Px(OffsetByte("CaptionOffsetY", caption_offset_y_));
        const auto column = static_cast<Column>((Alignment - AlignTopLeft) / 3);
        const auto row = static_cast<Row>((Alignment - AlignTopLeft) % 3);
        if (column == Column::Left) {
            x = base::RoundToInt32(offX + scale.Px(1));
        } else {
            const double tw = engine.TextWidth(surface, Text);
            x = base::RoundToInt32(column == Column::Centre ? sw / 2 - tw / 2 - scale.Px(1) + offX
                                                            : sw - tw - scale.Px(3) + offX);
        }
        if (row == Row::Top) {
            y = base::RoundToInt32(offY);
        } else {
            const double th = engine.TextHeight(surface, Text);
            y = base::RoundToInt32(row == Row::Middle ? sh / 2 - th / 2 - scale.Px(1) + offY
                                                      : sh - th - scale.Px(1) + offY);
        }
    }

    const std::int32_t unit = scale.Unit();
    const auto layer = [&](std::int32_t dx, std::int32_t dy) {
        engine.Print(surface, Shifted(x, dx * unit), Shifted(y, dy * unit), Text);
    };
    // A disabled caption is one layer in the colour the painter set; so is EffectNone.
    if (!IsEnabled() || caption_effect_ == EffectNone) {
        layer(0, 0);
        return;
    }
    switch (caption_effect_) {
        case EffectEmbossed:
            surface.SetForeColor(caption_effect_color_);
            layer(-1, -1);
            surface.SetForeColor(kEffectGrey);
            layer(1, 1);
            break;
        case EffectEngraved:
            surface.SetForeColor(caption_effect_color_);
            layer(1, 1);
            surface.SetForeColor(kEffectGrey);
            layer(-1, 0);
            break;
        case EffectOutline:
            surface.SetForeColor(caption_effect_color_);
            layer(1, 0);
            layer(-1, 0);
            layer(0, -1);
            layer(0, 1);
            break;
        case EffectShadow: {
            surface.SetForeColor(caption_effect_color_);
            const std::int32_t sx = OffsetByte("ShadowOffsetX", shadow_offset_x_);
            const std::int32_t sy = OffsetByte("ShadowOffsetY", shadow_offset_y_);
            engine.Print(surface, Shifted(x, scale.Whole(sx)), Shifted(y, scale.Whole(sy)), Text);
            break;
        }
        default:
            return;  // an unknown effect draws no caption at all
    }
    surface.SetForeColor(fore_color_);
    layer(0, 0);
}

}  // namespace tolvane::styler
