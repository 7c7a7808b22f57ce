#include "forms/qt/form_window.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <QMouseEvent>
#include <QMoveEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

#include "base/units.h"
#include "forms/qt/form_window_accessible.h"
#include "forms/qt/system_move.h"
#include "forms/qt/x11_window_hints.h"
#include "forms/window_placement.h"
#include "qt/mouse_buttons.h"
#include "qt/qt_colour.h"
#include "qt/window_system.h"

namespace tolvane::qt {

namespace {
// How often and how long after showing the window looks for its frame: 2 s in all.
constexpr int kFrameWatchIntervalMs = 100;
constexpr int kFrameWatchTicks = 20;
}  // namespace

FormWindow::FormWindow(std::string_view title_utf8, QSize client_pixels)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QString::fromUtf8(title_utf8.data(), static_cast<qsizetype>(title_utf8.size())));
    setFixedSize(client_pixels);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The mouse handlers see moves with no button held as well.
    setMouseTracking(true);
    SetBackColor(gdi::Rgb(0xFF, 0xFF, 0xFF));
    InstallFormWindowAccessible();
}

void FormWindow::SetBackColor(gdi::Colour colour) {
    back_colour_ = ToQColor(colour);
    update();
}

void FormWindow::SetPicture(std::vector<QImage> resolutions) {
    std::erase_if(resolutions, [](const QImage& image) { return image.isNull(); });
    std::ranges::stable_sort(resolutions, {}, &QImage::devicePixelRatio);
    pictures_ = std::move(resolutions);
    update();
}

const QImage* FormWindow::PictureFor(qreal device_pixel_ratio) const {
    if (pictures_.empty()) {
        return nullptr;
    }
    const auto fits = std::ranges::find_if(pictures_, [&](const QImage& image) {
        return image.devicePixelRatio() >= device_pixel_ratio;
    });
    return fits != pictures_.end() ? &*fits : &pictures_.back();
}

double FormWindow::Left() const {
    return base::PixelsToTwips(window()->pos().x());
}

double FormWindow::Top() const {
    return base::PixelsToTwips(window()->pos().y());
}

// Qt's own bound on widget geometry is the one the shared position check keeps.
static_assert(QWIDGETSIZE_MAX == forms::kMaxWindowPositionPixels);

void FormWindow::Move(double left_twips, double top_twips) {
    const int left = forms::WindowPositionPixels(left_twips);
    const int top = forms::WindowPositionPixels(top_twips);
    placed_ = true;  // a window placed before it is first shown opens there, not centred
    centred_without_frame_ = false;
    window()->move(left, top);
}

bool FormWindow::StartSystemMove() {
    // Elsewhere the program's own drag keeps the pressed point exactly under the pointer.
    return OnWayland() && press_ != nullptr && qt::StartSystemMove(*this, *press_);
}

void FormWindow::CentreOnScreen() {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize frame = window()->frameGeometry().size();
    centred_frame_size_ = frame;
    const forms::ScreenPoint corner =
        forms::CentredIn({available.x(), available.y(), available.width(), available.height()},
                         frame.width(), frame.height());
    window()->move(corner.X, corner.Y);
}

void FormWindow::setVisible(bool visible) {
    QWidget::setVisible(visible);
    if (!isWindow()) {
        window()->setVisible(visible);  // the title strip's frame shows and hides with it
    }
    if (visible) {
        // With no window manager nothing else would give the window the keyboard focus.
        window()->raise();
        window()->activateWindow();
    }
}

void FormWindow::showEvent(QShowEvent* event) {
    // Sent before the native window is mapped: the last moment to set what the window manager
    // reads at mapping, and to place the window without a visible jump.
    if (isWindow()) {
        KeepOffTaskbar(*this);
        AskForBareTitleBar(*this);
    }
    if (!placed_) {
        placed_ = true;
        CentreOnScreen();
        centred_without_frame_ = true;
        frame_watch_ticks_ = 0;
        frame_watch_.start(kFrameWatchIntervalMs, this);
    }
    QWidget::showEvent(event);
}

void FormWindow::timerEvent(QTimerEvent* event) {
    if (event->timerId() != frame_watch_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    RecentreOnceFramed();
    if (!centred_without_frame_ || ++frame_watch_ticks_ >= kFrameWatchTicks) {
        frame_watch_.stop();
    }
}

// A window manager adds its frame after mapping and may leave the client where it was, so the
// check runs on moves and on activation, which follows mapping.
void FormWindow::RecentreOnceFramed() {
    if (centred_without_frame_ && isVisible() &&
        window()->frameGeometry().size() != centred_frame_size_) {
        centred_without_frame_ = false;
        CentreOnScreen();
    }
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    RecentreOnceFramed();
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        RecentreOnceFramed();
    }
}

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_colour_);
    // The ratio of the pixels painted: the window's on its screen, that of the target when the
    // window is rendered into an image (grab(), render()).
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    if (const QImage* picture = PictureFor(ratio)) {
        // The painter allows for the image's own ratio: each resolution covers the same part of
        // the window. An enlargement by a whole number repeats pixels, as drawing a picture of
        // ratio 1 always has; any other scale (a screen at 125 %, 150 % or 300 %) filters them,
        // so that none is dropped or doubled here and there.
        const qreal scale = ratio / picture->devicePixelRatio();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, scale != std::round(scale));
        painter.drawImage(QPoint(0, 0), *picture);
    }
}

void FormWindow::Deliver(const forms::MouseHandler& handler, int button, QMouseEvent* event) {
    event->accept();
    if (!handler) {
        return;
    }
    // The handler may change or destroy this window: work on a copy.
    const forms::MouseHandler copy = handler;
    // Measured from the window's place in whole pixels of the window, the one Left, Top and Move
    // use, rather than from where its pixels fell on the screen: at a fractional pixel ratio
    // (125 %, 150 %) the screen rounds that place to whole screen pixels, and a drag measured
    // from the rounded place would carry the rounding along and miss the pointer by one.
    const QPointF at = mapFromGlobal(event->globalPosition());
    copy(button, ShiftMask(event->modifiers()), static_cast<float>(base::PixelsToTwips(at.x())),
         static_cast<float>(base::PixelsToTwips(at.y())));
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    centred_without_frame_ = false;  // the user may be about to drag it
    const int button = MouseButtonBits(event->button());
    if (button == 0) {
        event->ignore();
        return;
    }
    press_ = event;
    Deliver(on_mouse_down_, button, event);
    press_ = nullptr;
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    Deliver(on_mouse_move_, MouseButtonBits(event->buttons()), event);
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    const int button = MouseButtonBits(event->button());
    if (button == 0) {
        event->ignore();
        return;
    }
    Deliver(on_mouse_up_, button, event);
}

}  // namespace tolvane::qt
