#include "stylerbutton/qt/styler_button_widget.h"

#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gdi/region.h"

namespace tolvane::styler {
namespace {

using testing::Each;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::Not;

// The button's place in its window, and a window point inside it away from the corners.
constexpr QPoint kButtonAt{50, 60};
constexpr QSize kButtonSize{105, 33};
constexpr QPoint kInside{20, 10};

// A window holding a StylerButtonWidget (with its defaults) and a line edit to take the focus
// from it. The button's ten events are written to a log as they are raised.
class StylerButtonWidgetTest : public testing::Test {
  protected:
    explicit StylerButtonWidgetTest(bool run_mode = false) {
        window_.setGeometry(100, 100, 300, 200);
        button_ = new StylerButtonWidget("StylerButton1", &window_);
        button_->setGeometry(QRect(kButtonAt, kButtonSize));
        button_->SetRunMode(run_mode);
        button_->Button().ApplyDefaults();
        other_ = new QLineEdit(&window_);
        other_->setGeometry(50, 150, 100, 20);
        RecordEvents();
    }

    void Show() {
        window_.show();
        window_.activateWindow();
        QCoreApplication::processEvents();
    }

    void RecordEvents() {
        StylerButtonEvents& events = button_->Events();
        events.Click = [this] { log_.push_back("Click"); };
        events.DoubleClick = [this] { log_.push_back("DoubleClick"); };
        events.KeyDown = [this](std::int16_t& code, std::int16_t& shift) {
            log_.push_back("KeyDown " + std::to_string(code) + " " + std::to_string(shift));
        };
        events.KeyPress = [this](std::int16_t& ascii) {
            log_.push_back("KeyPress " + std::to_string(ascii));
        };
        events.KeyUp = [this](std::int16_t& code, std::int16_t& shift) {
            log_.push_back("KeyUp " + std::to_string(code) + " " + std::to_string(shift));
        };
        const auto mouse = [this](const char* name) {
            return [this, name](std::int16_t& button, std::int16_t& shift, float& x, float& y) {
                std::ostringstream out;
                out << name << " " << button << " " << shift << " " << x << " " << y;
                log_.push_back(out.str());
            };
        };
        events.MouseDown = mouse("MouseDown");
        events.MouseMove = mouse("MouseMove");
        events.MouseUp = mouse("MouseUp");
        events.MouseEnters = [this](std::int32_t x, std::int32_t y) {
            log_.push_back("MouseEnters " + std::to_string(x) + " " + std::to_string(y));
        };
        events.MouseLeaves = [this](std::int32_t x, std::int32_t y) {
            log_.push_back("MouseLeaves " + std::to_string(x) + " " + std::to_string(y));
        };
    }

    // Mouse moves are left out unless a test asks for them.
    std::vector<std::string> Log(bool with_moves = false) const {
        std::vector<std::string> log;
        for (const std::string& entry : log_) {
            if (with_moves || entry.rfind("MouseMove", 0) != 0) {
                log.push_back(entry);
            }
        }
        return log;
    }

    QWindow* Handle() { return window_.windowHandle(); }
    QPoint InWindow(QPoint in_button) const { return kButtonAt + in_button; }
    StylerButton& Button() { return button_->Button(); }

    QWidget window_;
    StylerButtonWidget* button_;
    QLineEdit* other_;
    std::vector<std::string> log_;
};

// ---- Mask and painting --------------------------------------------------------------------------

TEST_F(StylerButtonWidgetTest, MaskIsTheRoundedRegionWithoutTheLastRowAndColumn) {
    Show();
    const QRegion mask = button_->mask();
    EXPECT_EQ(button_->WindowRegion(), gdi::CreateRoundRectRgn(0, 0, 105, 33, 4, 4));
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));     // cut-away corner
    EXPECT_FALSE(mask.contains(QPoint(104, 32)));  // last column and row
    EXPECT_FALSE(mask.contains(QPoint(104, 16)));
    EXPECT_FALSE(mask.contains(QPoint(52, 32)));
    EXPECT_TRUE(mask.contains(QPoint(0, 16)));
    EXPECT_TRUE(mask.contains(QPoint(103, 16)));
    EXPECT_TRUE(mask.contains(QPoint(52, 31)));
    // The mask holds exactly the region's pixels.
    int inside = 0;
    for (int y = 0; y < kButtonSize.height(); ++y) {
        for (int x = 0; x < kButtonSize.width(); ++x) {
            ASSERT_EQ(mask.contains(QPoint(x, y)), button_->WindowRegion().Contains(x, y))
                << x << ", " << y;
            inside += mask.contains(QPoint(x, y)) ? 1 : 0;
        }
    }
    EXPECT_GT(inside, 104 * 32 - 40);
}

TEST_F(StylerButtonWidgetTest, PaintEventsShowTheSurfaceWithoutRedrawing) {
    Show();
    const std::uint64_t redraws = Button().RedrawCount();
    for (int i = 0; i < 3; ++i) {
        button_->repaint();
        window_.repaint();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(Button().RedrawCount(), redraws);

    // A property change repaints once; the paint it asks for only shows the result.
    Button().SetTheme(ThemeBlueGlass);
    EXPECT_EQ(Button().RedrawCount(), redraws + 1);
    button_->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(Button().RedrawCount(), redraws + 1);

    const QImage shown = button_->grab().toImage();
    const gdi::Colour pixel = button_->Surface().Point(52, 16);
    EXPECT_EQ(shown.pixel(52, 16),
              qRgb(gdi::RedByte(pixel), gdi::GreenByte(pixel), gdi::BlueByte(pixel)));
}

TEST_F(StylerButtonWidgetTest, InvalidateRunsThePaintRowOnceAtTheNextPaint) {
    Show();
    const std::uint64_t redraws = Button().RedrawCount();
    button_->Surface().PSet(52, 16, 0x123456);
    button_->Invalidate();
    button_->repaint();
    button_->repaint();
    EXPECT_EQ(Button().RedrawCount(), redraws + 1);
    EXPECT_NE(button_->Surface().Point(52, 16), 0x123456u);  // cleared and painted again
}

TEST_F(StylerButtonWidgetTest, ResizeAppliesTheNewShapeAndRepaintsAtOnce) {
    Show();
    const std::uint64_t redraws = Button().RedrawCount();
    button_->resize(60, 20);
    EXPECT_EQ(Button().RedrawCount(), redraws + 1);
    EXPECT_EQ(button_->Surface().Width(), 60);
    EXPECT_EQ(button_->Surface().Height(), 20);
    EXPECT_EQ(button_->WindowRegion(), gdi::CreateRoundRectRgn(0, 0, 60, 20, 4, 4));
    EXPECT_TRUE(button_->mask().contains(QPoint(58, 10)));
    EXPECT_FALSE(button_->mask().contains(QPoint(59, 10)));

    button_->SetRoundedValue(12);
    EXPECT_EQ(button_->WindowRegion(), gdi::CreateRoundRectRgn(0, 0, 60, 20, 11, 11));
    EXPECT_FALSE(button_->mask().contains(QPoint(1, 1)));
}

TEST_F(StylerButtonWidgetTest, HiddenResizeReachesTheSurfaceAtTheNextRedraw) {
    button_->resize(80, 25);
    button_->SetCaption("x");
    EXPECT_EQ(button_->Surface().Width(), 80);
    EXPECT_EQ(button_->WindowRegion(), gdi::CreateRoundRectRgn(0, 0, 80, 25, 4, 4));
}

TEST_F(StylerButtonWidgetTest, EmptyRegionHidesTheWholeButton) {
    Show();
    button_->resize(1, 1);
    EXPECT_TRUE(button_->WindowRegion().IsEmpty());
    EXPECT_FALSE(button_->mask().isEmpty());  // an empty mask would show everything
    EXPECT_FALSE(button_->mask().contains(QPoint(0, 0)));
    EXPECT_NE(QApplication::widgetAt(button_->mapToGlobal(QPoint(0, 0))), button_);
}

// ---- Mouse --------------------------------------------------------------------------------------

TEST_F(StylerButtonWidgetTest, LeftPressAndReleaseOverTheButtonClick) {
    Show();
    QTest::mousePress(Handle(), Qt::LeftButton, {}, InWindow(kInside));
    EXPECT_EQ(Button().Pressed(), BoolTrue);
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, InWindow({90, 25}));
    EXPECT_EQ(Button().Pressed(), BoolFalse);
    EXPECT_THAT(Log(), ElementsAre("MouseDown 1 0 20 10", "MouseUp 1 0 90 25", "Click"));
    EXPECT_TRUE(button_->hasFocus());  // a click takes the focus
}

TEST_F(StylerButtonWidgetTest, ReleaseOutsideTheButtonIsNoClick) {
    Show();
    QTest::mousePress(Handle(), Qt::LeftButton, {}, InWindow(kInside));
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, InWindow({120, 10}));
    EXPECT_THAT(Log(), ElementsAre("MouseDown 1 0 20 10", "MouseUp 1 0 120 10"));
    EXPECT_EQ(Button().Pressed(), BoolFalse);
}

TEST_F(StylerButtonWidgetTest, OtherButtonsReportTheirBitsAndModifiersAndNeverClick) {
    Show();
    QTest::mousePress(Handle(), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier,
                      InWindow(kInside));
    EXPECT_EQ(Button().Pressed(), BoolFalse);
    QTest::mouseRelease(Handle(), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier,
                        InWindow(kInside));
    QTest::mouseClick(Handle(), Qt::MiddleButton, Qt::AltModifier, InWindow(kInside));
    EXPECT_THAT(Log(), ElementsAre("MouseDown 2 3 20 10", "MouseUp 2 3 20 10",
                                   "MouseDown 4 4 20 10", "MouseUp 4 4 20 10"));
}

TEST_F(StylerButtonWidgetTest, MovesReportTheButtonsHeld) {
    Show();
    QTest::mouseMove(Handle(), InWindow({10, 5}));
    QTest::mousePress(Handle(), Qt::RightButton, {}, InWindow({10, 5}));
    QTest::mouseMove(Handle(), InWindow({11, 6}));
    QTest::mouseRelease(Handle(), Qt::RightButton, {}, InWindow({11, 6}));
    std::vector<std::string> moves;
    for (const std::string& entry : Log(true)) {
        if (entry.rfind("MouseMove", 0) == 0) {
            moves.push_back(entry);
        }
    }
    EXPECT_THAT(moves, ElementsAre("MouseMove 0 0 10 5", "MouseMove 2 0 11 6"));
}

TEST_F(StylerButtonWidgetTest, DoubleClickReplacesTheSecondPress) {
    Show();
    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, InWindow(kInside));
    EXPECT_THAT(Log(), ElementsAre("MouseDown 1 0 20 10", "MouseUp 1 0 20 10", "Click",
                                   "DoubleClick", "MouseUp 1 0 20 10"));
    EXPECT_EQ(Button().Pressed(), BoolFalse);
}

TEST_F(StylerButtonWidgetTest, CutAwayCornerBelongsToTheWindowBelow) {
    Show();
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, InWindow({0, 0}));
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, InWindow({104, 32}));
    EXPECT_THAT(Log(), IsEmpty());
    EXPECT_EQ(QApplication::widgetAt(button_->mapToGlobal(QPoint(0, 0))), &window_);
}

TEST_F(StylerButtonWidgetTest, FailingHandlerStopsItsInputAndNothingElse) {
    Show();
    button_->Events().MouseDown = [](std::int16_t&, std::int16_t&, float&, float&) {
        throw std::runtime_error("handler failed");
    };
    QTest::mousePress(Handle(), Qt::LeftButton, {}, InWindow(kInside));
    EXPECT_EQ(Button().Pressed(), BoolFalse);  // the press ended at the event
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, InWindow(kInside));
    EXPECT_THAT(Log(), ElementsAre("MouseUp 1 0 20 10", "Click"));
}

// ---- Keyboard -----------------------------------------------------------------------------------

TEST_F(StylerButtonWidgetTest, EnterPressesAndClicks) {
    Show();
    button_->setFocus();
    QTest::keyClick(Handle(), Qt::Key_Return);
    EXPECT_THAT(Log(), ElementsAre("KeyDown 13 0", "KeyPress 13", "Click", "KeyUp 13 0"));
}

TEST_F(StylerButtonWidgetTest, SpaceShowsThePressedLookWithoutClicking) {
    Show();
    button_->setFocus();
    QTest::keyPress(Handle(), Qt::Key_Space);
    EXPECT_EQ(Button().Pressed(), BoolTrue);
    QTest::keyRelease(Handle(), Qt::Key_Space);
    EXPECT_EQ(Button().Pressed(), BoolFalse);
    EXPECT_THAT(Log(), ElementsAre("KeyDown 32 0", "KeyPress 32", "KeyUp 32 0"));
}

TEST_F(StylerButtonWidgetTest, KeysArriveAsVirtualKeysAndCharacters) {
    Show();
    button_->setFocus();
    QTest::keyClick(Handle(), Qt::Key_A);
    QTest::keyClick(Handle(), Qt::Key_F5, Qt::ControlModifier);  // Ctrl goes down first
    QTest::keyClick(Handle(), Qt::Key_Escape);
    EXPECT_THAT(Log(), ElementsAre("KeyDown 65 0", "KeyPress 97", "KeyUp 65 0", "KeyDown 17 2",
                                   "KeyDown 116 2", "KeyUp 116 2", "KeyUp 17 0", "KeyDown 27 0",
                                   "KeyPress 27", "KeyUp 27 0"));
}

TEST_F(StylerButtonWidgetTest, AutoRepeatRepeatsKeyDownsAndKeepsOneKeyUp) {
    const auto send = [this](QEvent::Type type, bool repeat) {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
        QApplication::sendEvent(button_, &event);
    };
    send(QEvent::KeyPress, false);
    const std::uint64_t redraws = Button().RedrawCount();
    for (int i = 0; i < 2; ++i) {  // as X11 repeats a held key
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    EXPECT_EQ(Button().RedrawCount(), redraws + 2);  // each repetition repaints
    EXPECT_EQ(Button().Pressed(), BoolTrue);
    send(QEvent::KeyRelease, false);
    EXPECT_EQ(Button().Pressed(), BoolFalse);
    EXPECT_THAT(Log(), ElementsAre("KeyDown 32 0", "KeyPress 32", "KeyDown 32 0", "KeyPress 32",
                                   "KeyDown 32 0", "KeyPress 32", "KeyUp 32 0"));
}

TEST_F(StylerButtonWidgetTest, TabMovesTheFocusAndNeverReachesTheButton) {
    Show();
    button_->setFocus();
    ASSERT_TRUE(button_->hasFocus());
    QTest::keyClick(Handle(), Qt::Key_Tab);
    EXPECT_TRUE(other_->hasFocus());
    EXPECT_EQ(Button().HasFocus(), BoolFalse);
    QTest::keyClick(Handle(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(button_->hasFocus());
    EXPECT_EQ(Button().HasFocus(), BoolTrue);
    // The Shift key of Shift+Tab is the button's once the focus is there; Tab itself never is.
    EXPECT_THAT(Log(), Each(Not(HasSubstr(" 9 "))));
}

TEST_F(StylerButtonWidgetTest, FocusInAndOutSetAndClearHasFocus) {
    EXPECT_EQ(button_->focusPolicy(), Qt::StrongFocus);
    Show();
    button_->setFocus();
    EXPECT_EQ(Button().HasFocus(), BoolTrue);
    other_->setFocus();
    EXPECT_EQ(Button().HasFocus(), BoolFalse);
}

// ---- Hover poll ---------------------------------------------------------------------------------

class StylerButtonWidgetHoverTest : public StylerButtonWidgetTest {
  protected:
    StylerButtonWidgetHoverTest() : StylerButtonWidgetTest(true) {}

    // Puts the pointer at a point of the button (which may lie outside it) and polls once.
    void PollAt(QPoint in_button) {
        QCursor::setPos(button_->mapToGlobal(in_button));
        // The poll runs from the event loop, after the pointer's enter and leave events.
        QCoreApplication::processEvents();
        Button().OnHoverTimerTick();
    }
    std::string At(const std::string& event, QPoint in_button) const {
        const QPoint global = button_->mapToGlobal(in_button);
        return event + " " + std::to_string(global.x()) + " " + std::to_string(global.y());
    }
};

TEST_F(StylerButtonWidgetHoverTest, PollStartsOnlyInRunMode) {
    EXPECT_TRUE(button_->IsHoverTimerRunning());
    StylerButtonWidget designed("StylerButton2", &window_);
    designed.SetRunMode(false);
    designed.Button().ApplyDefaults();
    EXPECT_FALSE(designed.IsHoverTimerRunning());
}

TEST_F(StylerButtonWidgetHoverTest, EntersOnceAndLeavesOnce) {
    Show();
    PollAt({-20, 10});
    EXPECT_THAT(Log(), IsEmpty());
    PollAt(kInside);
    const std::uint64_t redraws = Button().RedrawCount();
    PollAt({30, 12});
    PollAt({90, 20});
    EXPECT_EQ(Button().RedrawCount(), redraws);  // no change, no repaint
    PollAt({200, 12});
    EXPECT_THAT(Log(), ElementsAre(At("MouseEnters", kInside), At("MouseLeaves", {200, 12})));
    EXPECT_TRUE(button_->IsHoverTimerRunning());
}

TEST_F(StylerButtonWidgetHoverTest, CutAwayCornerAndCoveringWindowCountAsOutside) {
    Show();
    PollAt(kInside);
    PollAt({0, 0});
    EXPECT_EQ(Button().MouseOver(), BoolFalse);
    PollAt(kInside);
    EXPECT_EQ(Button().MouseOver(), BoolTrue);

    QWidget cover(&window_);
    cover.setGeometry(QRect(InWindow({0, 0}), QSize(40, 33)));
    cover.show();
    PollAt(kInside);
    EXPECT_EQ(Button().MouseOver(), BoolFalse);
    EXPECT_THAT(Log(), ElementsAre(At("MouseEnters", kInside), At("MouseLeaves", {0, 0}),
                                   At("MouseEnters", kInside), At("MouseLeaves", kInside)));
}

// The timer ticks only while the pointer is over the window or the button counts it as over
// itself; leaving the window straight from the button still gets its MouseLeaves, and coming
// back gets MouseEnters from the restarted poll.
TEST_F(StylerButtonWidgetHoverTest, PollTicksOnlyWhileThePointerMayBeOverTheButton) {
    // The window opens away from the pointer (the offscreen platform would not report leaving a
    // window that opened under it).
    const QPoint away = window_.mapToGlobal(QPoint(-60, -60));
    QCursor::setPos(away);
    Show();
    for (int round = 0; round < 2; ++round) {
        QCursor::setPos(away);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !button_->IsHoverPollTicking(); }, 1000));
        EXPECT_TRUE(button_->IsHoverTimerRunning());
        QCursor::setPos(button_->mapToGlobal(kInside));
        QCoreApplication::processEvents();
        EXPECT_TRUE(button_->IsHoverPollTicking());
        ASSERT_TRUE(QTest::qWaitFor([&] { return Button().MouseOver() == BoolTrue; }, 1000));
    }
    QCursor::setPos(away);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Button().MouseOver() == BoolFalse; }, 1000));
    EXPECT_FALSE(button_->IsHoverPollTicking());
    const std::string enters = At("MouseEnters", kInside);
    const std::string leaves = "MouseLeaves " + std::to_string(away.x()) + " " +
                               std::to_string(away.y());
    EXPECT_THAT(Log(), ElementsAre(enters, leaves, enters, leaves));
}

// ---- Qt properties ------------------------------------------------------------------------------

TEST_F(StylerButtonWidgetTest, PropertiesReadAndWriteTheButtonByName) {
    QSignalSpy changed(button_, &StylerButtonWidget::PropertyChanged);
    EXPECT_EQ(button_->property("Theme").toInt(), ThemeDarkGloss);
    EXPECT_TRUE(button_->setProperty("Theme", ThemeSilver));
    EXPECT_EQ(Button().Theme(), ThemeSilver);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toString(), QStringLiteral("Theme"));

    EXPECT_EQ(button_->property("Caption").toString(), QStringLiteral("StylerButton1"));
    button_->setProperty("Caption", QString::fromUtf8("关闭"));
    EXPECT_EQ(Button().Caption(), "关闭");

    button_->setProperty("ForeColor", 0x80000012u);
    EXPECT_EQ(Button().ForeColor(), 0x80000012u);
    EXPECT_EQ(button_->property("ForeColor").toUInt(), 0x80000012u);

    button_->setProperty("ButtonEnabled", false);
    EXPECT_EQ(Button().Enabled(), BoolFalse);
    button_->setProperty("FocusDottedRect", true);
    EXPECT_EQ(Button().FocusDottedRect(), BoolTrue);

    button_->setProperty("CaptionOffsetX", QVariant::fromValue<qint16>(-7));
    EXPECT_EQ(Button().CaptionOffsetX(), -7);
    button_->setProperty("RoundedValue", 9);
    EXPECT_EQ(button_->property("RoundedValue").toInt(), 9);

    // Each of the nineteen is a Qt property of its own name, but for the two that QWidget has.
    for (const char* name :
         {"CaptionAlignment", "IconAlignment", "Caption", "ForeColor", "CaptionDisableColor",
          "CaptionEffectColor", "CaptionEffect", "CaptionOffsetX", "CaptionOffsetY",
          "ShadowOffsetX", "ShadowOffsetY", "IconDisableColor", "Theme", "FocusDottedRect",
          "ButtonEnabled", "CaptionFont", "IconTransparentColour", "Icon", "RoundedValue"}) {
        EXPECT_GE(button_->metaObject()->indexOfProperty(name), 0) << name;
    }
}

TEST_F(StylerButtonWidgetTest, FontAndIconPropertiesConvert) {
    Button().SetFont(std::make_shared<gdi::Font>(gdi::Font{"宋体", 9.0, 400, 134}));
    QFont font = button_->property("CaptionFont").value<QFont>();
    EXPECT_EQ(font.family(), QString::fromUtf8("宋体"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.0);
    font.setPointSizeF(10.5);
    font.setBold(true);
    font.setItalic(true);
    button_->setProperty("CaptionFont", font);
    ASSERT_TRUE(Button().Font());
    EXPECT_EQ(*Button().Font(), (gdi::Font{"宋体", 10.5, 700, 134, true, false, false}));

    QImage icon(3, 2, QImage::Format_RGB32);
    icon.fill(qRgb(1, 2, 3));
    icon.setPixel(2, 1, qRgb(255, 0, 255));
    button_->setProperty("Icon", icon);
    ASSERT_TRUE(Button().Icon());
    EXPECT_EQ(Button().Icon()->Point(0, 0), gdi::Rgb(1, 2, 3));
    EXPECT_EQ(Button().Icon()->Point(2, 1), 0xFF00FFu);
    EXPECT_EQ(button_->property("Icon").value<QImage>(), icon);
    button_->setProperty("Icon", QImage());
    EXPECT_FALSE(Button().Icon());
}

}  // namespace
}  // namespace tolvane::styler
