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

template <class Field, class Value>
void StylerButton::Assign(Field& field, Value&& value, std::string_view key,
                          SideEffect side_effect) {
    field = std::forward<Value>(value);
    if (side_effect != nullptr) {
        (this->*side_effect)();
    }
    container_.NotifyPropertyChanged(key);
    Redraw();
}

// ---- Setters, in declaration order ------------------------------------------------------------

void StylerButton::SetCaptionAlignment(std::int32_t NewValue) {
    Assign(caption_alignment_, NewValue, keys::CaptionAlignment,
           &StylerButton::ResetCaptionOffsets);
}

void StylerButton::SetIconAlignment(std::int32_t NewValue) {
    Assign(icon_alignment_, NewValue, keys::IconAlignment);
}

void StylerButton::SetCaption(std::string NewValue) {
    Assign(caption_, std::move(NewValue), keys::Caption);
}

void StylerButton::SetForeColor(gdi::Colour NewValue) {
    Assign(fore_color_, NewValue, keys::ForeColor);
}

void StylerButton::SetCaptionDisableColor(gdi::Colour NewValue) {
    Assign(caption_disable_color_, NewValue, keys::CaptionDisableColor);
}

void StylerButton::SetCaptionEffectColor(gdi::Colour NewValue) {
    Assign(caption_effect_color_, NewValue, keys::CaptionEffectColor);
}

void StylerButton::SetCaptionEffect(std::int32_t NewValue) {
    Assign(caption_effect_, NewValue, keys::CaptionEffect);
}

void StylerButton::SetCaptionOffsetX(std::int16_t NewValue) {
    Assign(caption_offset_x_, NewValue, keys::CaptionOffsetX);
}

void StylerButton::SetCaptionOffsetY(std::int16_t NewValue) {
    Assign(caption_offset_y_, NewValue, keys::CaptionOffsetY);
}

void StylerButton::SetShadowOffsetX(std::int16_t NewValue) {
    Assign(shadow_offset_x_, NewValue, keys::ShadowOffsetX);
}

void StylerButton::SetShadowOffsetY(std::int16_t NewValue) {
    Assign(shadow_offset_y_, NewValue, keys::ShadowOffsetY);
}

void StylerButton::SetIconDisableColor(gdi::Colour NewValue) {
    Assign(icon_disable_color_, NewValue, keys::IconDisableColor);
}

void StylerButton::SetTheme(std::int32_t NewValue) {
    Assign(theme_, NewValue, keys::Theme, &StylerButton::TakeThemeDisableColours);
}

void StylerButton::SetFocusDottedRect(std::int16_t NewValue) {
    Assign(focus_dotted_rect_, ToBool16(NewValue), keys::FocusDottedRect);
}

void StylerButton::SetEnabled(std::int16_t NewValue) {
    // Only the flag: the state flags and the host's window are left as they are.
    Assign(enabled_, ToBool16(NewValue), keys::Enabled);
}

void StylerButton::SetFont(gdi::FontRef NewValue) {
    Assign(font_, std::move(NewValue), keys::Font, &StylerButton::UseFontOnSurface);
}

void StylerButton::SetIconTransparentColour(gdi::Colour NewValue) {
    Assign(icon_transparent_colour_, NewValue, keys::IconTransparentColour);
}

void StylerButton::SetIcon(PictureRef NewValue) {
    Assign(icon_, std::move(NewValue), keys::Icon, &StylerButton::PutIconIntoHolder);
}

void StylerButton::SetRoundedValue(std::int32_t NewValue) {
    Assign(rounded_value_, NewValue, keys::RoundedValue);
}

// ---- Side effects -----------------------------------------------------------------------------
// While LoadProperties runs, the two that reset other properties leave them alone, so that every
// property keeps the value read for it.

void StylerButton::ResetCaptionOffsets() {
    if (!loading_) {
        caption_offset_x_ = 0;
        caption_offset_y_ = 0;
    }
}

// A disabled button takes the new theme's own disable colours; an enabled one keeps the colours
// it has. Enabled is the button's flag, which storing the theme does not touch.
void StylerButton::TakeThemeDisableColours() {
    DisableColours colours{};
    if (!IsEnabled() && !loading_ && ThemeDisableColours(theme_, colours)) {
        caption_disable_color_ = colours.Caption;
        icon_disable_color_ = colours.Icon;
    }
}

// The surface always keeps a usable font: no font leaves it with the one it has.
void StylerButton::UseFontOnSurface() {
    if (font_) {
        container_.Surface().SetFont(font_);
    }
}

void StylerButton::PutIconIntoHolder() {
    img_icon_.SetPicture(icon_);
    img_icon_.SetAutoSize(true);
}

}  // namespace tolvane::styler
