#include "stylerbutton/core/styler_button.h"

#include <utility>

#include "stylerbutton/core/property_table.h"

namespace tolvane::styler {

namespace {

struct DisableColours {
    gdi::Colour Caption;
    gdi::Colour Icon;
};

// The disable colours a theme brings along when it is chosen on a disabled button.
bool ThemeDisableColours(std::int32_t theme, DisableColours& colours) {
    switch (theme) {
        case ThemeDarkGloss:
            colours = {gdi::Rgb(183, 182, 186), gdi::Rgb(183, 182, 186)};
            return true;
        case ThemeBlueGlass:
            colours = {gdi::Rgb(154, 182, 200), gdi::Rgb(161, 189, 207)};
            return true;
        case ThemeSilver:
            colours = {gdi::Rgb(183, 182, 186), gdi::Rgb(178, 178, 178)};
            return true;
        default:
            return false;
    }
}

}  // namespace

StylerButton::StylerButton(Container& container) : container_(container) {}

void StylerButton::Changed(std::string_view key) {
    container_.NotifyPropertyChanged(key);
    Redraw();
}

void StylerButton::SetCaptionAlignment(std::int32_t NewValue) {
    caption_alignment_ = NewValue;
    if (!loading_) {
        caption_offset_x_ = 0;
        caption_offset_y_ = 0;
    }
    Changed(keys::CaptionAlignment);
}

void StylerButton::SetIconAlignment(std::int32_t NewValue) {
    icon_alignment_ = NewValue;
    Changed(keys::IconAlignment);
}

void StylerButton::SetCaption(std::string NewValue) {
    caption_ = std::move(NewValue);
    Changed(keys::Caption);
}

void StylerButton::SetForeColor(gdi::Colour NewValue) {
    fore_color_ = NewValue;
    Changed(keys::ForeColor);
}

void StylerButton::SetCaptionDisableColor(gdi::Colour NewValue) {
    caption_disable_color_ = NewValue;
    Changed(keys::CaptionDisableColor);
}

void StylerButton::SetCaptionEffectColor(gdi::Colour NewValue) {
    caption_effect_color_ = NewValue;
    Changed(keys::CaptionEffectColor);
}

void StylerButton::SetCaptionEffect(std::int32_t NewValue) {
    caption_effect_ = NewValue;
    Changed(keys::CaptionEffect);
}

void StylerButton::SetCaptionOffsetX(std::int16_t NewValue) {
    caption_offset_x_ = NewValue;
    Changed(keys::CaptionOffsetX);
}

void StylerButton::SetCaptionOffsetY(std::int16_t NewValue) {
    caption_offset_y_ = NewValue;
    Changed(keys::CaptionOffsetY);
}

void StylerButton::SetShadowOffsetX(std::int16_t NewValue) {
    shadow_offset_x_ = NewValue;
    Changed(keys::ShadowOffsetX);
}

void StylerButton::SetShadowOffsetY(std::int16_t NewValue) {
    shadow_offset_y_ = NewValue;
    Changed(keys::ShadowOffsetY);
}

void StylerButton::SetIconDisableColor(gdi::Colour NewValue) {
    icon_disable_color_ = NewValue;
    Changed(keys::IconDisableColor);
}

void StylerButton::SetTheme(std::int32_t NewValue) {
    // Enabled is read before the theme is stored: a disabled button takes the theme's own
    // disable colours, an enabled one keeps the colours it has.
    DisableColours colours{};
    if (!IsEnabled() && !loading_ && ThemeDisableColours(NewValue, colours)) {
        caption_disable_color_ = colours.Caption;
        icon_disable_color_ = colours.Icon;
    }
    theme_ = NewValue;
    Changed(keys::Theme);
}

void StylerButton::SetFocusDottedRect(std::int16_t NewValue) {
    focus_dotted_rect_ = ToBool16(NewValue);
    Changed(keys::FocusDottedRect);
}

void StylerButton::SetEnabled(std::int16_t NewValue) {
    enabled_ = ToBool16(NewValue);
    Changed(keys::Enabled);
}

void StylerButton::SetFont(gdi::FontRef NewValue) {
    font_ = std::move(NewValue);
    // The surface always keeps a usable font: no font leaves it with the one it has.
    if (font_) {
        container_.Surface().SetFont(font_);
    }
    Changed(keys::Font);
}

void StylerButton::SetIconTransparentColour(gdi::Colour NewValue) {
    icon_transparent_colour_ = NewValue;
    Changed(keys::IconTransparentColour);
}

void StylerButton::SetIcon(PictureRef NewValue) {
    icon_ = std::move(NewValue);
    img_icon_.SetPicture(icon_);
    img_icon_.SetAutoSize(true);
    Changed(keys::Icon);
}

void StylerButton::SetRoundedValue(std::int32_t NewValue) {
    rounded_value_ = NewValue;
    Changed(keys::RoundedValue);
}

}  // namespace tolvane::styler
