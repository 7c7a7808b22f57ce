#pragma once

#include <QWidget>

namespace tolvane::qt {

// A window's own title bar, for Wayland compositors that draw none (weston, GNOME) and would leave
// it to Qt, whose bar has buttons: a frameless top-level window that shows one line of the title,
// in the system's title font on the window colour and with no buttons, above the window it takes
// in as its child. That window keeps its size and its pixels. A press on the strip with any mouse
// button hands the window to the window manager to move.
class TitleStripFrame final : public QWidget {
  public:
    // Takes `window` (a top-level widget of fixed size, not yet shown) and its title.
    explicit TitleStripFrame(QWidget& window);

    // The strip's height in pixels: a line of the title font and its margins.
    int StripHeight() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace tolvane::qt
