#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include <QBasicTimer>
#include <QImage>
#include <QWidget>

#include "forms/forms_platform.h"
#include "gdi/colour.h"

namespace tolvane::qt {

// A form's top-level window on Qt Widgets, the forms::Window of the Qt platform: a fixed
// single-line frame with a title and no title-bar buttons or system menu, no taskbar entry, a
// client area of a fixed size in pixels, a background colour with a picture drawn over it at its
// own size from the top-left corner (not stretched). The picture may come in several
// resolutions, and the window draws the one that suits the density of its screen.
// The first time it is shown it opens centred on its screen (frame included, once a window
// manager has added one), unless Move placed it before; it takes the keyboard focus when shown.
// On Wayland the compositor places it, and a drag is handed to it (StartSystemMove). Where the
// compositor draws no title bar the window may sit below a TitleStripFrame: then the frame is
// what is placed, shown and hidden, and Left, Top and Move are the frame's.
//
// Positions are the whole window's (frame included) on the screen, in twips. Mouse events that
// no child takes arrive through the three handlers, measured from the client area's top-left at
// the place Left and Top give (on a screen of a fractional pixel ratio the area shows up to half
// a screen pixel from there, rounded to whole screen pixels). A close by the system closes it as
// usual.
class FormWindow : public QWidget, public forms::Window {
    Q_OBJECT

  public:
    FormWindow(std::string_view title_utf8, QSize client_pixels);

    void SetBackColor(gdi::Colour colour);
    // The same picture in one or more resolutions, each image's devicePixelRatio telling which:
    // an image of ratio 2 has twice as many pixels each way for the same size in pixels of the
    // window. The window draws the image of the smallest ratio at least its screen's, or, on a
    // screen denser than them all, the one of the largest. An image of the screen's own ratio is
    // drawn pixel for pixel, one enlarged by a whole number with its pixels repeated, and any
    // other smoothly scaled. Null images are left out.
    void SetPicture(std::vector<QImage> resolutions);

    double Left() const override;
    double Top() const override;
    // Rounds to whole pixels, halves to even. Also refuses a position that is not a number.
    void Move(double left_twips, double top_twips) override;
    // On Wayland, from the mouse-down handler: asks the compositor to move the window with the
    // pointer.
    bool StartSystemMove() override;
    void Show() override { show(); }
    void Hide() override { hide(); }
    bool Visible() const override { return isVisible(); }
    void OnMouseDown(forms::MouseHandler handler) override { on_mouse_down_ = std::move(handler); }
    void OnMouseMove(forms::MouseHandler handler) override { on_mouse_move_ = std::move(handler); }
    void OnMouseUp(forms::MouseHandler handler) override { on_mouse_up_ = std::move(handler); }

    // Puts the whole window in the middle of the available area of its screen.
    void CentreOnScreen();

    void setVisible(bool visible) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    void RecentreOnceFramed();
    void Deliver(const forms::MouseHandler& handler, int button, QMouseEvent* event);
    const QImage* PictureFor(qreal device_pixel_ratio) const;

    QColor back_colour_;
    // By devicePixelRatio, smallest first.
    std::vector<QImage> pictures_;
    bool placed_ = false;
    // Set while the window sits where it was centred before a window manager added its frame:
    // the frame's size is known only after the window is mapped, and then it is centred again.
    bool centred_without_frame_ = false;
    QSize centred_frame_size_;
    // Looks again for the frame a while after showing: the window manager's frame may come
    // without a move or an activation that would tell this window of it.
    QBasicTimer frame_watch_;
    int frame_watch_ticks_ = 0;
    // The press whose mouse-down handler runs, for StartSystemMove.
    const QMouseEvent* press_ = nullptr;
    forms::MouseHandler on_mouse_down_;
    forms::MouseHandler on_mouse_move_;
    forms::MouseHandler on_mouse_up_;
};

}  // namespace tolvane::qt
