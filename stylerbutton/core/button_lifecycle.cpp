#include "stylerbutton/core/property_table.h"
#include "stylerbutton/core/styler_button.h"

namespace tolvane::styler {

namespace {

// Sets a flag for the lifetime of the guard and clears it again, also when a read fails.
class FlagGuard {
  public:
    explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

  private:
    bool& flag_;
};

PropertyValue BooleanValue(std::int16_t stored) {
    return PropertyValue{stored != 0};
}

}  // namespace

void StylerButton::ApplyDefaults() {
    SetCaption(container_.InstanceName());
    SetForeColor(0);
    // Enabled is still false here, so this brings the theme's disable colours along; the last two
    // assignments replace them.
    SetTheme(ThemeDarkGloss);
    SetFocusDottedRect(BoolTrue);
    SetEnabled(BoolTrue);
    SetFont(container_.ContainerFont());
    SetIcon(nullptr);
    SetIconTransparentColour(store_defaults::IconTransparentColour);
    SetRoundedValue(5);
    SetCaptionAlignment(AlignMiddleCenter);
    SetCaptionOffsetX(0);
    SetCaptionOffsetY(0);
    SetShadowOffsetX(2);
    SetShadowOffsetY(2);
    SetCaptionEffectColor(0xFFFFFF);
    SetCaptionEffect(EffectNone);
    SetIconAlignment(IconLeft);
    SetCaptionDisableColor(0xD4D4D4);
    SetIconDisableColor(0xD4D4D4);
    StartOrStopHoverPoll();
}

void StylerButton::LoadProperties(PropertyStore& store) {
    {
        // The CaptionAlignment and Theme setters would otherwise reset the caption offsets and
        // the disable colours read before them.
        FlagGuard loading(loading_);
        ReadProperties(store);
    }
    StartOrStopHoverPoll();
}

void StylerButton::ReadProperties(PropertyStore& store) {
    namespace d = store_defaults;
    const auto read = [&store](std::string_view key, const PropertyValue& fallback) {
        return store.Read(key, fallback);
    };
    SetCaption(ToText(keys::Caption, read(keys::Caption, std::string())));
    SetCaptionDisableColor(
        ToColour(keys::CaptionDisableColor,
                 read(keys::CaptionDisableColor, ColourValue(d::CaptionDisableColor))));
    SetIconDisableColor(ToColour(keys::IconDisableColor,
                                 read(keys::IconDisableColor, ColourValue(d::IconDisableColor))));
    SetCaptionEffectColor(
        ToColour(keys::CaptionEffectColor,
                 read(keys::CaptionEffectColor, ColourValue(d::CaptionEffectColor))));
    SetCaptionEffect(ToInt32(keys::CaptionEffect, read(keys::CaptionEffect, d::CaptionEffect)));
    SetCaptionOffsetY(ToInt16(keys::CaptionOffsetY, read(keys::CaptionOffsetY, d::CaptionOffsetY)));
    SetCaptionOffsetX(ToInt16(keys::CaptionOffsetX, read(keys::CaptionOffsetX, d::CaptionOffsetX)));
    SetShadowOffsetY(ToInt16(keys::ShadowOffsetY, read(keys::ShadowOffsetY, d::ShadowOffsetY)));
    SetShadowOffsetX(ToInt16(keys::ShadowOffsetX, read(keys::ShadowOffsetX, d::ShadowOffsetX)));
    SetForeColor(ToColour(keys::ForeColor, read(keys::ForeColor, ColourValue(d::ForeColor))));
    SetTheme(ToInt32(keys::Theme, read(keys::Theme, d::Theme)));
    SetFocusDottedRect(
        ToBoolean(keys::FocusDottedRect, read(keys::FocusDottedRect, d::FocusDottedRect)));
    SetEnabled(ToBoolean(keys::Enabled, read(keys::Enabled, d::Enabled)));
    SetFont(ToFont(keys::Font, read(keys::Font, container_.ContainerFont())));
    SetIcon(ToPicture(keys::Icon, read(keys::Icon, PictureRef())));
    SetIconTransparentColour(
        ToColour(keys::IconTransparentColour,
                 read(keys::IconTransparentColour, ColourValue(d::IconTransparentColour))));
    SetRoundedValue(ToInt32(keys::RoundedValue, read(keys::RoundedValue, d::RoundedValue)));
    SetCaptionAlignment(
        ToInt32(keys::CaptionAlignment, read(keys::CaptionAlignment, d::CaptionAlignment)));
    SetIconAlignment(ToInt32(keys::IconAlignment, read(keys::IconAlignment, d::IconAlignment)));
}

void StylerButton::SaveProperties(PropertyStore& store) const {
    namespace d = store_defaults;
    store.Write(keys::Caption, caption_, std::string());
    store.Write(keys::ForeColor, ColourValue(fore_color_), ColourValue(d::ForeColor));
    store.Write(keys::CaptionDisableColor, ColourValue(caption_disable_color_),
                ColourValue(d::CaptionDisableColor));
    store.Write(keys::CaptionEffectColor, ColourValue(caption_effect_color_),
                ColourValue(d::CaptionEffectColor));
    store.Write(keys::CaptionEffect, caption_effect_, d::CaptionEffect);
    store.Write(keys::CaptionOffsetX, caption_offset_x_, d::CaptionOffsetX);
    store.Write(keys::CaptionOffsetY, caption_offset_y_, d::CaptionOffsetY);
    store.Write(keys::ShadowOffsetX, shadow_offset_x_, d::ShadowOffsetX);
    store.Write(keys::ShadowOffsetY, shadow_offset_y_, d::ShadowOffsetY);
    store.Write(keys::IconDisableColor, ColourValue(icon_disable_color_),
                ColourValue(d::IconDisableColor));
    store.Write(keys::Theme, theme_, d::Theme);
    store.Write(keys::FocusDottedRect, BooleanValue(focus_dotted_rect_), d::FocusDottedRect);
    store.Write(keys::Enabled, BooleanValue(enabled_), d::Enabled);
    store.Write(keys::Font, font_, container_.ContainerFont());
    store.Write(keys::Icon, icon_, PictureRef());
    store.Write(keys::IconTransparentColour, ColourValue(icon_transparent_colour_),
                ColourValue(d::IconTransparentColour));
    store.Write(keys::RoundedValue, rounded_value_, d::RoundedValue);
    store.Write(keys::CaptionAlignment, caption_alignment_, d::CaptionAlignment);
    store.Write(keys::IconAlignment, icon_alignment_, d::IconAlignment);
}

void StylerButton::Teardown() {
    container_.StopHoverTimer();
    pressed_ = BoolFalse;
    mouse_over_ = BoolFalse;
    has_focus_ = BoolFalse;
    container_.Surface().Clear();
}

void StylerButton::StartOrStopHoverPoll() {
    if (container_.RunMode()) {
        container_.StartHoverTimer();
    } else {
        container_.StopHoverTimer();
    }
}

}  // namespace tolvane::styler
