#include "stylerbutton/core/property_table.h"

#include <array>
#include <string>
#include <utility>

#include "stylerbutton/core/container.h"
#include "stylerbutton/core/styler_button.h"

namespace tolvane::styler {

namespace {

using T = PropertyType;
using B = StylerButton;

// A value of the type in its stored form.
template <PropertyType Type, class Value>
PropertyValue StoredForm(Value value) {
    if constexpr (Type == T::Colour) {
        return ColourValue(value);
    } else if constexpr (Type == T::Boolean) {
        return PropertyValue{value != 0};
    } else {
        return PropertyValue{std::move(value)};
    }
}

// A stored value converted to the type.
template <PropertyType Type>
auto FromStored(std::string_view key, const PropertyValue& stored) {
    if constexpr (Type == T::Text) {
        return ToText(key, stored);
    } else if constexpr (Type == T::Int32) {
        return ToInt32(key, stored);
    } else if constexpr (Type == T::Int16) {
        return ToInt16(key, stored);
    } else if constexpr (Type == T::Colour) {
        return ToColour(key, stored);
    } else if constexpr (Type == T::Boolean) {
        return ToBoolean(key, stored);
    } else if constexpr (Type == T::Font) {
        return ToFont(key, stored);
    } else {
        return ToPicture(key, stored);
    }
}

template <PropertyType Type, auto Getter>
PropertyValue GetStored(const StylerButton& button) {
    return StoredForm<Type>((button.*Getter)());
}

template <PropertyType Type, auto Setter>
void SetStored(StylerButton& button, std::string_view key, const PropertyValue& stored) {
    (button.*Setter)(FromStored<Type>(key, stored));
}

template <PropertyType Type, auto Getter, auto Setter>
constexpr PropertyAccess Bind() {
    return {&GetStored<Type, Getter>, &SetStored<Type, Setter>};
}

constexpr TableValue Num(std::int64_t number) {
    return {TableValue::Kind::Number, number};
}
constexpr TableValue kTrue = Num(-1);
constexpr TableValue kEmptyText{TableValue::Kind::EmptyText};
constexpr TableValue kNoPicture{TableValue::Kind::NoPicture};
constexpr TableValue kInstanceName{TableValue::Kind::InstanceName};
constexpr TableValue kContainerFont{TableValue::Kind::ContainerFont};

namespace d = store_defaults;

// In the order LoadProperties reads. The two ranks place each row in ApplyDefaults and in
// SaveProperties. Enabled and Font take other Qt and QML names: QWidget has an `enabled` (the
// window's enabled state) and a `font` of its own, Qt Quick's Item an `enabled` and its controls
// a `font`.
// clang-format off
constexpr std::array<PropertyInfo, 19> kTable{{
    {"Caption", keys::Caption, T::Text, kInstanceName, kEmptyText,
          "Caption", "caption", "Button Caption.", 1, 1,
          Bind<T::Text, &B::Caption, &B::SetCaption>()},
    {"CaptionDisableColor", keys::CaptionDisableColor, T::Colour, Num(0xD4D4D4),
          Num(d::CaptionDisableColor), "CaptionDisableColor", "captionDisableColor",
          "Button Disabled Caption colour.", 18, 3,
          Bind<T::Colour, &B::CaptionDisableColor, &B::SetCaptionDisableColor>()},
    {"IconDisableColor", keys::IconDisableColor, T::Colour, Num(0xD4D4D4),
          Num(d::IconDisableColor), "IconDisableColor", "iconDisableColor",
          "Button Disabled Icon colour.", 19, 10,
          Bind<T::Colour, &B::IconDisableColor, &B::SetIconDisableColor>()},
    {"CaptionEffectColor", keys::CaptionEffectColor, T::Colour, Num(0xFFFFFF),
          Num(d::CaptionEffectColor), "CaptionEffectColor", "captionEffectColor",
          "If You Apply Caption Effect(Shadow,Engraved,etc).This Colour used in Effect.", 15, 4,
          Bind<T::Colour, &B::CaptionEffectColor, &B::SetCaptionEffectColor>()},
    {"CaptionEffect", keys::CaptionEffect, T::Int32, Num(EffectNone), Num(d::CaptionEffect),
          "CaptionEffect", "captionEffect",
          "Caption Text Effects (Shadow,Engraved,Outline,Embossed.etc).", 16, 5,
          Bind<T::Int32, &B::CaptionEffect, &B::SetCaptionEffect>()},
    {"CaptionOffsetY", keys::CaptionOffsetY, T::Int16, Num(0), Num(d::CaptionOffsetY),
          "CaptionOffsetY", "captionOffsetY", "Caption Offset Y.", 12, 7,
          Bind<T::Int16, &B::CaptionOffsetY, &B::SetCaptionOffsetY>()},
    {"CaptionOffsetX", keys::CaptionOffsetX, T::Int16, Num(0), Num(d::CaptionOffsetX),
          "CaptionOffsetX", "captionOffsetX", "Caption Offset X.", 11, 6,
          Bind<T::Int16, &B::CaptionOffsetX, &B::SetCaptionOffsetX>()},
    {"ShadowOffsetY", keys::ShadowOffsetY, T::Int16, Num(2), Num(d::ShadowOffsetY),
          "ShadowOffsetY", "shadowOffsetY",
          "If You apply Shadow in Captioneffects.Shadow Offset Y.", 14, 9,
          Bind<T::Int16, &B::ShadowOffsetY, &B::SetShadowOffsetY>()},
    {"ShadowOffsetX", keys::ShadowOffsetX, T::Int16, Num(2), Num(d::ShadowOffsetX),
          "ShadowOffsetX", "shadowOffsetX",
          "If You apply Shadow in Captioneffects.Shadow Offset X.", 13, 8,
          Bind<T::Int16, &B::ShadowOffsetX, &B::SetShadowOffsetX>()},
    {"ForeColor", keys::ForeColor, T::Colour, Num(0), Num(d::ForeColor),
          "ForeColor", "foreColor", "Button Caption ForeColour.", 2, 2,
          Bind<T::Colour, &B::ForeColor, &B::SetForeColor>()},
    {"Theme", keys::Theme, T::Int32, Num(ThemeDarkGloss), Num(d::Theme),
          "Theme", "theme", "Button Themes Styles.", 3, 11,
          Bind<T::Int32, &B::Theme, &B::SetTheme>()},
    {"FocusDottedRect", keys::FocusDottedRect, T::Boolean, kTrue, Num(d::FocusDottedRect),
          "FocusDottedRect", "focusDottedRect", "Create Button Focus Dotted Rect.", 4, 12,
          Bind<T::Boolean, &B::FocusDottedRect, &B::SetFocusDottedRect>()},
    {"Enabled", keys::Enabled, T::Boolean, kTrue, Num(d::Enabled),
          "ButtonEnabled", "buttonEnabled", "Button Enabled/Disable.", 5, 13,
          Bind<T::Boolean, &B::Enabled, &B::SetEnabled>()},
    {"Font", keys::Font, T::Font, kContainerFont, kContainerFont,
          "CaptionFont", "captionFont", "Button Caption Font.", 6, 14,
          Bind<T::Font, &B::Font, &B::SetFont>()},
    {"Icon", keys::Icon, T::Picture, kNoPicture, kNoPicture,
          "Icon", "icon", "Button Icon.", 7, 15,
          Bind<T::Picture, &B::Icon, &B::SetIcon>()},
    {"IconTransparentColour", keys::IconTransparentColour, T::Colour, Num(0xFF00FF),
          Num(d::IconTransparentColour), "IconTransparentColour", "iconTransparentColour",
          "Button Icon MASK/TRANSPARENT Colour.", 8, 16,
          Bind<T::Colour, &B::IconTransparentColour, &B::SetIconTransparentColour>()},
    {"RoundedValue", keys::RoundedValue, T::Int32, Num(5), Num(d::RoundedValue),
          "RoundedValue", "roundedValue", "Button Border Rounded Value.", 9, 17,
          Bind<T::Int32, &B::RoundedValue, &B::SetRoundedValue>()},
    {"CaptionAlignment", keys::CaptionAlignment, T::Int32, Num(AlignMiddleCenter),
          Num(d::CaptionAlignment), "CaptionAlignment", "captionAlignment",
          "Button Caption Alignment.", 10, 18,
          Bind<T::Int32, &B::CaptionAlignment, &B::SetCaptionAlignment>()},
    {"IconAlignment", keys::IconAlignment, T::Int32, Num(IconLeft), Num(d::IconAlignment),
          "IconAlignment", "iconAlignment", "Button Icon Alignment.", 17, 19,
          Bind<T::Int32, &B::IconAlignment, &B::SetIconAlignment>()},
}};
// clang-format on

using Order = std::array<const PropertyInfo*, kTable.size()>;

// The rows by a rank; a rank out of 1..19 or given twice does not compile.
template <int PropertyInfo::*Rank>
constexpr Order InRankOrder() {
    Order order{};
    for (const PropertyInfo& row : kTable) {
        const int rank = row.*Rank;
        if (rank < 1 || rank > static_cast<int>(order.size()) || order[rank - 1] != nullptr) {
            throw "a rank is out of range or given twice";
        }
        order[rank - 1] = &row;
    }
    return order;
}

constexpr Order kDefaultsOrder = InRankOrder<&PropertyInfo::DefaultsRank>();
constexpr Order kSaveOrder = InRankOrder<&PropertyInfo::SaveRank>();

// Checks what the table's columns promise of each other.
constexpr bool IsNumeric(PropertyType type) {
    return type != T::Text && type != T::Font && type != T::Picture;
}
constexpr bool QmlNameIsQtNameInLowerCamelCase(const PropertyInfo& row) {
    const std::string_view qt = row.QtName;
    const std::string_view qml = row.QmlName;
    return !qt.empty() && qml.size() == qt.size() && qml.substr(1) == qt.substr(1) &&
           qt[0] >= 'A' && qt[0] <= 'Z' && qml[0] == qt[0] - 'A' + 'a';
}
constexpr bool TableIsConsistent() {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        const PropertyInfo& row = kTable[i];
        for (std::size_t j = 0; j < i; ++j) {
            if (kTable[j].StoreKey == row.StoreKey || kTable[j].QtName == row.QtName) {
                return false;
            }
        }
        const bool numbers_fit =
            (row.NewInstance.kind == TableValue::Kind::Number) == IsNumeric(row.Type) &&
            (row.StoreDefault.kind == TableValue::Kind::Number) == IsNumeric(row.Type);
        if (!numbers_fit || !QmlNameIsQtNameInLowerCamelCase(row) || row.Name != row.StoreKey) {
            return false;
        }
    }
    return true;
}
static_assert(TableIsConsistent());

}  // namespace

std::span<const PropertyInfo> PropertyTable() {
    return kTable;
}

std::span<const PropertyInfo* const> PropertiesInDefaultsOrder() {
    return kDefaultsOrder;
}

std::span<const PropertyInfo* const> PropertiesInSaveOrder() {
    return kSaveOrder;
}

const PropertyInfo* FindProperty(std::string_view key) {
    for (const PropertyInfo& row : kTable) {
        if (row.StoreKey == key) {
            return &row;
        }
    }
    return nullptr;
}

PropertyValue Resolve(const PropertyInfo& property, TableValue value, const Container& container) {
    switch (value.kind) {
        case TableValue::Kind::EmptyText:
            return std::string();
        case TableValue::Kind::NoPicture:
            return PictureRef();
        case TableValue::Kind::InstanceName:
            return container.InstanceName();
        case TableValue::Kind::ContainerFont:
            return container.ContainerFont();
        case TableValue::Kind::Number:
            break;
    }
    switch (property.Type) {
        case T::Int16:
            return static_cast<std::int16_t>(value.number);
        case T::Colour:
            return ColourValue(static_cast<gdi::Colour>(value.number));
        case T::Boolean:
            return PropertyValue{value.number != 0};
        default:
            return static_cast<std::int32_t>(value.number);
    }
}

}  // namespace tolvane::styler
