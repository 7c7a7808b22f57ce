// A form compiled by uic from styler_button_form.ui against one built in code: the button uic
// makes must show exactly the pixels of a button given the same properties through the C++ API.
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include "qt/surface_image.h"
#include "stylerbutton/ui/styler_button_ui_widget.h"
#include "ui_styler_button_form.h"

namespace tolvane::styler {
namespace {

// What the widget shows: its surface after a paint, and the region that masks it.
struct Shown {
    QImage surface;
    gdi::Region region;
};

Shown Paint(StylerButtonUiWidget& button) {
    (void)button.grab();  // runs the pending paint row at the widget's size
    return {SurfaceToImage(button.Surface()), button.WindowRegion()};
}

// The button of styler_button_form.ui through the host's own setters, in the order uic sets it.
void BuildInCode(StylerButtonUiWidget& button) {
    button.setObjectName(QStringLiteral("applyButton"));
    button.setGeometry(QRect(20, 20, 120, 40));
    button.SetCaptionAlignment(AlignMiddleRight);
    button.SetIconAlignment(IconLeft);
    button.SetForeColor(0x800000);
    button.SetCaptionEffectColor(0x00FFFF);
    button.SetCaptionEffect(EffectShadow);
    button.SetTheme(ThemeSilver);
    button.SetRoundedValue(9);
    button.SetCaptionOffsetX(qint16{4});
    button.SetCaptionOffsetY(qint16{1});
    button.SetShadowOffsetX(qint16{1});
    button.SetShadowOffsetY(qint16{1});
    button.SetIcon(QImage(QStringLiteral(":/tolvane/icons/tolvane-16.png")));
    button.SetCaption(QStringLiteral("Apply"));
}

TEST(UicFormTest, ButtonFromTheFormShowsThePixelsOfTheButtonBuiltInCode) {
    QWidget form;
    Ui::StylerButtonForm ui;
    ui.setupUi(&form);
    QWidget window;
    StylerButtonUiWidget coded(&window);
    BuildInCode(coded);

    const Shown from_form = Paint(*ui.applyButton);
    const Shown from_code = Paint(coded);
    ASSERT_EQ(from_form.surface.size(), QSize(120, 40));
    EXPECT_TRUE(from_form.surface == from_code.surface);
    EXPECT_TRUE(from_form.region == from_code.region);
}

}  // namespace
}  // namespace tolvane::styler
