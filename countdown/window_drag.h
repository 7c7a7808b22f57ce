#pragma once

#include <cstdint>
#include <optional>

namespace tolvane::countdown {

// Dragging the window by its bare surface. A press with any mouse button starts a drag at the
// pointer's client position; each move while dragging gives the window's new position, which
// keeps the pressed point under the pointer; a release ends the drag. All values are twips.
//
// Positions are held in 64 bits: a window dragged far onto a second monitor lies beyond the
// 16-bit range of twips (about 2184 pixels), and must still land where the pointer is.
class WindowDrag {
  public:
    struct Position {
        std::int64_t Left;
        std::int64_t Top;
        friend bool operator==(const Position&, const Position&) = default;
    };

    // x and y are the pointer's position relative to the client area.
    void MouseDown(float x, float y);
    // left and top are the window's current position on the screen. Returns where to move the
    // window, or nothing when no drag is in progress.
    std::optional<Position> MouseMove(double left, double top, float x, float y);
    void MouseUp() { dragging_ = false; }

    bool Dragging() const { return dragging_; }

  private:
    bool dragging_ = false;
    // Where the drag began, relative to the client area; kept after the release.
    std::int64_t start_x_ = 0;
    std::int64_t start_y_ = 0;
};

}  // namespace tolvane::countdown
