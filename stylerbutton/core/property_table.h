#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "gdi/colour.h"
#include "stylerbutton/core/button_values.h"
#include "stylerbutton/core/property_value.h"

namespace tolvane::styler {

class Container;
class StylerButton;

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

// A property's type; it fixes the stored form and the conversion from a stored value
// (property_value.h): Text a string, Int32 and Colour a 32-bit integer, Int16 a 16-bit integer,
// Boolean a bool (the button keeps -1 / 0), Font and Picture a reference.
enum class PropertyType { Text, Int32, Int16, Colour, Boolean, Font, Picture };

// A value the table names: a number (integers, colours, flags with -1 for true), or a value that
// is no number or that only the container knows.
struct TableValue {
    enum class Kind { Number, EmptyText, NoPicture, InstanceName, ContainerFont };
    Kind kind = Kind::Number;
    std::int64_t number = 0;
};

// A property's binding to the control: the button's value in its stored form, and its setter fed
// with a stored value converted to the property's type (a PropertyValueError names `key` when it
// cannot be).
struct PropertyAccess {
    PropertyValue (*Get)(const StylerButton& button);
    void (*Set)(StylerButton& button, std::string_view key, const PropertyValue& stored);
};

// One property: its names, its values and its binding to the control.
struct PropertyInfo {
    std::string_view Name;      // the control's own name
    std::string_view StoreKey;  // what the store and NotifyPropertyChanged know it by
    PropertyType Type;
    TableValue NewInstance;        // what ApplyDefaults assigns
    TableValue StoreDefault;       // what LoadProperties reads and SaveProperties writes it with
    std::string_view QtName;       // the widget's Q_PROPERTY (Enabled and Font are renamed)
    std::string_view QmlName;      // the Qt Quick item's property: the Qt name in lower camel case
    std::string_view Description;  // the text design tools show
    int DefaultsRank;              // 1..19: the place of its assignment in ApplyDefaults
    int SaveRank;                  // 1..19: the place of its entry in SaveProperties
    PropertyAccess Access;
};

// The nineteen properties in the order LoadProperties reads them.
std::span<const PropertyInfo> PropertyTable();
// The same rows in the order ApplyDefaults assigns them, and in the order SaveProperties writes.
std::span<const PropertyInfo* const> PropertiesInDefaultsOrder();
std::span<const PropertyInfo* const> PropertiesInSaveOrder();
// The row of a store key (exact match), or nullptr.
const PropertyInfo* FindProperty(std::string_view key);

// A table value as the property's stored form; ambient values come from the container.
PropertyValue Resolve(const PropertyInfo& property, TableValue value, const Container& container);

}  // namespace tolvane::styler
