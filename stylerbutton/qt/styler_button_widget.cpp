#include "stylerbutton/qt/styler_button_widget.h"

#include <cmath>
#include <cstdint>
#include <exception>
#include <memory>

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "qt/fonts.h"
#include "qt/mouse_buttons.h"
#include "base/mouse_bits.h"
#include "stylerbutton/qt/qt_input_codes.h"
#include "stylerbutton/qt/styler_button_accessible.h"
#include "qt/surface_image.h"

namespace tolvane::styler {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The region as Qt takes it, in logical pixels: one rectangle per span, each grown to the logical
// pixels its device pixels touch (at ratio 1 the span itself). An empty region becomes a mask
// that lies wholly outside the widget, since an empty QRegion would mean no mask at all.
QRegion ToQRegion(const gdi::Region& region, double ratio) {
    if (region.IsEmpty()) {
        return QRegion(-1, -1, 1, 1);
    }
    QRegion result;
    for (const gdi::Region::Span& span : region.Spans()) {
        if (ratio == 1.0) {
            result += QRect(span.XBegin, span.Y, span.XEnd - span.XBegin, 1);
            continue;
        }
        const auto left = static_cast<int>(std::floor(span.XBegin / ratio));
        const auto right = static_cast<int>(std::ceil(span.XEnd / ratio));
        const auto top = static_cast<int>(std::floor(span.Y / ratio));
        const auto bottom = static_cast<int>(std::ceil((span.Y + 1) / ratio));
        result += QRect(left, top, right - left, bottom - top);
    }
    return result;
}

gdi::FontRef DefaultContainerFont() {
    return std::make_shared<gdi::Font>(qt::DefaultSurfaceFont());
}

}  // namespace

StylerButtonWidget::StylerButtonWidget(const std::string& instance_name, QWidget* parent)
    : QWidget(parent),
      instance_name_(instance_name),
      container_font_(DefaultContainerFont()),
      hover_timer_(this),
      button_(*this) {
    setObjectName(FromUtf8(instance_name));
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel inside the mask comes from the surface.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Mouse events stop here, so the window below never starts a drag from a press on the button.
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    hover_timer_.SetEnabled(false);
    hover_timer_.SetInterval(static_cast<int>(kHoverPollInterval.count()));
    hover_timer_.OnTick([this] { Deliver([this] { button_.OnHoverTimerTick(); }); });
    WatchTopLevelWindow();
    RelayEvents();
    InstallStylerButtonAccessible();
    // The caption is the accessible name.
    connect(this, &StylerButtonWidget::CaptionChanged, this, [this] {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    });
    SyncSurfaceSize();
}

StylerButtonWidget::~StylerButtonWidget() {
    button_.Teardown();
}

void StylerButtonWidget::Invalidate() {
    paint_pending_ = true;
    update();
}

void StylerButtonWidget::Press() {
    Deliver([this] { button_.OnClick(); });
}

// ---- Container --------------------------------------------------------------------------------

gdi::Surface& StylerButtonWidget::Surface() {
    SyncSurfaceSize();
    return surface_;
}

void StylerButtonWidget::SetWindowRgn(gdi::Region region) {
    if (!region_applied_ || region != region_) {
        region_ = std::move(region);
        region_applied_ = true;
        setMask(ToQRegion(region_, surface_ratio_));
    }
    // The window shows the new picture at its next paint, which only copies the surface.
    update();
    TellAccessibleStateChanges();
}

void StylerButtonWidget::TellAccessibleStateChanges() {
    const AccessibleFlags now{button_.Enabled() == BoolFalse, button_.Pressed() != BoolFalse,
                              button_.MouseOver() != BoolFalse, button_.HasFocus() != BoolFalse};
    QAccessible::State changed;
    changed.disabled = now.Disabled != accessible_flags_.Disabled;
    changed.pressed = now.Pressed != accessible_flags_.Pressed;
    changed.hotTracked = now.HotTracked != accessible_flags_.HotTracked;
    changed.focused = now.Focused != accessible_flags_.Focused;
    accessible_flags_ = now;
    // Qt hands the notice to the platform's bridge, which drops it while no client listens.
    if (changed.disabled || changed.pressed || changed.hotTracked || changed.focused) {
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

// Each question to the windowing system is a round trip to the X server. While the pointer is
// outside the button's top-level window (Qt follows it there through enter and leave events) and
// the button does not count it as over itself, no answer could change anything: the window under
// the pointer is not the button's. The poll then does not tick at all; a tick that still comes
// (one due as the pointer left) keeps the position read last and asks nothing.
bool StylerButtonWidget::PointerMayBeOverButton() const {
    return button_.MouseOver() != BoolFalse || window()->underMouse();
}

void StylerButtonWidget::StartHoverTimer() {
    hover_started_ = true;
    SyncHoverTimer();
}

void StylerButtonWidget::StopHoverTimer() {
    hover_started_ = false;
    SyncHoverTimer();
}

void StylerButtonWidget::SyncHoverTimer() {
    const bool tick = hover_started_ && PointerMayBeOverButton();
    if (tick != hover_timer_.Enabled()) {
        hover_timer_.SetEnabled(tick);
    }
}

void StylerButtonWidget::WatchTopLevelWindow() {
    QWidget* top = window();
    if (top == watched_window_) {
        return;
    }
    if (watched_window_ && watched_window_ != this) {
        watched_window_->removeEventFilter(this);
    }
    watched_window_ = top;
    if (top != this) {
        top->installEventFilter(this);
    }
    SyncHoverTimer();
}

// Qt marks a widget as under the mouse before its enter or leave event reaches any filter.
bool StylerButtonWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watched_window_ &&
        (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
        SyncHoverTimer();
    }
    return QWidget::eventFilter(watched, event);
}

bool StylerButtonWidget::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
        case QEvent::ParentChange:
        case QEvent::Show:
            WatchTopLevelWindow();
            break;
        case QEvent::Enter:
        case QEvent::Leave:
            pointer_local_.reset();
            if (event->type() == QEvent::Enter) {
                pointer_local_ = static_cast<QEnterEvent*>(event)->position();
            }
            if (window() == this) {
                SyncHoverTimer();
            }
            break;
        default:
            break;
    }
    return handled;
}

ScreenPoint StylerButtonWidget::GetCursorPos() {
    if (PointerMayBeOverButton()) {
        const QPoint at = QCursor::pos();
        last_cursor_pos_ = ScreenPoint{at.x(), at.y()};
    }
    return last_cursor_pos_;
}

bool StylerButtonWidget::IsOwnWindowAt(ScreenPoint point) {
    const QPoint global(point.X, point.Y);
    // Outside the button's rectangle no window under the point can be the button's own; only a
    // point inside it needs the windowing system, which knows the mask and covering windows.
    const QPoint local = mapFromGlobal(global);
    if (!PointerMayBeOverButton() || !rect().contains(local)) {
        return false;
    }
    if (QApplication::widgetAt(global) != this) {
        return false;
    }
    // The mask holds whole logical pixels; the shape is cut in device pixels. The pointer's
    // device pixel is known from the last mouse event when that lies in the same logical pixel;
    // otherwise the device pixel at the middle of the logical one stands for it.
    if (surface_ratio_ == 1.0) {
        return true;
    }
    QPointF at(local.x() + 0.5, local.y() + 0.5);
    if (pointer_local_ && std::floor(pointer_local_->x()) == local.x() &&
        std::floor(pointer_local_->y()) == local.y()) {
        at = *pointer_local_;
    }
    return region_.Contains(static_cast<int>(std::floor(at.x() * surface_ratio_)),
                            static_cast<int>(std::floor(at.y() * surface_ratio_)));
}

// ---- Painting ---------------------------------------------------------------------------------

void StylerButtonWidget::SyncSurfaceSize() {
    const DeviceScale scale(devicePixelRatioF());
    if (scale.Ratio() != surface_ratio_) {
        surface_ratio_ = scale.Ratio();
        text_.SetDevicePixelRatio(surface_ratio_);
        // At ratio 1 the mask is the shape and every pixel inside it is painted. Otherwise the
        // mask's edge pixels are partly outside the shape and show the parent through.
        setAttribute(Qt::WA_OpaquePaintEvent, surface_ratio_ == 1.0);
        region_applied_ = false;  // the mask is made anew for this ratio
        paint_pending_ = true;
    }
    const std::int32_t width = scale.Whole(this->width());
    const std::int32_t height = scale.Whole(this->height());
    if (surface_.Width() != width || surface_.Height() != height) {
        surface_.Resize(width, height);
        paint_pending_ = true;
    }
}

void StylerButtonWidget::RunPendingPaintRow() {
    SyncSurfaceSize();
    if (paint_pending_) {
        paint_pending_ = false;
        button_.OnPaint();
    }
}

void StylerButtonWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RunPendingPaintRow();
}

void StylerButtonWidget::paintEvent(QPaintEvent* event) {
    RunPendingPaintRow();
    QPainter painter(this);
    if (surface_ratio_ == 1.0) {
        CopySurfaceToImage(surface_, image_);
        painter.drawImage(event->rect(), image_, event->rect());
        return;
    }
    // Device pixels one to one: the image carries the ratio, so Qt does not scale it.
    CopySurfaceToImage(surface_, region_, image_);
    image_.setDevicePixelRatio(surface_ratio_);
    painter.drawImage(QPointF(0, 0), image_);
}

// ---- Input ------------------------------------------------------------------------------------

template <class Input>
void StylerButtonWidget::Deliver(Input&& input) {
    try {
        input();
    } catch (const std::exception& error) {
        qWarning("%s: %s", instance_name_.c_str(), error.what());
    } catch (...) {
        qWarning("%s: an event handler failed", instance_name_.c_str());
    }
}

void StylerButtonWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const std::int16_t button = qt::MouseButtonBits(event->button());
    if (button == 0) {
        return;
    }
    if (button == base::kLeftButton) {
        left_pressed_ = true;
    }
    const QPointF at = event->position();
    Deliver([&] {
        button_.OnMouseDown(button, qt::ShiftMask(event->modifiers()),
                            static_cast<float>(at.x()), static_cast<float>(at.y()));
    });
}

void StylerButtonWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPointF at = event->position();
    pointer_local_ = at;
    Deliver([&] {
        button_.OnMouseMove(qt::MouseButtonBits(event->buttons()),
                            qt::ShiftMask(event->modifiers()), static_cast<float>(at.x()),
                            static_cast<float>(at.y()));
    });
}

void StylerButtonWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const std::int16_t button = qt::MouseButtonBits(event->button());
    if (button == 0) {
        return;
    }
    const QPointF at = event->position();
    const bool click =
        button == base::kLeftButton && left_pressed_ && rect().contains(at.toPoint());
    if (button == base::kLeftButton) {
        left_pressed_ = false;
    }
    Deliver([&] {
        button_.OnMouseUp(button, qt::ShiftMask(event->modifiers()), static_cast<float>(at.x()),
                          static_cast<float>(at.y()));
    });
    if (click) {
        Deliver([&] { button_.OnClick(); });
    }
}

void StylerButtonWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    event->accept();
    // The second press of a double click is the double click: no MouseDown, no pressed look, and
    // its release makes no Click.
    left_pressed_ = false;
    Deliver([&] { button_.OnDoubleClick(); });
}

void StylerButtonWidget::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        event->ignore();  // focus navigation
        return;
    }
    event->accept();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (const std::int16_t code = VirtualKeyCode(key, modifiers); code != 0) {
        Deliver([&] { button_.OnKeyDown(code, qt::ShiftMask(modifiers)); });
    }
    for (const std::int16_t character : KeyCharacterCodes(key, modifiers, event->text())) {
        Deliver([&] { button_.OnKeyPress(character); });
    }
}

void StylerButtonWidget::keyReleaseEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        event->ignore();
        return;
    }
    event->accept();
    // A held key repeats as release-and-press pairs marked auto-repeat; only the real release
    // is a key-up.
    if (event->isAutoRepeat()) {
        return;
    }
    if (const std::int16_t code = VirtualKeyCode(key, event->modifiers()); code != 0) {
        Deliver([&] { button_.OnKeyUp(code, qt::ShiftMask(event->modifiers())); });
    }
}

void StylerButtonWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    Deliver([this] { button_.OnFocusReceived(); });
}

void StylerButtonWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    Deliver([this] { button_.OnFocusLost(); });
}

}  // namespace tolvane::styler
