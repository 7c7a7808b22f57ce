#include "stylerbutton/core/property_table.h"

#include <array>

namespace tolvane::styler {

namespace {

constexpr std::array<PropertyInfo, 19> kProperties{{
    {"CaptionAlignment", keys::CaptionAlignment, "32-bit signed", "5", "Button Caption Alignment."},
    {"IconAlignment", keys::IconAlignment, "32-bit signed", "1", "Button Icon Alignment."},
    {"Caption", keys::Caption, "text", "", "Button Caption."},
    {"ForeColor", keys::ForeColor, "colour", "0", "Button Caption ForeColour."},
    {"CaptionDisableColor", keys::CaptionDisableColor, "colour", "0xD4D4D4",
     "Button Disabled Caption colour."},
    {"CaptionEffectColor", keys::CaptionEffectColor, "colour", "0xC8C8C8",
     "If You Apply Caption Effect(Shadow,Engraved,etc).This Colour used in Effect."},
    {"CaptionEffect", keys::CaptionEffect, "32-bit signed", "1",
     "Caption Text Effects (Shadow,Engraved,Outline,Embossed.etc)."},
    {"CaptionOffsetX", keys::CaptionOffsetX, "16-bit signed", "0", "Caption Offset X."},
    {"CaptionOffsetY", keys::CaptionOffsetY, "16-bit signed", "0", "Caption Offset Y."},
    {"ShadowOffsetX", keys::ShadowOffsetX, "16-bit signed", "2",
     "If You apply Shadow in Captioneffects.Shadow Offset X."},
    {"ShadowOffsetY", keys::ShadowOffsetY, "16-bit signed", "2",
     "If You apply Shadow in Captioneffects.Shadow Offset Y."},
    {"IconDisableColor", keys::IconDisableColor, "colour", "0xD4D4D4",
     "Button Disabled Icon colour."},
    {"Theme", keys::Theme, "32-bit signed", "1", "Button Themes Styles."},
    {"FocusDottedRect", keys::FocusDottedRect, "boolean", "True",
     "Create Button Focus Dotted Rect."},
    {"Enabled", keys::Enabled, "boolean", "True", "Button Enabled/Disable."},
    {"Font", keys::Font, "font", "the container's font", "Button Caption Font."},
    {"IconTransparentColour", keys::IconTransparentColour, "colour", "0xFF00FF",
     "Button Icon MASK/TRANSPARENT Colour."},
    {"Icon", keys::Icon, "picture", "none", "Button Icon."},
    {"RoundedValue", keys::RoundedValue, "32-bit signed", "5", "Button Border Rounded Value."},
}};

}  // namespace

std::span<const PropertyInfo> PropertyTable() {
    return kProperties;
}

}  // namespace tolvane::styler
