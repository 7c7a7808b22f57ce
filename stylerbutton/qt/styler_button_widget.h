#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "gdi/region.h"
#include "qt/form_timer.h"
#include "qt/qt_text_engine.h"
#include "stylerbutton/core/hosted_button.h"
#include "stylerbutton/core/styler_button.h"

namespace tolvane::styler {

// The Qt widget that hosts one StylerButton: it turns Qt's events into the inputs of a
// HostedButton, shows its surface in paintEvent and applies its region as the mask. The ten
// events are signals of the same names (after the callbacks of Events()); the nineteen
// properties are Qt properties with NOTIFY signals, named as PropertyTable() says (Enabled and
// Font are ButtonEnabled and CaptionFont). stylerbutton/README.md tells the rest.
class StylerButtonWidget : public QWidget, private HostWindow {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(int CaptionAlignment READ CaptionAlignment WRITE SetCaptionAlignment NOTIFY CaptionAlignmentChanged)
    Q_PROPERTY(int IconAlignment READ IconAlignment WRITE SetIconAlignment NOTIFY IconAlignmentChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE SetForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(uint CaptionDisableColor READ CaptionDisableColor WRITE SetCaptionDisableColor NOTIFY CaptionDisableColorChanged)
    Q_PROPERTY(uint CaptionEffectColor READ CaptionEffectColor WRITE SetCaptionEffectColor NOTIFY CaptionEffectColorChanged)
    Q_PROPERTY(int CaptionEffect READ CaptionEffect WRITE SetCaptionEffect NOTIFY CaptionEffectChanged)
    Q_PROPERTY(qint16 CaptionOffsetX READ CaptionOffsetX WRITE SetCaptionOffsetX NOTIFY CaptionOffsetXChanged)
    Q_PROPERTY(qint16 CaptionOffsetY READ CaptionOffsetY WRITE SetCaptionOffsetY NOTIFY CaptionOffsetYChanged)
    Q_PROPERTY(qint16 ShadowOffsetX READ ShadowOffsetX WRITE SetShadowOffsetX NOTIFY ShadowOffsetXChanged)
    Q_PROPERTY(qint16 ShadowOffsetY READ ShadowOffsetY WRITE SetShadowOffsetY NOTIFY ShadowOffsetYChanged)
    Q_PROPERTY(uint IconDisableColor READ IconDisableColor WRITE SetIconDisableColor NOTIFY IconDisableColorChanged)
    Q_PROPERTY(int Theme READ Theme WRITE SetTheme NOTIFY ThemeChanged)
    Q_PROPERTY(bool FocusDottedRect READ FocusDottedRect WRITE SetFocusDottedRect NOTIFY FocusDottedRectChanged)
    Q_PROPERTY(bool ButtonEnabled READ ButtonEnabled WRITE SetButtonEnabled NOTIFY ButtonEnabledChanged)
    Q_PROPERTY(QFont CaptionFont READ CaptionFont WRITE SetCaptionFont NOTIFY CaptionFontChanged)
    Q_PROPERTY(uint IconTransparentColour READ IconTransparentColour WRITE SetIconTransparentColour NOTIFY IconTransparentColourChanged)
    Q_PROPERTY(QImage Icon READ Icon WRITE SetIcon NOTIFY IconChanged)
    Q_PROPERTY(int RoundedValue READ RoundedValue WRITE SetRoundedValue NOTIFY RoundedValueChanged)
    // clang-format on

  public:
    // instance_name is the ambient InstanceName (e.g. "StylerButton1") and the object name.
    explicit StylerButtonWidget(const std::string& instance_name, QWidget* parent = nullptr);
    // Tears the button down (stops its hover poll).
    ~StylerButtonWidget() override;
    StylerButtonWidget(const StylerButtonWidget&) = delete;
    StylerButtonWidget& operator=(const StylerButtonWidget&) = delete;

    // The hosted control (lifecycle, inputs, state). Set event callbacks on Events(), not on it.
    StylerButton& Button() { return hosted_.Button(); }
    const StylerButton& Button() const { return hosted_.Button(); }
    // The ten events as callbacks; each runs before the signal of the same name.
    StylerButtonEvents& Events() { return events_; }

    // Ambient values (Tahoma 8.25 pt and true until set); set them before ApplyDefaults or
    // LoadProperties.
    gdi::FontRef ContainerFont() const { return hosted_.ContainerFont(); }
    void SetContainerFont(gdi::FontRef font) { hosted_.SetContainerFont(std::move(font)); }
    void SetRunMode(bool running) { hosted_.SetRunMode(running); }
    std::string InstanceName() const override { return instance_name_; }

    // Asks for the paint row (clear, Redraw) at the next paint event.
    void Invalidate() { hosted_.Invalidate(); }
    // Assistive technology's press action: Click as Enter gives it, with no key or mouse event.
    void Press() { hosted_.PressAction(); }
    // The Qt property of a store key ("Enabled" gives "ButtonEnabled"), or null.
    static const char* QtPropertyName(std::string_view key);
    // The region last applied, in device pixels; the mask is the logical pixels it touches.
    const gdi::Region& WindowRegion() const { return hosted_.Region(); }
    // The surface, sized to the widget in device pixels.
    gdi::Surface& Surface() { return hosted_.Surface(); }
    // Whether tmrCheck is started, and whether it ticks (it sleeps while the pointer is away).
    bool IsHoverTimerRunning() const { return hosted_.IsHoverTimerRunning(); }
    bool IsHoverPollTicking() const { return hosted_.IsHoverPollTicking(); }

    // ---- Qt properties (the button's, in Qt's types; colours are 0x00BBGGRR) -------------------
    int CaptionAlignment() const { return Button().CaptionAlignment(); }
    void SetCaptionAlignment(int value) { Button().SetCaptionAlignment(value); }
    int IconAlignment() const { return Button().IconAlignment(); }
    void SetIconAlignment(int value) { Button().SetIconAlignment(value); }
    QString Caption() const;
    void SetCaption(const QString& value);
    uint ForeColor() const { return Button().ForeColor(); }
    void SetForeColor(uint value) { Button().SetForeColor(value); }
    uint CaptionDisableColor() const { return Button().CaptionDisableColor(); }
    void SetCaptionDisableColor(uint value) { Button().SetCaptionDisableColor(value); }
    uint CaptionEffectColor() const { return Button().CaptionEffectColor(); }
    void SetCaptionEffectColor(uint value) { Button().SetCaptionEffectColor(value); }
    int CaptionEffect() const { return Button().CaptionEffect(); }
    void SetCaptionEffect(int value) { Button().SetCaptionEffect(value); }
    qint16 CaptionOffsetX() const { return Button().CaptionOffsetX(); }
    void SetCaptionOffsetX(qint16 value) { Button().SetCaptionOffsetX(value); }
    qint16 CaptionOffsetY() const { return Button().CaptionOffsetY(); }
    void SetCaptionOffsetY(qint16 value) { Button().SetCaptionOffsetY(value); }
    qint16 ShadowOffsetX() const { return Button().ShadowOffsetX(); }
    void SetShadowOffsetX(qint16 value) { Button().SetShadowOffsetX(value); }
    qint16 ShadowOffsetY() const { return Button().ShadowOffsetY(); }
    void SetShadowOffsetY(qint16 value) { Button().SetShadowOffsetY(value); }
    uint IconDisableColor() const { return Button().IconDisableColor(); }
    void SetIconDisableColor(uint value) { Button().SetIconDisableColor(value); }
    int Theme() const { return Button().Theme(); }
    void SetTheme(int value) { Button().SetTheme(value); }
    bool FocusDottedRect() const { return Button().FocusDottedRect() != 0; }
    void SetFocusDottedRect(bool value) { Button().SetFocusDottedRect(ToBool16(value)); }
    bool ButtonEnabled() const { return Button().Enabled() != 0; }
    void SetButtonEnabled(bool value) { Button().SetEnabled(ToBool16(value)); }
    QFont CaptionFont() const;
    void SetCaptionFont(const QFont& value);
    uint IconTransparentColour() const { return Button().IconTransparentColour(); }
    void SetIconTransparentColour(uint value) { Button().SetIconTransparentColour(value); }
    QImage Icon() const;
    void SetIcon(const QImage& value);
    int RoundedValue() const { return Button().RoundedValue(); }
    void SetRoundedValue(int value) { Button().SetRoundedValue(value); }

  signals:
    // ---- The button's events ------------------------------------------------------------------
    void Click();
    void DoubleClick();
    void KeyDown(qint16& KeyCode, qint16& Shift);
    void KeyPress(qint16& KeyAscii);
    void KeyUp(qint16& KeyCode, qint16& Shift);
    void MouseDown(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseMove(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseUp(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseEnters(int X, int Y);
    void MouseLeaves(int X, int Y);

    // ---- Property notification ----------------------------------------------------------------
    // The design-time notice: a property changed; key is its store key.
    void PropertyChanged(const QString& key);
    void CaptionAlignmentChanged();
    void IconAlignmentChanged();
    void CaptionChanged();
    void ForeColorChanged();
    void CaptionDisableColorChanged();
    void CaptionEffectColorChanged();
    void CaptionEffectChanged();
    void CaptionOffsetXChanged();
    void CaptionOffsetYChanged();
    void ShadowOffsetXChanged();
    void ShadowOffsetYChanged();
    void IconDisableColorChanged();
    void ThemeChanged();
    void FocusDottedRectChanged();
    void ButtonEnabledChanged();
    void CaptionFontChanged();
    void IconTransparentColourChanged();
    void IconChanged();
    void RoundedValueChanged();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // HostWindow
    WindowSize Size() const override;
    gdi::TextEngine& Text() override { return text_; }
    void ApplyRegion(const gdi::Region& region, double device_pixel_ratio) override;
    void RequestRepaint() override;
    ScreenPoint CursorPos() override;
    bool IsOwnWindowAt(ScreenPoint point) override;
    void ReportFailure(std::string_view message) override;
    void NotifyPropertyChanged(std::string_view key) override;
    void DevicePixelRatioChanged(double ratio) override;
    bool PointerInTopLevelWindow() const override { return window()->underMouse(); }

    // Raises the button's events to Events() and to the signals.
    void RelayEvents();
    template <class... Args>
    auto Relay(std::function<void(Args...)> StylerButtonEvents::*callback,
               void (StylerButtonWidget::*signal)(Args...));
    // Tells assistive technology which of Enabled, Pressed, MouseOver and HasFocus changed since
    // it was told last. Runs at every Redraw.
    void TellAccessibleStateChanges();
    // Watches the top-level window's enter and leave events, which wake the hover poll.
    void WatchTopLevelWindow();

    std::string instance_name_;
    // Whether the pointer is known only from this application's events (Wayland), so that the
    // hover poll asks Qt's enter and leave bookkeeping instead of the windowing system.
    bool pointer_from_events_;
    StylerButtonEvents events_;
    qt::QtTextEngine text_;
    qt::FormTimer hover_timer_;
    QPointer<QWidget> watched_window_;
    // Where the last mouse event over the widget put the pointer, in logical pixels with their
    // fractions (a scaled screen places it on a device pixel); none once it left.
    std::optional<QPointF> pointer_local_;
    // The last picture shown, kept to reuse its buffer.
    QImage image_;
    // The states assistive technology was last told of.
    struct AccessibleFlags {
        bool Disabled = false;
        bool Pressed = false;
        bool HotTracked = false;
        bool Focused = false;
    } accessible_flags_;
    HostedButton hosted_;  // last: it calls this widget from its construction on
};

}  // namespace tolvane::styler
