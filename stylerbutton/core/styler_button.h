#pragma once

#include <cstdint>
#include <string>

#include "gdi/colour.h"
#include "gdi/font.h"
#include "gdi/rect.h"
#include "gdi/surface.h"
#include "gdi/text_engine.h"
#include "stylerbutton/core/button_values.h"
#include "stylerbutton/core/container.h"
#include "stylerbutton/core/device_scale.h"
#include "stylerbutton/core/picture.h"
#include "stylerbutton/core/picture_holder.h"
#include "stylerbutton/core/property_store.h"
#include "stylerbutton/core/styler_button_events.h"

namespace tolvane::styler {

class RepaintSteps;

// An owner-drawn push-button with three themes, a caption with effects and an icon, hosted by a
// Container. All of it runs on the host's one user-interface thread.
//
// A new instance has every field zero (Enabled reads false, Theme 0, no font, no icon) and its
// hover poll stopped; ApplyDefaults or LoadProperties gives it its properties.
//
// Every setter stores the value, applies its side effect, notifies the container with the
// property's store key and repaints, even when the value is unchanged. Booleans are stored as
// 16-bit values, -1 true and 0 false; their setters store any non-zero value as -1.
class StylerButton {
  public:
    // The container must outlive the button.
    explicit StylerButton(Container& container);
    StylerButton(const StylerButton&) = delete;
    StylerButton& operator=(const StylerButton&) = delete;

    // ---- Properties, in declaration order --------------------------------------------------

    // 1..9 (AlignTopLeft..AlignBottomRight). Setting it, to any value, also sets both caption
    // offsets to 0 without notifying them.
    std::int32_t CaptionAlignment() const { return caption_alignment_; }
    void SetCaptionAlignment(std::int32_t NewValue);

    // IconLeft or IconRight; other values draw no icon.
    std::int32_t IconAlignment() const { return icon_alignment_; }
    void SetIconAlignment(std::int32_t NewValue);

    // The caption text (UTF-8); the getter returns a copy.
    std::string Caption() const { return caption_; }
    void SetCaption(std::string NewValue);

    gdi::Colour ForeColor() const { return fore_color_; }
    void SetForeColor(gdi::Colour NewValue);

    gdi::Colour CaptionDisableColor() const { return caption_disable_color_; }
    void SetCaptionDisableColor(gdi::Colour NewValue);

    gdi::Colour CaptionEffectColor() const { return caption_effect_color_; }
    void SetCaptionEffectColor(gdi::Colour NewValue);

    // EffectNone..EffectShadow.
    std::int32_t CaptionEffect() const { return caption_effect_; }
    void SetCaptionEffect(std::int32_t NewValue);

    std::int16_t CaptionOffsetX() const { return caption_offset_x_; }
    void SetCaptionOffsetX(std::int16_t NewValue);

    std::int16_t CaptionOffsetY() const { return caption_offset_y_; }
    void SetCaptionOffsetY(std::int16_t NewValue);

    std::int16_t ShadowOffsetX() const { return shadow_offset_x_; }
    void SetShadowOffsetX(std::int16_t NewValue);

    std::int16_t ShadowOffsetY() const { return shadow_offset_y_; }
    void SetShadowOffsetY(std::int16_t NewValue);

    gdi::Colour IconDisableColor() const { return icon_disable_color_; }
    void SetIconDisableColor(gdi::Colour NewValue);

    // ThemeDarkGloss, ThemeBlueGlass or ThemeSilver. While Enabled is false, setting one of
    // these three also sets both disable colours to that theme's pair, without notifying them.
    std::int32_t Theme() const { return theme_; }
    void SetTheme(std::int32_t NewValue);

    std::int16_t FocusDottedRect() const { return focus_dotted_rect_; }
    void SetFocusDottedRect(std::int16_t NewValue);

    // Gates all input except painting. Changing it leaves Pressed, MouseOver and HasFocus alone.
    std::int16_t Enabled() const { return enabled_; }
    void SetEnabled(std::int16_t NewValue);

    // The stored reference itself. A font also becomes the drawing surface's font; setting no
    // font leaves the surface's font as it is.
    const gdi::FontRef& Font() const { return font_; }
    void SetFont(gdi::FontRef NewValue);

    gdi::Colour IconTransparentColour() const { return icon_transparent_colour_; }
    void SetIconTransparentColour(gdi::Colour NewValue);

    // The stored reference itself. Setting it also puts the picture into imgIcon, sized to it.
    const PictureRef& Icon() const { return icon_; }
    void SetIcon(PictureRef NewValue);

    // Corner rounding in pixels; a value below 1 is raised to 1 by the next repaint.
    std::int32_t RoundedValue() const { return rounded_value_; }
    void SetRoundedValue(std::int32_t NewValue);

    // ---- Method ----------------------------------------------------------------------------

    // Paints a four-corner gradient onto any surface (the gradient primitive of the same name).
    void DrawGradientFourColour(gdi::Hdc ObjectHDC, std::int32_t Left, std::int32_t Top,
                                std::int32_t Width, std::int32_t Height, gdi::Colour TopLeftColour,
                                gdi::Colour TopRightColour, gdi::Colour BottomLeftColour,
                                gdi::Colour BottomRightColour);

    // ---- Events ----------------------------------------------------------------------------

    StylerButtonEvents& Events() { return events_; }

    // ---- Lifecycle, called by the container ------------------------------------------------

    // A new instance without saved properties: assigns every property its first value through
    // its setter, then starts tmrCheck when the container runs (stops it otherwise).
    void ApplyDefaults();
    // A saved instance is re-created: reads every key with its store default and assigns it
    // through its setter; every property ends with the value read. A stored value that cannot be
    // converted raises PropertyValueError; properties assigned before it keep their values.
    void LoadProperties(PropertyStore& store);
    // Writes one entry per property with its store default; changes nothing.
    void SaveProperties(PropertyStore& store) const;
    // Stops tmrCheck, clears the three state flags and clears the surface.
    void Teardown();

    // ---- Input from the button's window ----------------------------------------------------
    // While Enabled is false every input but OnPaint does nothing. An exception from an event
    // handler ends the input there and propagates to the caller.

    void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void OnClick();
    void OnDoubleClick();
    void OnKeyDown(std::int16_t keyCode, std::int16_t shift);
    void OnKeyPress(std::int16_t keyAscii);
    void OnKeyUp(std::int16_t keyCode, std::int16_t shift);
    void OnFocusReceived();
    void OnFocusLost();
    // Clears the surface to its background colour and repaints, also while disabled.
    void OnPaint();
    // The hover poll, called by the container on each tmrCheck tick.
    void OnHoverTimerTick();

    // ---- State read by the painters --------------------------------------------------------

    std::int16_t Pressed() const { return pressed_; }
    std::int16_t MouseOver() const { return mouse_over_; }
    std::int16_t HasFocus() const { return has_focus_; }
    // The pointer's screen position read by the last hover poll.
    ScreenPoint CursorPoint() const { return cursor_point_; }

    // The rectangle the gradient primitives fill; written by SetGradientRect.
    gdi::Rect& GradientRect() { return gradient_rect_; }
    const gdi::Rect& GradientRect() const { return gradient_rect_; }

    PictureHolder& imgIcon() { return img_icon_; }
    PictureHolder& imgDis() { return img_dis_; }

    // The drawing surface and its text engine, both the container's.
    gdi::Surface& UserControl() { return container_.Surface(); }
    gdi::TextEngine& Text() { return container_.Text(); }
    DeviceScale Scale() const { return DeviceScale(container_.DevicePixelRatio()); }

    // How many times the button has repainted itself.
    std::uint64_t RedrawCount() const { return redraw_count_; }

  private:
    // The one repaint path: shapes the window, sets the font, paints. Never throws.
    void Redraw();
    // Redraw's painting after the preparation: the theme's look for the state, the focus dots,
    // the icon and the caption, each a step of its own.
    void PaintButton(RepaintSteps& steps);
    // The caption in its alignment and effect, in the layers' colours (paint_caption.cpp).
    void PaintCaption(std::string Text, std::int32_t Alignment);
    // The icon, or its disabled silhouette, at its edge (paint_icon.cpp).
    void PaintIcon();
    // The one path of every setter: stores the value, applies the setter's side effect if it has
    // one, notifies the container with the property's store key, repaints. Nothing compares the
    // old and the new value.
    using SideEffect = void (StylerButton::*)();
    template <class Field, class Value>
    void Assign(Field& field, Value&& value, std::string_view key,
                SideEffect side_effect = nullptr);
    // The setters' side effects, each run after its value is stored.
    void ResetCaptionOffsets();
    void TakeThemeDisableColours();
    void UseFontOnSurface();
    void PutIconIntoHolder();
    bool IsEnabled() const { return enabled_ != 0; }
    // Runs one hover-poll check and raises MouseEnters / MouseLeaves on a change.
    void PollHover();
    // Applies LoadProperties' values in order.
    void ReadProperties(PropertyStore& store);
    void StartOrStopHoverPoll();

    Container& container_;
    StylerButtonEvents events_;

    // Instance fields in their declared order.
    std::string caption_;
    gdi::Colour caption_disable_color_ = 0;
    gdi::Colour fore_color_ = 0;
    std::int32_t caption_alignment_ = 0;
    gdi::FontRef font_;
    gdi::Colour caption_effect_color_ = 0;
    std::int32_t caption_effect_ = 0;
    std::int16_t caption_offset_x_ = 0;
    std::int16_t caption_offset_y_ = 0;
    std::int16_t shadow_offset_x_ = 0;
    std::int16_t shadow_offset_y_ = 0;
    gdi::Colour icon_disable_color_ = 0;
    std::int32_t icon_alignment_ = 0;
    gdi::Colour icon_transparent_colour_ = 0;
    PictureRef icon_;
    std::int32_t theme_ = 0;
    ScreenPoint cursor_point_;
    std::int16_t pressed_ = 0;
    std::int16_t mouse_over_ = 0;
    std::int16_t has_focus_ = 0;
    std::int16_t enabled_ = 0;
    std::int16_t focus_dotted_rect_ = 0;
    std::int32_t rounded_value_ = 0;
    gdi::Rect gradient_rect_;

    // Child picture holders: the icon and the working copy for the disabled icon.
    PictureHolder img_icon_;
    PictureHolder img_dis_;

    // True while LoadProperties runs: the CaptionAlignment and Theme setters then leave the
    // values they would reset alone, so every property keeps the value read for it.
    bool loading_ = false;
    std::uint64_t redraw_count_ = 0;
};

}  // namespace tolvane::styler
