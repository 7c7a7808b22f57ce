#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <QLabel>

#include "forms/forms_platform.h"
#include "gdi/colour.h"
#include "gdi/font.h"

namespace tolvane::qt {

// A text label on a form, the forms::Label of the Qt platform: plain text in one line, a
// foreground colour, a font, a tooltip and a click notification, on a transparent background. It
// sizes itself to its text (the text's advance width and line height, no margins) whenever its
// text or font changes, keeping its top-left corner.
//
// The label takes every mouse press, move and release over it, so nothing under it (the window's
// surface, which starts a drag) sees them. A click is a left-button press and release both over
// the label.
class FormLabel : public QLabel, public forms::Label {
    Q_OBJECT

  public:
    explicit FormLabel(QWidget* parent);

    // Shown exactly as given: no markup, no mnemonics, no wrapping.
    std::string Text() const override;
    void SetText(std::string_view utf8) override;

    // 0x00BBGGRR; a system colour (top bit set) shows as the palette's text colour.
    gdi::Colour ForeColor() const override { return fore_colour_; }
    void SetForeColor(gdi::Colour colour) override;
    // Leaves an unchanged name alone: setting it again would still notify assistive technology.
    void SetAccessibleName(std::string_view utf8) override;
    void OnClick(std::function<void()> handler) override { on_click_ = std::move(handler); }

    const gdi::Font& FormFont() const { return font_spec_; }
    // Throws std::invalid_argument for a size out of range (see ToQFont); the label is unchanged.
    void SetFormFont(const gdi::Font& font);

    std::string ToolTipText() const;
    void SetToolTipText(std::string_view utf8);

    // The label's own visibility flag, whether or not its window is shown.
    bool Visible() const { return !isHidden(); }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    gdi::Colour fore_colour_ = 0;
    gdi::Font font_spec_;
    bool left_pressed_ = false;
    std::function<void()> on_click_;
};

}  // namespace tolvane::qt
