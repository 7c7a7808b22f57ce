#include "forms/qt/title_strip_frame.h"

#include <algorithm>

#include <QApplication>
#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

#include "forms/qt/form_window.h"

namespace tolvane::qt {
namespace {

// The program's window below its own title strip, as on a Wayland compositor that draws no title
// bars. The frame owns the window.
class TitleStripFrameTest : public testing::Test {
  protected:
    TitleStripFrameTest() : window_(*new FormWindow("Tolvane", QSize(550, 289))), frame_(window_) {}

    FormWindow& window_;
    TitleStripFrame frame_;
};

TEST_F(TitleStripFrameTest, StripAboveTheUnchangedWindow) {
    const int strip = frame_.StripHeight();
    EXPECT_EQ(strip, frame_.fontMetrics().height() + 8);
    EXPECT_EQ(frame_.windowTitle(), QStringLiteral("Tolvane"));
    EXPECT_TRUE(frame_.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(frame_.size(), QSize(550, strip + 289));
    EXPECT_EQ(frame_.minimumSize(), frame_.maximumSize());
    EXPECT_EQ(window_.parentWidget(), &frame_);
    EXPECT_EQ(window_.geometry(), QRect(0, strip, 550, 289));

    // The client area draws as the window alone does.
    const QImage whole = frame_.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(whole.copy(0, strip, 550, 289),
              window_.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

// One line of the title at the left on the window colour, and nothing else: no buttons.
TEST_F(TitleStripFrameTest, StripShowsTheTitleAlone) {
    const QImage strip = frame_.grab(QRect(0, 0, 550, frame_.StripHeight()))
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QRgb background = frame_.palette().color(QPalette::Window).rgb();
    int text_pixels = 0;
    int rightmost = -1;
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            if (strip.pixel(x, y) != background) {
                ++text_pixels;
                rightmost = std::max(rightmost, x);
            }
        }
    }
    EXPECT_GT(text_pixels, 20) << "no title";
    EXPECT_LT(rightmost, 8 + frame_.fontMetrics().horizontalAdvance(QStringLiteral("Tolvane")) + 2)
        << "marks beyond the title";
}

// The window's place, showing and hiding are the frame's.
TEST_F(TitleStripFrameTest, WindowMovesShowsAndHidesTheFrame) {
    window_.Move(1500, 3000);
    EXPECT_EQ(frame_.pos(), QPoint(100, 200));
    EXPECT_EQ(window_.Left(), 1500);
    EXPECT_EQ(window_.Top(), 3000);
    window_.Show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame_.isVisible());
    EXPECT_TRUE(window_.Visible());
    EXPECT_EQ(frame_.pos(), QPoint(100, 200)) << "placed by Move before it was shown";
    window_.Hide();
    EXPECT_FALSE(frame_.isVisible());
    EXPECT_FALSE(window_.Visible());
    EXPECT_FALSE(window_.StartSystemMove()) << "offscreen: the program moves the window itself";
}

}  // namespace
}  // namespace tolvane::qt
