#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QImage>

#include "design/design.h"
#include "forms/forms_platform.h"
#include "forms/qt/form_label.h"
#include "forms/qt/form_window.h"
#include "forms/qt/title_strip_frame.h"
#include "qt/form_timer.h"
#include "qt/png_codec.h"
#include "stylerbutton/qt/styler_button_widget.h"

namespace tolvane::qt {

// The design embedded at a Qt resource path (":/tolvane/form1_design.json"), read as a design file
// is (design/design_json.h). Throws design::DesignError naming the path.
design::Design ReadEmbeddedDesign(const char* path);

// The forms platform on Qt Widgets: the window is a FormWindow showing the program's background
// picture, labels are FormLabels, timers FormTimers, the close button a StylerButtonWidget, and
// the stored design is the program's embedded form1_design.json. The button's widget, which
// knows nothing of the forms platform, is seen through a thin adapter.
class QtPlatform final : public forms::Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    forms::Window& MakeWindow(const forms::WindowDesign& design) override;
    forms::Label& MakeLabel(const forms::LabelDesign& design) override;
    base::FormTimer& MakeTimer() override;
    forms::ButtonHost& MakeButton(std::string_view name, const forms::ControlDesign& design,
                                  gdi::FontRef container_font) override;
    // Throws design::DesignError (forms/control_design.h).
    forms::ControlDesign ReadControlDesign(std::string_view name) override;
    void ShowMessage(std::string_view text_utf8, std::string_view title_utf8,
                     forms::MessageIcon icon) override;

    // The window's client area as it is drawn now. On the offscreen platform a window not yet
    // shown is shown first (which puts nothing on a screen), so that it is activated and its
    // button holds the focus as it does when the window opens.
    QImage Grab();

    // The Qt objects behind the platform's, for tests and the start routine.
    FormWindow& QtWindow();
    static FormLabel& QtLabel(forms::Label& label);
    static FormTimer& QtTimer(base::FormTimer& timer);
    static styler::StylerButtonWidget& QtButton(forms::ButtonHost& button);

  private:
    class ButtonAdapter;

    // On Wayland without the compositor's title bars, the window's parent; it goes after it.
    std::unique_ptr<TitleStripFrame> title_strip_frame_;
    std::unique_ptr<FormWindow> window_;  // owns the labels and the button's widget
    std::vector<std::unique_ptr<FormTimer>> timers_;
    std::vector<std::unique_ptr<ButtonAdapter>> buttons_;
    std::optional<design::Design> design_;  // read on first use; the button stores refer into it
    QtPngCodec pictures_;
};

}  // namespace tolvane::qt
