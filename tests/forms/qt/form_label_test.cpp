#include "forms/qt/form_label.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include "qt/fonts.h"
#include "forms/qt/form_window.h"

namespace tolvane::qt {
namespace {

gdi::Font Spec(const char* name, double points, int weight, int charset) {
    gdi::Font font;
    font.Name = name;
    font.SizePoints = points;
    font.Weight = weight;
    font.Charset = charset;
    return font;
}

const gdi::Font kCounterFont = Spec(kGothicFace, 35.25, 700, 0);
const gdi::Font kHeadingFont = Spec(kSongFace, 10.5, 700, 134);
const gdi::Font kDateFont = Spec(kSongFace, 10.5, 400, 134);

QSize TextSize(const gdi::Font& font, const char* text) {
    const QFontMetrics metrics(ToQFont(font));
    return {metrics.horizontalAdvance(QString::fromUtf8(text)), metrics.height()};
}

// A window with one label on it, recording what reaches the window and the label's clicks.
class FormLabelTest : public testing::Test {
  protected:
    FormLabelTest() : window_("Tolvane", QSize(550, 289)), label_(new FormLabel(&window_)) {
        window_.OnMouseDown([this](int, int, float, float) { ++window_downs_; });
        window_.OnMouseUp([this](int, int, float, float) { ++window_ups_; });
        label_->OnClick([this] { ++clicks_; });
        label_->move(224, 184);
        label_->SetFormFont(kCounterFont);
        label_->SetText("9 9 9 9");
    }

    void Show() {
        window_.show();
        QCoreApplication::processEvents();
    }

    void Click(Qt::MouseButton button, QPoint press, QPoint release) {
        QTest::mousePress(window_.windowHandle(), button, {}, press);
        QTest::mouseRelease(window_.windowHandle(), button, {}, release);
    }

    QPoint LabelCentre() const { return label_->geometry().center(); }

    FormWindow window_;
    FormLabel* label_;
    int window_downs_ = 0;
    int window_ups_ = 0;
    int clicks_ = 0;
};

TEST_F(FormLabelTest, SizesToItsTextKeepingItsTopLeftCorner) {
    const struct {
        gdi::Font font;
        QPoint at;
        const char* text;
    } cases[] = {
        {kCounterFont, {224, 184}, "1 0 8 0"},
        {kCounterFont, {224, 184}, "0 3 4 4"},
        {kHeadingFont, {320, 136}, "距离2014年4月8日还剩 ："},
        {kDateFont, {16, 264}, "9999年12月31日"},
        {kDateFont, {16, 264}, "现在日期：2013年04月28日"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        label_->move(c.at);
        label_->SetFormFont(c.font);
        label_->SetText(c.text);
        EXPECT_EQ(label_->geometry(), QRect(c.at, TextSize(c.font, c.text)));
    }
}

TEST_F(FormLabelTest, FontChangeRemeasuresKeepingTheCorner) {
    label_->SetFormFont(kDateFont);
    EXPECT_EQ(label_->geometry(), QRect(QPoint(224, 184), TextSize(kDateFont, "9 9 9 9")));
}

TEST_F(FormLabelTest, TextIsShownExactlyAsGiven) {
    const char* text = "<b>&amp; 7 &x</b>";
    label_->SetText(text);
    EXPECT_EQ(label_->Text(), text);
    EXPECT_EQ(label_->textFormat(), Qt::PlainText);
    EXPECT_EQ(label_->size(), TextSize(kCounterFont, text));
}

TEST_F(FormLabelTest, ColoursAndPropertiesSurviveTextChanges) {
    label_->SetToolTipText("点击此处直接计算剩余天数");
    label_->SetForeColor(65535);  // yellow
    label_->SetText("0 3 4 4");
    label_->SetForeColor(255);  // red
    label_->SetText("0 3 4 3");
    EXPECT_EQ(label_->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(label_->ForeColor(), 255u);
    EXPECT_EQ(label_->ToolTipText(), "点击此处直接计算剩余天数");
    EXPECT_EQ(label_->FormFont(), kCounterFont);
    EXPECT_EQ(label_->font().pixelSize(), 47);

    label_->SetForeColor(0x80000012u);  // a system colour: the palette's text colour
    EXPECT_EQ(label_->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::WindowText));
}

TEST_F(FormLabelTest, BackgroundIsTransparent) {
    QImage picture(550, 289, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    window_.SetPicture({picture});
    label_->SetForeColor(0xFFFFFF);
    const auto pixels_in_label = [&](const QColor& colour) {
        const QImage shot = window_.grab(label_->geometry()).toImage();
        int count = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                count += shot.pixelColor(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    };
    label_->SetText("    ");
    EXPECT_EQ(pixels_in_label(QColor(10, 20, 30)), label_->width() * label_->height());
    label_->SetText("8");  // a glyph does draw: the check above can fail
    EXPECT_GT(pixels_in_label(QColor(255, 255, 255)), 0);
}

TEST_F(FormLabelTest, MouseOnTheLabelNeverReachesTheWindowAndOnlyALeftClickClicks) {
    Show();
    const QPoint on = LabelCentre();
    const QPoint off(5, 5);
    const struct {
        Qt::MouseButton button;
        QPoint press, release;
        int clicks, window_downs, window_ups;
    } cases[] = {
        {Qt::LeftButton, on, on, 1, 0, 0},
        {Qt::RightButton, on, on, 0, 0, 0},
        {Qt::MiddleButton, on, on, 0, 0, 0},
        {Qt::LeftButton, on, off, 0, 0, 0},   // released away from the label
        {Qt::LeftButton, off, off, 0, 1, 1},  // the bare surface
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.button << " " << c.press.x() << "->" << c.release.x());
        clicks_ = window_downs_ = window_ups_ = 0;
        Click(c.button, c.press, c.release);
        EXPECT_EQ(clicks_, c.clicks);
        EXPECT_EQ(window_downs_, c.window_downs);
        EXPECT_EQ(window_ups_, c.window_ups);
    }
}

TEST_F(FormLabelTest, HiddenLabelNeverShowsNorTakesTheMouse) {
    label_->hide();
    Show();
    label_->SetText("9999");
    EXPECT_FALSE(label_->Visible());
    EXPECT_FALSE(label_->isVisible());
    Click(Qt::LeftButton, LabelCentre(), LabelCentre());
    EXPECT_EQ(clicks_, 0);
    EXPECT_EQ(window_downs_, 1);
}

}  // namespace
}  // namespace tolvane::qt
