#include "stylerbutton/qt/styler_button_widget.h"

#include <cmath>
#include <cstdint>
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
#include "qt/qt_input_codes.h"
#include "qt/surface_image.h"
#include "qt/window_system.h"
#include "stylerbutton/qt/styler_button_accessible.h"

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
      pointer_from_events_(qt::OnWayland()),
      hover_timer_(this),
      hosted_(*this, hover_timer_, DefaultContainerFont()) {
    setObjectName(FromUtf8(instance_name));
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel inside the mask comes from the surface.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Mouse events stop here, so the window below never starts a drag from a press on the button.
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    WatchTopLevelWindow();
    RelayEvents();
    InstallStylerButtonAccessible();
    // The caption is the accessible name.
    connect(this, &StylerButtonWidget::CaptionChanged, this, [this] {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    });
    hosted_.SizeChanged();
}

StylerButtonWidget::~StylerButtonWidget() {
    hosted_.Teardown();
}

// ---- HostWindow -------------------------------------------------------------------------------

WindowSize StylerButtonWidget::Size() const {
    return {width(), height(), devicePixelRatioF()};
}

// At ratio 1 the mask is the shape and every pixel inside it is painted. Otherwise the mask's
// edge pixels are partly outside the shape and show the parent through.
void StylerButtonWidget::DevicePixelRatioChanged(double ratio) {
    text_.SetDevicePixelRatio(ratio);
    setAttribute(Qt::WA_OpaquePaintEvent, ratio == 1.0);
}

void StylerButtonWidget::ApplyRegion(const gdi::Region& region, double device_pixel_ratio) {
    setMask(ToQRegion(region, device_pixel_ratio));
}

void StylerButtonWidget::RequestRepaint() {
    update();
    TellAccessibleStateChanges();
}

void StylerButtonWidget::ReportFailure(std::string_view message) {
    qWarning("%.*s", static_cast<int>(message.size()), message.data());
}

void StylerButtonWidget::TellAccessibleStateChanges() {
    const StylerButton& button = Button();
    const AccessibleFlags now{button.Enabled() == BoolFalse, button.Pressed() != BoolFalse,
                              button.MouseOver() != BoolFalse, button.HasFocus() != BoolFalse};
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
    hosted_.PointerCrossedWindow();
}

// Qt marks a widget as under the mouse before its enter or leave event reaches any filter.
bool StylerButtonWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watched_window_ &&
        (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
        hosted_.PointerCrossedWindow();
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
                hosted_.PointerCrossedWindow();
            }
            break;
        default:
            break;
    }
    return handled;
}

ScreenPoint StylerButtonWidget::CursorPos() {
    const QPoint at = QCursor::pos();
    return ScreenPoint{at.x(), at.y()};
}

// QApplication::widgetAt honours the mask and any window that covers the button. On Wayland it
// cannot be asked: the point is only where the last mouse event was (QCursor::pos), and nothing
// is known of other windows. There the enter and leave events, which mark the widget under the
// mouse and honour the mask too, tell whether the pointer is over the button; the pointer leaves
// it when it leaves the window, however far it jumps.
bool StylerButtonWidget::IsOwnWindowAt(ScreenPoint point) {
    const QPoint global(point.X, point.Y);
    // Outside the button's rectangle no window under the point can be the button's own; only a
    // point inside it needs the windowing system.
    const QPoint local = mapFromGlobal(global);
    if (!rect().contains(local)) {
        return false;
    }
    if (pointer_from_events_ ? !underMouse() : QApplication::widgetAt(global) != this) {
        return false;
    }
    // The mask holds whole logical pixels; the shape is cut in device pixels. The pointer's
    // device pixel is known from the last mouse event when that lies in the same logical pixel;
    // otherwise the device pixel at the middle of the logical one stands for it.
    const double ratio = hosted_.DevicePixelRatio();
    if (ratio == 1.0) {
        return true;
    }
    QPointF at(local.x() + 0.5, local.y() + 0.5);
    if (pointer_local_ && std::floor(pointer_local_->x()) == local.x() &&
        std::floor(pointer_local_->y()) == local.y()) {
        at = *pointer_local_;
    }
    return hosted_.Region().Contains(static_cast<int>(std::floor(at.x() * ratio)),
                                     static_cast<int>(std::floor(at.y() * ratio)));
}

// ---- Painting ---------------------------------------------------------------------------------

void StylerButtonWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    hosted_.PaintDue();  // the new shape applies without waiting for a paint
}

// The surface is the persistent picture of the last Redraw: a paint only copies it.
void StylerButtonWidget::paintEvent(QPaintEvent* event) {
    hosted_.PaintDue();
    const gdi::Surface& surface = hosted_.Surface();
    const double ratio = hosted_.DevicePixelRatio();
    QPainter painter(this);
    if (ratio == 1.0) {
        CopySurfaceToImage(surface, image_);
        painter.drawImage(event->rect(), image_, event->rect());
        return;
    }
    // Device pixels one to one: the image carries the ratio, so Qt does not scale it.
    CopySurfaceToImage(surface, hosted_.Region(), image_);
    image_.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(0, 0), image_);
}

// ---- Input ------------------------------------------------------------------------------------

void StylerButtonWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPointF at = event->position();
    hosted_.MousePressed(qt::MouseButtonBits(event->button()), qt::ShiftMask(event->modifiers()),
                         static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void StylerButtonWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPointF at = event->position();
    pointer_local_ = at;
    hosted_.MouseMoved(qt::MouseButtonBits(event->buttons()), qt::ShiftMask(event->modifiers()),
                       static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void StylerButtonWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const QPointF at = event->position();
    hosted_.MouseReleased(qt::MouseButtonBits(event->button()), qt::ShiftMask(event->modifiers()),
                          static_cast<float>(at.x()), static_cast<float>(at.y()),
                          rect().contains(at.toPoint()));
}

void StylerButtonWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    const QPointF at = event->position();
    hosted_.MouseDoubleClicked(qt::MouseButtonBits(event->button()),
                               qt::ShiftMask(event->modifiers()), static_cast<float>(at.x()),
                               static_cast<float>(at.y()));
}

// Tab and Backtab are ignored, so that they go on to focus navigation.
void StylerButtonWidget::keyPressEvent(QKeyEvent* event) {
    const qt::WindowsKey key = qt::WindowsKeyOf(*event);
    event->setAccepted(hosted_.KeyTyped(key.Code, key.Shift, key.Characters));
}

void StylerButtonWidget::keyReleaseEvent(QKeyEvent* event) {
    const qt::WindowsKey key = qt::WindowsKeyOf(*event);
    const KeyRelease kind = key.AutoRepeat ? KeyRelease::AutoRepeat : KeyRelease::Real;
    event->setAccepted(key.Code == 0 || hosted_.KeyReleased(key.Code, key.Shift, kind));
}

void StylerButtonWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    hosted_.FocusReceived();
}

void StylerButtonWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    hosted_.FocusLost();
}

}  // namespace tolvane::styler
