#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "gdi/colour.h"
#include "stylerbutton/core/button_values.h"

namespace tolvane::styler {

// The store key of each property: what SaveProperties writes, LoadProperties reads and every
// setter passes to NotifyPropertyChanged.
namespace keys {
inline constexpr std::string_view CaptionAlignment = "CaptionAlignment";
inline constexpr std::string_view IconAlignment = "IconAlignment";
inline constexpr std::string_view Caption = "Caption";
inline constexpr std::string_view ForeColor = "ForeColor";
inline constexpr std::string_view CaptionDisableColor = "CaptionDisableColor";
inline constexpr std::string_view CaptionEffectColor = "CaptionEffectColor";
inline constexpr std::string_view CaptionEffect = "CaptionEffect";
inline constexpr std::string_view CaptionOffsetX = "CaptionOffsetX";
inline constexpr std::string_view CaptionOffsetY = "CaptionOffsetY";
inline constexpr std::string_view ShadowOffsetX = "ShadowOffsetX";
inline constexpr std::string_view ShadowOffsetY = "ShadowOffsetY";
inline constexpr std::string_view IconDisableColor = "IconDisableColor";
inline constexpr std::string_view Theme = "Theme";
inline constexpr std::string_view FocusDottedRect = "FocusDottedRect";
inline constexpr std::string_view Enabled = "Enabled";
inline constexpr std::string_view Font = "Font";
inline constexpr std::string_view IconTransparentColour = "IconTransparentColour";
inline constexpr std::string_view Icon = "Icon";
inline constexpr std::string_view RoundedValue = "RoundedValue";
}  // namespace keys

// The default each key is read and written with. Caption's is the empty text, Font's the
// container's font and Icon's no picture.
namespace store_defaults {
inline constexpr std::int32_t CaptionAlignment = AlignMiddleCenter;
inline constexpr std::int32_t IconAlignment = IconLeft;
inline constexpr gdi::Colour ForeColor = 0;
inline constexpr gdi::Colour CaptionDisableColor = 0xD4D4D4;  // RGB(212,212,212)
inline constexpr gdi::Colour CaptionEffectColor = 0xC8C8C8;   // RGB(200,200,200)
inline constexpr std::int32_t CaptionEffect = EffectNone;
inline constexpr std::int16_t CaptionOffsetX = 0;
inline constexpr std::int16_t CaptionOffsetY = 0;
inline constexpr std::int16_t ShadowOffsetX = 2;
inline constexpr std::int16_t ShadowOffsetY = 2;
inline constexpr gdi::Colour IconDisableColor = 0xD4D4D4;
inline constexpr std::int32_t Theme = ThemeDarkGloss;
inline constexpr bool FocusDottedRect = true;
inline constexpr bool Enabled = true;
inline constexpr gdi::Colour IconTransparentColour = 0xFF00FF;  // magenta
inline constexpr std::int32_t RoundedValue = 5;
}  // namespace store_defaults

// One property as design tools list it.
struct PropertyInfo {
    std::string_view Name;
    std::string_view StoreKey;
    std::string_view Type;          // "32-bit signed", "16-bit signed", "colour", "boolean", ...
    std::string_view StoreDefault;  // the store default written out, e.g. "5", "0xD4D4D4"
    std::string_view Description;   // the text design tools show
};

// The nineteen properties in declaration order.
std::span<const PropertyInfo> PropertyTable();

}  // namespace tolvane::styler
