#include "forms/qt/form_window.h"

#include <limits>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "base/overflow_error.h"

namespace tolvane::qt {
namespace {

struct MouseCall {
    int button;
    int shift;
    float x;
    float y;
    friend bool operator==(const MouseCall&, const MouseCall&) = default;
};

void PrintTo(const MouseCall& c, std::ostream* out) {
    *out << "{button " << c.button << ", shift " << c.shift << ", " << c.x << ", " << c.y << "}";
}

// The program's window, recording its mouse handlers' calls.
class FormWindowTest : public testing::Test {
  protected:
    FormWindowTest() : window_("Tolvane", QSize(550, 289)) {
        window_.OnMouseDown([this](int b, int s, float x, float y) {
            downs_.push_back({b, s, x, y});
        });
        window_.OnMouseMove([this](int b, int s, float x, float y) {
            moves_.push_back({b, s, x, y});
        });
        window_.OnMouseUp([this](int b, int s, float x, float y) { ups_.push_back({b, s, x, y}); });
    }

    void Show() {
        window_.show();
        QCoreApplication::processEvents();
    }

    FormWindow window_;
    std::vector<MouseCall> downs_, moves_, ups_;
};

TEST_F(FormWindowTest, DesignOfTheFrame) {
    EXPECT_EQ(window_.windowTitle(), QStringLiteral("Tolvane"));
    EXPECT_EQ(window_.size(), QSize(550, 289));
    EXPECT_EQ(window_.minimumSize(), QSize(550, 289));
    EXPECT_EQ(window_.maximumSize(), QSize(550, 289));
    const Qt::WindowFlags flags = window_.windowFlags();
    EXPECT_EQ(window_.windowType(), Qt::Window);  // not a tool window
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    for (const Qt::WindowType hint : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                      Qt::WindowMaximizeButtonHint, Qt::WindowSystemMenuHint}) {
        EXPECT_FALSE(flags.testFlag(hint)) << hint;
    }
}

TEST_F(FormWindowTest, PressesAndReleasesReportTheButtonKeysAndTwips) {
    Show();
    const struct {
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        int button_bit;
        int shift_mask;
    } cases[] = {
        {Qt::LeftButton, Qt::NoModifier, 1, 0},
        {Qt::RightButton, Qt::ShiftModifier, 2, 1},
        {Qt::MiddleButton, Qt::ControlModifier, 4, 2},
        {Qt::LeftButton, Qt::AltModifier, 1, 4},
        {Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, 2, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button_bit * 10 + c.shift_mask);
        downs_.clear();
        ups_.clear();
        QTest::mousePress(window_.windowHandle(), c.button, c.modifiers, QPoint(10, 20));
        QTest::mouseRelease(window_.windowHandle(), c.button, c.modifiers, QPoint(549, 288));
        EXPECT_EQ(downs_, (std::vector<MouseCall>{{c.button_bit, c.shift_mask, 150.0f, 300.0f}}));
        EXPECT_EQ(ups_, (std::vector<MouseCall>{{c.button_bit, c.shift_mask, 8235.0f, 4320.0f}}));
    }
}

TEST_F(FormWindowTest, MovesReportTheButtonsHeld) {
    Show();
    QTest::mouseMove(window_.windowHandle(), QPoint(100, 50));
    QTest::mousePress(window_.windowHandle(), Qt::RightButton, {}, QPoint(100, 50));
    QTest::mouseMove(window_.windowHandle(), QPoint(101, 52));
    QTest::mouseRelease(window_.windowHandle(), Qt::RightButton, {}, QPoint(101, 52));
    QTest::mouseMove(window_.windowHandle(), QPoint(1, 2));  // (0, 0) would mean the centre
    ASSERT_EQ(moves_.size(), 3u);
    EXPECT_EQ(moves_[0], (MouseCall{0, 0, 1500.0f, 750.0f}));
    EXPECT_EQ(moves_[1], (MouseCall{2, 0, 1515.0f, 780.0f}));
    EXPECT_EQ(moves_[2], (MouseCall{0, 0, 15.0f, 30.0f}));
}

TEST_F(FormWindowTest, MoveTakesTwipsAndKeepsTheSize) {
    const struct {
        double left, top;
        QPoint pixels;
        double read_left, read_top;
    } cases[] = {
        {1500, 3000, {100, 200}, 1500, 3000},
        {337.5, 352.5, {22, 24}, 330, 360},       // halves to even
        {40005, -600, {2667, -40}, 40005, -600},  // beyond 16 bits: no wrap
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left);
        window_.Move(c.left, c.top);
        EXPECT_EQ(window_.pos(), c.pixels);
        EXPECT_DOUBLE_EQ(window_.Left(), c.read_left);
        EXPECT_DOUBLE_EQ(window_.Top(), c.read_top);
        EXPECT_EQ(window_.size(), QSize(550, 289));
    }
}

TEST_F(FormWindowTest, UnrepresentablePositionIsRefusedAndTheWindowStays) {
    window_.Move(1500, 1500);
    for (const double bad : {std::numeric_limits<double>::quiet_NaN(), 1e12, -1e12}) {
        EXPECT_THROW(window_.Move(bad, 0), base::OverflowError);
        EXPECT_THROW(window_.Move(0, bad), base::OverflowError);
    }
    EXPECT_EQ(window_.pos(), QPoint(100, 100));
}

TEST_F(FormWindowTest, OpensCentredAndActive) {
    Show();
    EXPECT_TRUE(window_.Visible());
    const QRect screen = window_.screen()->availableGeometry();
    const QRect frame = window_.frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
    EXPECT_DOUBLE_EQ(window_.Left(), 15.0 * frame.left());
    EXPECT_DOUBLE_EQ(window_.Top(), 15.0 * frame.top());
    EXPECT_EQ(QApplication::activeWindow(), &window_);
}

TEST_F(FormWindowTest, WindowPlacedBeforeShowingOpensThere) {
    window_.Move(3000, 4500);
    Show();
    EXPECT_EQ(window_.pos(), QPoint(200, 300));
}

TEST_F(FormWindowTest, PictureIsDrawnAtItsOwnSizeOverTheBackColour) {
    QImage small(100, 50, QImage::Format_RGB32);
    small.fill(QColor(0, 0, 255));
    window_.SetBackColor(255);  // red
    window_.SetPicture({small});
    const QImage shot = window_.grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(99, 49), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(100, 10), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(10, 50), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(549, 288), QColor(255, 0, 0));
}

// A checkerboard of single pixels, `colour` and black, of the given ratio and 100 x 50 pixels
// of the window: a copy that repeats or drops its pixels shows the two colours alone, a
// filtered one shows shades between them.
QImage Checkerboard(qreal ratio, QColor colour) {
    const QSize size = QSize(100, 50) * ratio;
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixelColor(x, y, (x + y) % 2 == 0 ? colour : QColor(Qt::black));
        }
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

TEST_F(FormWindowTest, PictureIsDrawnInTheResolutionThatSuitsThePixelRatio) {
    const QColor blue(0, 0, 255), green(0, 255, 0);
    const QImage picture_1x = Checkerboard(1, blue);
    const QImage picture_2x = Checkerboard(2, green);
    window_.SetBackColor(255);  // red
    const struct {
        qreal ratio;
        std::vector<QImage> pictures;
        const QImage* drawn;
        bool exact;     // the picture's own pixels, unchanged
        bool filtered;  // shades between its colours
    } cases[] = {
        {1.0, {picture_2x, picture_1x}, &picture_1x, true, false},
        {1.25, {picture_1x, picture_2x}, &picture_2x, false, true},
        {1.5, {picture_1x, picture_2x}, &picture_2x, false, true},
        {2.0, {picture_1x, picture_2x}, &picture_2x, true, false},
        {3.0, {picture_1x, picture_2x}, &picture_2x, false, true},
        {2.0, {picture_1x, QImage()}, &picture_1x, false, false},  // each pixel doubled
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "ratio " << c.ratio << ", " << c.pictures.size());
        window_.SetPicture(c.pictures);
        QImage shot(window_.size() * c.ratio, QImage::Format_RGB32);
        shot.setDevicePixelRatio(c.ratio);
        window_.render(&shot);

        // The picture covers 100 x 50 pixels of the window, the back colour the rest.
        const int right = static_cast<int>(100 * c.ratio), bottom = static_cast<int>(50 * c.ratio);
        EXPECT_EQ(shot.pixelColor(right + 1, 10), QColor(255, 0, 0));
        EXPECT_EQ(shot.pixelColor(10, bottom + 1), QColor(255, 0, 0));
        const QColor colour = c.drawn == &picture_1x ? blue : green;
        bool shades = false;
        for (int y = 0; y < bottom - 1; ++y) {
            for (int x = 0; x < right - 1; ++x) {
                // Only the drawn picture's colour, or a shade of it.
                const QColor seen = shot.pixelColor(x, y);
                ASSERT_EQ(seen.rgb() & ~colour.rgb() & 0xFFFFFF, 0u)
                    << "(" << x << ", " << y << ") " << seen.name().toStdString();
                shades = shades || (seen != colour && seen != QColor(Qt::black));
            }
        }
        EXPECT_EQ(shades, c.filtered);
        if (c.exact) {
            QImage drawn = shot.copy(QRect(QPoint(0, 0), c.drawn->size()));
            drawn.setDevicePixelRatio(c.drawn->devicePixelRatio());
            EXPECT_TRUE(drawn == *c.drawn) << "the picture's pixels changed";
        }
    }
}

}  // namespace
}  // namespace tolvane::qt
