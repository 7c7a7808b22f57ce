#include "tests/countdown/qt_form1.h"

#include <chrono>
#include <string>
#include <vector>

#include <QApplication>
#include <QFontInfo>
#include <QTest>

#include <gtest/gtest.h>

#include "design/design.h"
#include "design/placement.h"
#include "forms/qt/qt_platform.h"
#include "qt/fonts.h"
#include "forms/end_program.h"
#include "base/date_serial.h"
#include "countdown/form1_design.h"
#include "resources/resource_paths.h"

namespace tolvane::countdown {
namespace {

using namespace std::chrono;
using enum LabelId;

double At(int y, unsigned mo, unsigned d, int h = 0, int mi = 0, int s = 0) {
    return base::SerialFromCivil(sys_days{year{y} / month{mo} / day{d}} + hours{h} +
                                    minutes{mi} + seconds{s});
}
constexpr gdi::Colour kGreen = 0x00FF00;

// Where the close button is, in client pixels, and a point well inside it.
const QRect kButtonRect(432, 248, 105, 33);
const QPoint kOnButton = kButtonRect.topLeft() + QPoint(50, 16);
// A point of the bare surface: no label or button there.
constexpr QPoint kBareSurface{20, 20};

// A Form1 on a clock that stands still at 1 June 2013 10:00, 310 days before the target day (so
// the labels turn green). EndProgram is counted instead of ending the test; messages are recorded.
class Form1Test : public testing::Test {
  protected:
    Form1Test()
        : clock_(At(2013, 6, 1, 10), [] { return steady_clock::duration::zero(); }),
          end_program_([this] { ++ends_; }),
          form_(clock_, [this](const ShowMessage& message) { messages_.push_back(message); }) {}

    void Show() {
        form_.Window().Move(1500, 1500);  // opens at (100, 100) px
        form_.Show();
        QCoreApplication::processEvents();
    }

    QWindow* Handle() { return form_.Window().windowHandle(); }
    QPoint Position() { return form_.Window().pos(); }
    QPoint Centre(LabelId label) { return form_.Label(label).geometry().center(); }

    base::SimulatedClock clock_;
    int ends_ = 0;
    forms::ScopedEndProgramHandler end_program_;
    std::vector<ShowMessage> messages_;
    QtForm1 form_;
};

TEST_F(Form1Test, LabelsTakeTheirDesignPlacesFontsAndVisibility) {
    const struct {
        LabelId label;
        QPoint at;
        int pixel_size;
        const char* face;  // the installed face drawn for the design's 宋体 or MS UI Gothic
        bool bold;
    } cases[] = {
        {Label1, {320, 136}, 14, qt::kSongSubstitute, true},
        {Label2, {392, 216}, 16, qt::kSongSubstitute, true},
        {Label3, {16, 264}, 14, qt::kSongSubstitute, false},
        {Label4, {224, 184}, 47, qt::kGothicSubstitute, true},
        {Label5, {16, 248}, 12, qt::kSongSubstitute, false},
        {Label6, {416, 216}, 16, qt::kSongSubstitute, true},
        {Label7, {16, 224}, 12, qt::kSongSubstitute, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.label) + 1);
        const qt::FormLabel& label = form_.Label(c.label);
        EXPECT_EQ(label.pos(), c.at);
        EXPECT_EQ(label.font().pixelSize(), c.pixel_size);
        EXPECT_EQ(QFontInfo(label.font()).family(), QString::fromUtf8(c.face));
        EXPECT_EQ(label.font().bold(), c.bold);
    }
    EXPECT_EQ(form_.Label(Label4).ToolTipText(), "点击此处直接计算剩余天数");
    ASSERT_TRUE(form_.Load());
    Show();
    EXPECT_FALSE(form_.Label(Label5).isVisible());
    EXPECT_FALSE(form_.Label(Label7).isVisible());
    EXPECT_TRUE(form_.Label(Label4).isVisible());
}

TEST_F(Form1Test, CounterAndDateLineGrowFromTheirLeftEdges) {
    const int design_width = form_.Label(Label3).width();
    ASSERT_TRUE(form_.Load());
    EXPECT_EQ(form_.Label(Label4).Text(), "1 0 8 0");
    EXPECT_EQ(form_.Label(Label4).pos(), QPoint(224, 184));
    ASSERT_TRUE(form_.Settle());
    EXPECT_EQ(form_.Label(Label4).Text(), "0 3 1 0");
    EXPECT_EQ(form_.Label(Label4).pos(), QPoint(224, 184));
    EXPECT_EQ(form_.Label(Label3).Text().rfind("现在日期：", 0), 0u) << form_.Label(Label3).Text();
    EXPECT_EQ(form_.Label(Label3).x(), 16);
    EXPECT_GT(form_.Label(Label3).width(), design_width);
    for (const LabelId label : {Label1, Label2, Label3, Label4, Label6}) {
        EXPECT_EQ(form_.Label(label).ForeColor(), kGreen) << static_cast<int>(label) + 1;
        EXPECT_EQ(form_.Label(label).palette().color(QPalette::WindowText), QColor(0, 255, 0));
    }
    EXPECT_EQ(form_.Label(Label4).font().pixelSize(), 47);
    EXPECT_EQ(form_.Label(Label4).ToolTipText(), "点击此处直接计算剩余天数");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(Form1Test, ClickOnTheCounterJumpsToTheCount) {
    ASSERT_TRUE(form_.Load());
    Show();
    ASSERT_TRUE(form_.Model().Timer2Enabled());
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, Centre(Label4));
    EXPECT_EQ(form_.Label(Label4).Text(), "0 3 1 0");
    EXPECT_FALSE(form_.Timer2().Enabled());
    EXPECT_EQ(Position(), QPoint(100, 100));  // a label press starts no drag
}

TEST_F(Form1Test, DragMovesTheWindowByThePointersTravel) {
    ASSERT_TRUE(form_.Load());
    Show();
    ASSERT_EQ(Position(), QPoint(100, 100));
    QTest::mousePress(Handle(), Qt::LeftButton, {}, kBareSurface);
    QTest::mouseMove(Handle(), kBareSurface + QPoint(100, 50));
    EXPECT_EQ(Position(), QPoint(200, 150));
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, kBareSurface);
    QTest::mouseMove(Handle(), kBareSurface + QPoint(60, 60));
    EXPECT_EQ(Position(), QPoint(200, 150));  // no button held: nothing moves

    // The right button drags as well.
    QTest::mousePress(Handle(), Qt::RightButton, {}, kBareSurface);
    QTest::mouseMove(Handle(), kBareSurface + QPoint(-30, 5));
    QTest::mouseRelease(Handle(), Qt::RightButton, {}, kBareSurface);
    EXPECT_EQ(Position(), QPoint(170, 155));
    EXPECT_EQ(ends_, 0);
}

TEST_F(Form1Test, PressesOnALabelOrTheButtonStartNoDrag) {
    ASSERT_TRUE(form_.Load());
    Show();
    for (const QPoint at : {Centre(Label1), Centre(Label6), kOnButton}) {
        QTest::mousePress(Handle(), Qt::RightButton, {}, at);
        QTest::mouseMove(Handle(), at + QPoint(40, 20));
        QTest::mouseRelease(Handle(), Qt::RightButton, {}, at + QPoint(40, 20));
        EXPECT_EQ(Position(), QPoint(100, 100)) << at.x() << ", " << at.y();
    }
    EXPECT_EQ(ends_, 0);
}

TEST_F(Form1Test, ButtonHoldsTheFocusWhenTheWindowOpens) {
    styler::StylerButtonWidget& button = form_.StylerButton1();
    EXPECT_EQ(button.objectName(), QStringLiteral("StylerButton1"));
    EXPECT_EQ(button.geometry(), kButtonRect);
    EXPECT_EQ(button.Button().Caption(), "关闭");
    EXPECT_EQ(button.Button().Theme(), styler::ThemeSilver);
    ASSERT_TRUE(button.ContainerFont());
    EXPECT_EQ(*button.ContainerFont(), (gdi::Font{"宋体", 9.0, 400, 134}));
    EXPECT_TRUE(button.IsHoverTimerRunning());  // loaded in run mode
    ASSERT_TRUE(form_.Load());
    Show();
    EXPECT_TRUE(button.hasFocus());
    EXPECT_EQ(button.Button().HasFocus(), styler::BoolTrue);
}

TEST_F(Form1Test, ClickOnTheButtonEndsTheProgramDuringTheAnimation) {
    ASSERT_TRUE(form_.Load());
    Show();
    ASSERT_TRUE(form_.Model().Timer2Enabled());
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, kOnButton);
    EXPECT_EQ(ends_, 1);
    EXPECT_TRUE(form_.Ended());
    // Nothing runs after the end: the counter stays where it was.
    EXPECT_FALSE(form_.Settle());
    EXPECT_EQ(form_.Label(Label4).Text(), "1 0 8 0");
    EXPECT_EQ(ends_, 1);
}

TEST_F(Form1Test, EnterOnTheButtonEndsTheProgramAndSpaceDoesNot) {
    ASSERT_TRUE(form_.Load());
    Show();
    QTest::keyClick(Handle(), Qt::Key_Space);
    EXPECT_EQ(ends_, 0);
    QTest::keyClick(Handle(), Qt::Key_Return);
    EXPECT_EQ(ends_, 1);
    EXPECT_TRUE(form_.Ended());
}

// The button's place comes from the window's stored design, the one file that holds it.
TEST_F(Form1Test, StoredPlacementMatchesTheWindowDesign) {
    const design::Design design = qt::ReadEmbeddedDesign(resources::kForm1Design);
    ASSERT_EQ(design.Controls().size(), 1u);
    const design::DesignControl& control = design.Control(kButtonName);
    const design::DesignPlacement placement = design::ReadPlacement(control);
    const design::PixelRect pixels = placement.Pixels();
    EXPECT_EQ(form_.StylerButton1().geometry(),
              QRect(pixels.Left, pixels.Top, pixels.Width, pixels.Height));
    EXPECT_EQ(placement.TabIndex, 0);
    EXPECT_TRUE(placement.Visible);
    // The control's own extent, in hundredths of a millimetre, is kept beside it.
    EXPECT_EQ(control.Placement.Entries().size(), 8u);
    ASSERT_NE(control.Placement.Find("extentx"), nullptr);
    EXPECT_EQ(*control.Placement.Find("extentx"), design::DesignValue(std::int32_t{2778}));
    EXPECT_EQ(*control.Placement.Find("extenty"), design::DesignValue(std::int32_t{873}));
}

TEST_F(Form1Test, ScreenshotShowsTheFocusedButton) {
    ASSERT_TRUE(form_.Load());
    ASSERT_TRUE(form_.Settle());
    const QImage picture = form_.Grab();
    EXPECT_EQ(picture.size(), QSize(550, 289));
    styler::StylerButtonWidget& button = form_.StylerButton1();
    EXPECT_EQ(button.Button().HasFocus(), styler::BoolTrue);
    // Inside its region the picture shows the button's surface as last painted.
    const gdi::Region& region = button.WindowRegion();
    ASSERT_FALSE(region.IsEmpty());
    for (const auto& span : region.Spans()) {
        for (int x = span.XBegin; x < span.XEnd; ++x) {
            const gdi::Colour pixel = button.Surface().Point(x, span.Y);
            ASSERT_EQ(picture.pixel(kButtonRect.topLeft() + QPoint(x, span.Y)),
                      qRgb(gdi::RedByte(pixel), gdi::GreenByte(pixel), gdi::BlueByte(pixel)))
                << x << ", " << span.Y;
        }
    }
}

}  // namespace
}  // namespace tolvane::countdown
