#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/form_timer.h"
#include "forms/message_icon.h"
#include "gdi/colour.h"
#include "gdi/font.h"
#include "stylerbutton/core/property_store.h"
#include "stylerbutton/core/styler_button.h"

namespace tolvane::forms {

// What the countdown window needs from the desktop it runs on: a window, text labels, timers,
// message boxes, the stored design of its controls and a host window for its close button. The
// window's layout, wiring and effects are written once over these interfaces; each desktop (Qt
// on Linux, user32 and gdi32 on Windows) implements them thinly. The clock and the program's end
// are toolkit-free already (base::Clock, forms::EndProgram), and so are timers: a platform makes
// base::FormTimers over its own alarm.
//
// Everything is used from the one user-interface thread. Objects a platform creates belong to it
// and live as long as it does.

// A mouse event on the bare client area. `button` and `shift` are the bits of
// base/mouse_bits.h: for a press or release the one button that changed, for a move every
// button held. X and Y are twips from the client area's top-left corner.
using MouseHandler = std::function<void(int button, int shift, float x, float y)>;

// A top-level window with a fixed single-line frame, a title and no title-bar buttons, no
// taskbar entry and a client area of a fixed size, showing a picture over its background colour.
// The first time it is shown it opens centred on its screen, unless Move placed it before.
class Window {
  public:
    virtual ~Window() = default;

    // Left and top of the whole window (frame included) on the screen, in twips.
    virtual double Left() const = 0;
    virtual double Top() const = 0;
    // Moves the whole window to left and top in twips, keeping its size. Throws
    // base::OverflowError naming the value when a position lies beyond the range of
    // WindowPositionPixels (window_placement.h); the window then stays where it is.
    virtual void Move(double left_twips, double top_twips) = 0;

    // Where a program cannot place its own windows (Wayland), hands the drag that the mouse press
    // now being handled begins to the window manager, which then moves the window with the
    // pointer as it sees fit, and returns true. Returns false where the program places the window
    // itself with Move (X11, Windows).
    virtual bool StartSystemMove() { return false; }

    // Shows the window modeless and gives it the keyboard focus; hides it.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool Visible() const = 0;

    // Mouse down, move and up on the bare client area; a label or control under the pointer
    // receives the event instead.
    virtual void OnMouseDown(MouseHandler handler) = 0;
    virtual void OnMouseMove(MouseHandler handler) = 0;
    virtual void OnMouseUp(MouseHandler handler) = 0;
};

// What a window is created with. Sizes are pixels of the client area.
struct WindowDesign {
    std::string_view Caption;
    int ClientWidth = 0;
    int ClientHeight = 0;
    gdi::Colour BackColour = 0;
};

// A text label of the window: one line of plain text on a transparent background, sized to its
// text (keeping its top-left corner), with a foreground colour, a font, a tooltip and a click.
class Label {
  public:
    virtual ~Label() = default;

    // Text as UTF-8, shown exactly as given.
    virtual std::string Text() const = 0;
    virtual void SetText(std::string_view utf8) = 0;
    virtual gdi::Colour ForeColor() const = 0;
    virtual void SetForeColor(gdi::Colour colour) = 0;
    // The name assistive technology reads for the label instead of its text.
    virtual void SetAccessibleName(std::string_view utf8) = 0;
    // A left-button press and release both over the label.
    virtual void OnClick(std::function<void()> handler) = 0;
};

// What a label is created with. Left and top are pixels of the client area.
struct LabelDesign {
    std::string_view Name;
    std::string_view Text;
    int Left = 0;
    int Top = 0;
    bool Visible = true;
    gdi::Colour ForeColour = 0;
    gdi::Font Font;
    std::string_view ToolTip;
};

// Where the window's stored design puts one of its controls, and the properties the control
// saved there.
struct ControlDesign {
    // Place and size in whole pixels of the client area.
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int TabIndex = 0;
    bool Visible = true;
    // The control's saved properties; reads of keys it did not save give their defaults.
    std::unique_ptr<styler::PropertyStore> Properties;
};

// The window of a StylerButton, running (not being designed), as a child of the platform's
// window.
class ButtonHost {
  public:
    virtual ~ButtonHost() = default;

    virtual styler::StylerButton& Button() = 0;
    // The button's Click event.
    virtual void OnClick(std::function<void()> handler) = 0;
    // Gives the button the keyboard focus, or the focus it takes when its window is activated.
    virtual void SetFocus() = 0;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // The window, with the program's background picture drawn unscaled from its top-left corner.
    // Called once, before anything else is created.
    virtual Window& MakeWindow(const WindowDesign& design) = 0;
    virtual Label& MakeLabel(const LabelDesign& design) = 0;
    virtual base::FormTimer& MakeTimer() = 0;
    // The button named `name`, placed as `design` says, with the window's font as its container
    // font. Its properties are not loaded yet.
    virtual ButtonHost& MakeButton(std::string_view name, const ControlDesign& design,
                                   gdi::FontRef container_font) = 0;

    // The stored design of the window's control `name`. Throws an exception derived from
    // std::exception whose message names the design, the control and the entry when it cannot be
    // read.
    virtual ControlDesign ReadControlDesign(std::string_view name) = 0;

    // A modal message box with one OK button; returns when the user has closed it.
    virtual void ShowMessage(std::string_view text_utf8, std::string_view title_utf8,
                             MessageIcon icon) = 0;
};

}  // namespace tolvane::forms
