#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QtQml/qqmlregistration.h>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QQuickItem>
#include <QString>
#include <QUrl>

#include "qt/form_timer.h"
#include "qt/qt_text_engine.h"
#include "stylerbutton/core/button_values.h"
#include "stylerbutton/core/hosted_button.h"
#include "stylerbutton/quick/icon_loader.h"
#include "stylerbutton/quick/styler_button_event_objects.h"

namespace tolvane::styler {

// The Qt Quick item that hosts one StylerButton: it turns Qt Quick's events into the inputs of a
// HostedButton, shows its surface as a texture in device pixels and takes its region as its
// shape (contains()). The nineteen properties carry the property table's QML names, each with a
// NOTIFY signal raised from the button's change notice; the ten events are signals. QML uses
// the type StylerButton (StylerButton.qml), which is this item with its Accessible face;
// stylerbutton/README.md ("From QML") tells the rest.
class StylerButtonItem : public QQuickItem, private HostWindow {
    Q_OBJECT
    QML_NAMED_ELEMENT(StylerButtonItem)
    // clang-format off
    Q_PROPERTY(int captionAlignment READ CaptionAlignment WRITE SetCaptionAlignment NOTIFY captionAlignmentChanged)
    Q_PROPERTY(int iconAlignment READ IconAlignment WRITE SetIconAlignment NOTIFY iconAlignmentChanged)
    Q_PROPERTY(QString caption READ Caption WRITE SetCaption NOTIFY captionChanged)
    Q_PROPERTY(QColor foreColor READ ForeColor WRITE SetForeColor NOTIFY foreColorChanged)
    Q_PROPERTY(QColor captionDisableColor READ CaptionDisableColor WRITE SetCaptionDisableColor NOTIFY captionDisableColorChanged)
    Q_PROPERTY(QColor captionEffectColor READ CaptionEffectColor WRITE SetCaptionEffectColor NOTIFY captionEffectColorChanged)
    Q_PROPERTY(int captionEffect READ CaptionEffect WRITE SetCaptionEffect NOTIFY captionEffectChanged)
    Q_PROPERTY(int captionOffsetX READ CaptionOffsetX WRITE SetCaptionOffsetX NOTIFY captionOffsetXChanged)
    Q_PROPERTY(int captionOffsetY READ CaptionOffsetY WRITE SetCaptionOffsetY NOTIFY captionOffsetYChanged)
    Q_PROPERTY(int shadowOffsetX READ ShadowOffsetX WRITE SetShadowOffsetX NOTIFY shadowOffsetXChanged)
    Q_PROPERTY(int shadowOffsetY READ ShadowOffsetY WRITE SetShadowOffsetY NOTIFY shadowOffsetYChanged)
    Q_PROPERTY(QColor iconDisableColor READ IconDisableColor WRITE SetIconDisableColor NOTIFY iconDisableColorChanged)
    Q_PROPERTY(int theme READ Theme WRITE SetTheme NOTIFY themeChanged)
    Q_PROPERTY(bool focusDottedRect READ FocusDottedRect WRITE SetFocusDottedRect NOTIFY focusDottedRectChanged)
    Q_PROPERTY(bool buttonEnabled READ ButtonEnabled WRITE SetButtonEnabled NOTIFY buttonEnabledChanged)
    Q_PROPERTY(QFont captionFont READ CaptionFont WRITE SetCaptionFont NOTIFY captionFontChanged)
    Q_PROPERTY(QColor iconTransparentColour READ IconTransparentColour WRITE SetIconTransparentColour NOTIFY iconTransparentColourChanged)
    Q_PROPERTY(QUrl icon READ Icon WRITE SetIcon NOTIFY iconChanged)
    Q_PROPERTY(int roundedValue READ RoundedValue WRITE SetRoundedValue NOTIFY roundedValueChanged)
    Q_PROPERTY(QString toolTip READ ToolTip WRITE SetToolTip NOTIFY toolTipChanged)
    // clang-format on

  public:
    // The value names of theme, captionEffect, captionAlignment and iconAlignment. The properties
    // are ints: any other value is stored as given, as the button stores it.
    enum Themes {
        ThemeDarkGloss = styler::ThemeDarkGloss,
        ThemeBlueGlass = styler::ThemeBlueGlass,
        ThemeSilver = styler::ThemeSilver,
    };
    Q_ENUM(Themes)
    enum CaptionEffects {
        EffectNone = styler::EffectNone,
        EffectEmbossed = styler::EffectEmbossed,
        EffectEngraved = styler::EffectEngraved,
        EffectOutline = styler::EffectOutline,
        EffectShadow = styler::EffectShadow,
    };
    Q_ENUM(CaptionEffects)
    enum CaptionAlignments {
        AlignTopLeft = styler::AlignTopLeft,
        AlignMiddleLeft = styler::AlignMiddleLeft,
        AlignBottomLeft = styler::AlignBottomLeft,
        AlignTopCenter = styler::AlignTopCenter,
        AlignMiddleCenter = styler::AlignMiddleCenter,
        AlignBottomCenter = styler::AlignBottomCenter,
        AlignTopRight = styler::AlignTopRight,
        AlignMiddleRight = styler::AlignMiddleRight,
        AlignBottomRight = styler::AlignBottomRight,
    };
    Q_ENUM(CaptionAlignments)
    enum IconAlignments { IconLeft = styler::IconLeft, IconRight = styler::IconRight };
    Q_ENUM(IconAlignments)

    // A new instance (ApplyDefaults, run mode) named "StylerButton" until objectName names it.
    explicit StylerButtonItem(QQuickItem* parent = nullptr);
    // Tears the button down (stops its hover poll).
    ~StylerButtonItem() override;
    StylerButtonItem(const StylerButtonItem&) = delete;
    StylerButtonItem& operator=(const StylerButtonItem&) = delete;

    // The hosted control (state, inputs) and its surface, for C++ code and tests.
    StylerButton& Button() { return hosted_.Button(); }
    const StylerButton& Button() const { return hosted_.Button(); }
    gdi::Surface& Surface() { return hosted_.Surface(); }
    const gdi::Region& WindowRegion() const { return hosted_.Region(); }
    bool IsHoverTimerRunning() const { return hosted_.IsHoverTimerRunning(); }
    bool IsHoverPollTicking() const { return hosted_.IsHoverPollTicking(); }
    // Asks for the paint row (clear, Redraw) before the next frame.
    void Invalidate() { hosted_.Invalidate(); }
    // Assistive technology's press action: Click as Enter gives it, only while buttonEnabled.
    Q_INVOKABLE void press() { hosted_.PressAction(); }

    // The shape for input: the button's region, looked up in device pixels.
    bool contains(const QPointF& point) const override;

    // ---- Properties (colours are QML colors, offsets -32768..32767) ---------------------------
    int CaptionAlignment() const { return Button().CaptionAlignment(); }
    void SetCaptionAlignment(int value) { Button().SetCaptionAlignment(value); }
    int IconAlignment() const { return Button().IconAlignment(); }
    void SetIconAlignment(int value) { Button().SetIconAlignment(value); }
    QString Caption() const { return QString::fromStdString(Button().Caption()); }
    void SetCaption(const QString& value) { Button().SetCaption(value.toStdString()); }
    QColor ForeColor() const;
    void SetForeColor(const QColor& value);
    QColor CaptionDisableColor() const;
    void SetCaptionDisableColor(const QColor& value);
    QColor CaptionEffectColor() const;
    void SetCaptionEffectColor(const QColor& value);
    int CaptionEffect() const { return Button().CaptionEffect(); }
    void SetCaptionEffect(int value) { Button().SetCaptionEffect(value); }
    int CaptionOffsetX() const { return Button().CaptionOffsetX(); }
    void SetCaptionOffsetX(int value);
    int CaptionOffsetY() const { return Button().CaptionOffsetY(); }
    void SetCaptionOffsetY(int value);
    int ShadowOffsetX() const { return Button().ShadowOffsetX(); }
    void SetShadowOffsetX(int value);
    int ShadowOffsetY() const { return Button().ShadowOffsetY(); }
    void SetShadowOffsetY(int value);
    QColor IconDisableColor() const;
    void SetIconDisableColor(const QColor& value);
    int Theme() const { return Button().Theme(); }
    void SetTheme(int value) { Button().SetTheme(value); }
    bool FocusDottedRect() const { return Button().FocusDottedRect() != BoolFalse; }
    void SetFocusDottedRect(bool value) { Button().SetFocusDottedRect(ToBool16(value)); }
    bool ButtonEnabled() const { return Button().Enabled() != BoolFalse; }
    void SetButtonEnabled(bool value) { Button().SetEnabled(ToBool16(value)); }
    QFont CaptionFont() const;
    void SetCaptionFont(const QFont& value);
    QColor IconTransparentColour() const;
    void SetIconTransparentColour(const QColor& value);
    // The URL last assigned. The button's Icon is the picture read from it (icon_loader.h) once
    // it is read; an empty URL, or one that cannot be read (with a warning), gives no icon.
    QUrl Icon() const { return icon_url_; }
    void SetIcon(const QUrl& value);
    int RoundedValue() const { return Button().RoundedValue(); }
    void SetRoundedValue(int value) { Button().SetRoundedValue(value); }
    // Not one of the button's properties: the accessible description (StylerButton.qml).
    QString ToolTip() const { return tool_tip_; }
    void SetToolTip(const QString& value);

  signals:
    // ---- The button's events: arguments the button reads back are event objects --------------
    void click();
    void dblClick();
    void keyDown(tolvane::styler::StylerButtonKeyEvent* key);
    void keyPress(tolvane::styler::StylerButtonKeyPressEvent* key);
    void keyUp(tolvane::styler::StylerButtonKeyEvent* key);
    void mouseDown(tolvane::styler::StylerButtonMouseEvent* mouse);
    void mouseMove(tolvane::styler::StylerButtonMouseEvent* mouse);
    void mouseUp(tolvane::styler::StylerButtonMouseEvent* mouse);
    void mouseEnters(int x, int y);
    void mouseLeaves(int x, int y);

    // ---- Property notification ----------------------------------------------------------------
    // The design-time notice: a property changed; key is its store key.
    void propertyChanged(const QString& key);
    void captionAlignmentChanged();
    void iconAlignmentChanged();
    void captionChanged();
    void foreColorChanged();
    void captionDisableColorChanged();
    void captionEffectColorChanged();
    void captionEffectChanged();
    void captionOffsetXChanged();
    void captionOffsetYChanged();
    void shadowOffsetXChanged();
    void shadowOffsetYChanged();
    void iconDisableColorChanged();
    void themeChanged();
    void focusDottedRectChanged();
    void buttonEnabledChanged();
    void captionFontChanged();
    void iconTransparentColourChanged();
    void iconChanged();
    void roundedValueChanged();
    void toolTipChanged();

  protected:
    void geometryChange(const QRectF& new_geometry, const QRectF& old_geometry) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;
    void updatePolish() override;
    QSGNode* updatePaintNode(QSGNode* old_node, UpdatePaintNodeData* data) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseUngrabEvent() override { buttons_held_ = Qt::NoButton; }
    void hoverEnterEvent(QHoverEvent* event) override;
    void hoverMoveEvent(QHoverEvent* event) override;
    void hoverLeaveEvent(QHoverEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // HostWindow
    std::string InstanceName() const override;
    WindowSize Size() const override;
    gdi::TextEngine& Text() override { return text_; }
    void ApplyRegion(const gdi::Region& region, double device_pixel_ratio) override;
    void RequestRepaint() override;
    ScreenPoint CursorPos() override { return pointer_; }
    bool IsOwnWindowAt(ScreenPoint point) override;
    void ReportFailure(std::string_view message) override;
    void NotifyPropertyChanged(std::string_view key) override;
    void DevicePixelRatioChanged(double ratio) override { text_.SetDevicePixelRatio(ratio); }
    bool PointerInTopLevelWindow() const override { return pointer_over_; }

    // Raises the button's events as the signals above.
    void RelayEvents();
    // Where the pointer is, from a mouse or hover event at `local` (logical pixels).
    void TrackPointer(QPointF local, bool over);
    void IconRead(const QUrl& url, const QImage& image, const QString& error);
    // The control's colour of a QML color; none (with a warning) for an invalid color.
    std::optional<gdi::Colour> ColourOf(const char* property, const QColor& value) const;

    QString tool_tip_;
    QUrl icon_url_;
    IconLoader icon_loader_;
    qt::QtTextEngine text_;
    qt::FormTimer hover_timer_;
    // The pointer's last screen position and whether it is over the button's shape, from Qt
    // Quick's hover and mouse events (no window lookup, no cursor query).
    ScreenPoint pointer_;
    bool pointer_over_ = false;
    // The buttons this item's presses hold down: moves then come as mouse moves, not hover.
    Qt::MouseButtons buttons_held_;
    // The picture to show, in device pixels (transparent outside the region), and whether the
    // surface changed since it was copied and the texture since it was made.
    QImage image_;
    bool surface_changed_ = false;
    bool texture_changed_ = false;
    bool polishing_ = false;
    HostedButton hosted_;  // last: it calls this item from its construction on
};

}  // namespace tolvane::styler
