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

#include "qt/form_timer.h"
#include "qt/qt_text_engine.h"
#include "gdi/region.h"
#include "stylerbutton/core/styler_button.h"

namespace tolvane::styler {

// The Qt widget that hosts one StylerButton: the button's window. It turns Qt's input into the
// button's inputs, shows the button's drawing surface and applies the button's region as its mask.
// No drawing logic lives here.
//
// Painting. The surface is the persistent image of the last Redraw: a paint event only copies it
// to the screen. The paint row (OnPaint: clear, then Redraw) runs when the surface is created or
// resized, and after Invalidate(), at the next paint event (a resize runs it at once, so the new
// shape applies without waiting). A paint request therefore never feeds itself: the update that
// SetWindowRgn asks for after a Redraw only copies the surface again.
//
// Mask. The region of each Redraw becomes the widget's mask when it differs from the last one, so
// a new size or RoundedValue shows its shape at once and an unchanged region costs nothing. The
// cut-away corners belong to the window underneath: Qt sends their clicks there and
// QApplication::widgetAt resolves them there. An empty region hides the whole widget.
//
// Input, in the platform's terms:
//   mouse   Button bits 1 left, 2 right, 4 middle; Shift mask 1 Shift, 2 Ctrl, 4 Alt; X and Y in
//           the button's pixels. Moves arrive with or without a button held. Click: the left
//           button pressed and released over the widget's rectangle. A double click of the left
//           button reaches the button as press, release, Click, DoubleClick, release (the second
//           press is the double click, as on Windows); other buttons' double clicks are plain
//           presses. Presses never reach the window below, so they start no window drag.
//   keys    KeyDown / KeyUp with Windows virtual-key codes, KeyPress with character codes
//           (qt_input_codes.h). A held key's auto-repeat delivers repeated key-downs (and key
//           presses where it produces a character); its auto-repeat releases are dropped, so one
//           key-up follows the real release. Keys without a virtual-key code give no key-down or
//           key-up. Tab and Backtab are left to focus navigation and never reach the button.
//   focus   Focus in and out, whatever the reason (window activation included), are the button's
//           focus received and lost. Focus policy: tab and click (Qt::StrongFocus).
//   hover   tmrCheck is a FormTimer of 50 ms (so, like every form timer, it never ticks inside
//           another tick's handler), started and stopped by the button; GetCursorPos is
//           QCursor::pos() and IsOwnWindowAt is QApplication::widgetAt() == this, which honours
//           the mask and any window that covers the button. While the pointer is outside the
//           top-level window and MouseOver is false, a poll could only answer "not the button":
//           the timer then stays started for the button (IsHoverTimerRunning) but does not tick,
//           so the idle program sleeps. The pointer entering the window starts it ticking again,
//           one poll period later at most, as a running poll would have seen it.
//
// Events. The button's ten events are Qt signals of the same names (Click, DoubleClick, KeyDown,
// KeyPress, KeyUp, MouseDown, MouseMove, MouseUp, MouseEnters, MouseLeaves), raised when the
// button raises the event, with its arguments; Events() offers the same ten as callbacks. For
// each event the callback runs first, then the connected slots, all before the button looks at
// the arguments again: a slot that changes a by-reference argument (qint16& KeyAscii set to 0 in
// KeyPress keeps Enter from clicking) changes what the button does. That needs a direct
// connection, the default between objects of one thread; a queued slot gets copies.
//
// An exception from an event callback ends that input at that point (as the button does) and
// stops at this widget: Qt's event delivery cannot carry it. It is reported on standard error
// with the instance name. Slots must not throw, as everywhere in Qt.
//
// Properties. The nineteen properties are Qt properties, each with a NOTIFY signal named
// <property>Changed that is emitted from the button's own change notification: on every
// assignment, also of an unchanged value, after the value and its side effects are stored and
// before the repaint (PropertyChanged gives the store key of the same notice). Colours are uint
// (0x00BBGGRR), the two flags bool, the four offsets qint16, and Icon a QImage (a null image is
// no icon). Seventeen keep the control's names. Two would collide with QWidget's own `enabled`
// and `font`, which differ only in letter case and mean something else, so Designer, style sheets
// (qproperty-...) and setProperty would meet two properties of one name; they take other names:
//
//   control (store key)   Qt property      QWidget's own, left as Qt defines it
//   Enabled               ButtonEnabled    enabled: the window's enabled state
//   Font                  CaptionFont      font: unused by the button
//
// ButtonEnabled is the button's Enabled flag: false, the widget stays enabled, keeps its place in
// the tab order and takes the focus and input, which the button then ignores (its own rule).
// QWidget's enabled is Qt's: a disabled widget gets no input at all, and the button's flag and
// look do not change. CaptionFont is a QFont (family, point size, weight, italic, underline,
// strikeOut); a QFont carries no character set, so writing one keeps the current font's.
//
// Accessibility. Assistive technology sees a push button named by its caption, with the states
// and the press action of styler_button_accessible.h; the widget tells it when the caption or
// one of those states changes.
class StylerButtonWidget : public QWidget, public Container {
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

    // The hosted control: its lifecycle (ApplyDefaults, LoadProperties, ...), inputs and state.
    // Its own events are this widget's, which relays them: set callbacks through Events() below,
    // not on the control.
    StylerButton& Button() { return button_; }
    const StylerButton& Button() const { return button_; }
    // The button's ten events as callbacks; the host sets the ones it wants. They run before the
    // signals of the same names.
    StylerButtonEvents& Events() { return events_; }

    // Ambient values the button reads: the container's font (Tahoma 8.25 pt until set) and
    // whether the container runs (true until set). Set them before ApplyDefaults or
    // LoadProperties.
    void SetContainerFont(gdi::FontRef font) { container_font_ = std::move(font); }
    void SetRunMode(bool running) { run_mode_ = running; }

    // Asks for the paint row (clear, Redraw) at the next paint event.
    void Invalidate();
    // The press action of assistive technology: raises Click as Enter does, only while the
    // button's Enabled is true, and no key or mouse event. An exception from a Click callback is
    // reported as for any input.
    void Press();
    // The Qt property that stands for a store key ("Enabled" gives "ButtonEnabled"), or null for
    // a key that is none of the nineteen.
    static const char* QtPropertyName(std::string_view key);
    // The region last applied, in the surface's device pixels; the mask is the logical pixels it
    // touches (the same region at ratio 1).
    const gdi::Region& WindowRegion() const { return region_; }

    // ---- Qt properties ------------------------------------------------------------------------
    int CaptionAlignment() const { return button_.CaptionAlignment(); }
    void SetCaptionAlignment(int value) { button_.SetCaptionAlignment(value); }
    int IconAlignment() const { return button_.IconAlignment(); }
    void SetIconAlignment(int value) { button_.SetIconAlignment(value); }
    QString Caption() const;
    void SetCaption(const QString& value);
    uint ForeColor() const { return button_.ForeColor(); }
    void SetForeColor(uint value) { button_.SetForeColor(value); }
    uint CaptionDisableColor() const { return button_.CaptionDisableColor(); }
    void SetCaptionDisableColor(uint value) { button_.SetCaptionDisableColor(value); }
    uint CaptionEffectColor() const { return button_.CaptionEffectColor(); }
    void SetCaptionEffectColor(uint value) { button_.SetCaptionEffectColor(value); }
    int CaptionEffect() const { return button_.CaptionEffect(); }
    void SetCaptionEffect(int value) { button_.SetCaptionEffect(value); }
    qint16 CaptionOffsetX() const { return button_.CaptionOffsetX(); }
    void SetCaptionOffsetX(qint16 value) { button_.SetCaptionOffsetX(value); }
    qint16 CaptionOffsetY() const { return button_.CaptionOffsetY(); }
    void SetCaptionOffsetY(qint16 value) { button_.SetCaptionOffsetY(value); }
    qint16 ShadowOffsetX() const { return button_.ShadowOffsetX(); }
    void SetShadowOffsetX(qint16 value) { button_.SetShadowOffsetX(value); }
    qint16 ShadowOffsetY() const { return button_.ShadowOffsetY(); }
    void SetShadowOffsetY(qint16 value) { button_.SetShadowOffsetY(value); }
    uint IconDisableColor() const { return button_.IconDisableColor(); }
    void SetIconDisableColor(uint value) { button_.SetIconDisableColor(value); }
    int Theme() const { return button_.Theme(); }
    void SetTheme(int value) { button_.SetTheme(value); }
    bool FocusDottedRect() const { return button_.FocusDottedRect() != 0; }
    void SetFocusDottedRect(bool value) { button_.SetFocusDottedRect(ToBool16(value)); }
    bool ButtonEnabled() const { return button_.Enabled() != 0; }
    void SetButtonEnabled(bool value) { button_.SetEnabled(ToBool16(value)); }
    QFont CaptionFont() const;
    void SetCaptionFont(const QFont& value);
    uint IconTransparentColour() const { return button_.IconTransparentColour(); }
    void SetIconTransparentColour(uint value) { button_.SetIconTransparentColour(value); }
    QImage Icon() const;
    void SetIcon(const QImage& value);
    int RoundedValue() const { return button_.RoundedValue(); }
    void SetRoundedValue(int value) { button_.SetRoundedValue(value); }

    // ---- Container ----------------------------------------------------------------------------
    void NotifyPropertyChanged(std::string_view key) override;
    std::string InstanceName() const override { return instance_name_; }
    gdi::FontRef ContainerFont() const override { return container_font_; }
    bool RunMode() const override { return run_mode_; }
    // Sized to the widget in device pixels: a widget resized while hidden, or moved to a screen of
    // another device pixel ratio, has its surface follow at once.
    gdi::Surface& Surface() override;
    gdi::TextEngine& Text() override { return text_; }
    double DevicePixelRatio() const override { return surface_ratio_; }
    void SetWindowRgn(gdi::Region region) override;
    void StartHoverTimer() override;
    void StopHoverTimer() override;
    bool IsHoverTimerRunning() const override { return hover_started_; }
    ScreenPoint GetCursorPos() override;
    bool IsOwnWindowAt(ScreenPoint point) override;
    // Whether the hover poll needs to ask the windowing system at all.
    bool PointerMayBeOverButton() const;
    // Whether the hover poll's timer is ticking: started, and the pointer may be over the button.
    bool IsHoverPollTicking() const { return hover_timer_.Running(); }

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
    // Raises the button's events to Events() and to the signals.
    void RelayEvents();
    template <class... Args>
    auto Relay(std::function<void(Args...)> StylerButtonEvents::*callback,
               void (StylerButtonWidget::*signal)(Args...));
    // Tells assistive technology which of the button's states (Enabled, Pressed, MouseOver,
    // HasFocus) changed since it was last told. Runs at every Redraw.
    void TellAccessibleStateChanges();
    // Makes the surface the widget's size in device pixels; a new size or ratio asks for the
    // paint row.
    void SyncSurfaceSize();
    // OnPaint, if asked for.
    void RunPendingPaintRow();
    // Lets the hover timer tick exactly while it is started and the pointer may be over the
    // button; the top-level window's enter and leave events call it, so it watches that window.
    void SyncHoverTimer();
    void WatchTopLevelWindow();
    // Runs one input of the button, reporting an exception from a host's handler.
    template <class Input>
    void Deliver(Input&& input);

    std::string instance_name_;
    StylerButtonEvents events_;
    gdi::FontRef container_font_;
    bool run_mode_ = true;
    gdi::Surface surface_;
    // The device pixel ratio the surface was made for.
    double surface_ratio_ = 1.0;
    qt::QtTextEngine text_;
    qt::FormTimer hover_timer_;
    // The button's wish: tmrCheck started or stopped.
    bool hover_started_ = false;
    // The top-level window whose enter and leave events are watched.
    QPointer<QWidget> watched_window_;
    gdi::Region region_;
    // The pointer's position at the last poll that read it.
    ScreenPoint last_cursor_pos_;
    // Where the last mouse event over the widget put the pointer, in logical pixels with their
    // fractions (a scaled screen places it on a device pixel); none once it left.
    std::optional<QPointF> pointer_local_;
    bool region_applied_ = false;
    bool paint_pending_ = true;
    // The last picture shown, kept to reuse its buffer.
    QImage image_;
    // A left press on the widget that a release over it turns into a click.
    bool left_pressed_ = false;
    // The states assistive technology was last told of: disabled, pressed, hot-tracked, focused.
    struct AccessibleFlags {
        bool Disabled = false;
        bool Pressed = false;
        bool HotTracked = false;
        bool Focused = false;
    } accessible_flags_;
    // Declared last: it refers to this widget as its container from construction on.
    StylerButton button_;
};

}  // namespace tolvane::styler
