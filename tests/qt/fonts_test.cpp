#include "qt/fonts.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>

#include <gtest/gtest.h>

namespace tolvane::qt {
namespace {

gdi::Font Spec(const char* name, double points, int weight = 400, int charset = 134) {
    gdi::Font font;
    font.Name = name;
    font.SizePoints = points;
    font.Weight = weight;
    font.Charset = charset;
    return font;
}

gdi::Font SongBold(double points) {
    return Spec(kSongFace, points, 700);
}
gdi::Font CounterFont() {
    return Spec(kGothicFace, 35.25, 700, 0);
}

TEST(FontsTest, PointSizesBecomePixelSizes) {
    const struct {
        double points;
        int pixels;
    } cases[] = {{9.0, 12}, {10.5, 14}, {12.0, 16}, {35.25, 47}, {8.25, 11}, {0.25, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points);
        const QFont font = ToQFont(Spec(kSongFace, c.points));
        EXPECT_EQ(font.pixelSize(), c.pixels);
        EXPECT_EQ(QFontInfo(font).pixelSize(), c.pixels);
    }
}

TEST(FontsTest, SizesOutOfRangeAreRefusedNamingTheSize) {
    for (const double points : {0.0, -3.0, 5000.0, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(points);
        try {
            (void)ToQFont(Spec(kSongFace, points));
            ADD_FAILURE() << "no exception";
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what()).find(std::to_string(points)), std::string::npos)
                << error.what();
        }
    }
}

TEST(FontsTest, DesignFacesResolveToTheirSubstitutes) {
    const struct {
        gdi::Font spec;
        const char* family;
    } cases[] = {{SongBold(10.5), kSongSubstitute},
                 {Spec(kSongFace, 9), kSongSubstitute},
                 {CounterFont(), kGothicSubstitute},
                 {DefaultSurfaceFont(), kTahomaSubstitute}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spec.Name);
        EXPECT_EQ(QFontInfo(ToQFont(c.spec)).family(), QString::fromUtf8(c.family));
    }
}

TEST(FontsTest, SpacedCounterFitsBetweenItsLeftEdgeAndTheDaysLabel) {
    // Label4 starts at x = 224 and "天" at x = 392.
    const QFontMetrics metrics(ToQFont(CounterFont()));
    for (const char* text : {"1 0 8 0", "9 9 9 9", "0 3 4 4"}) {
        EXPECT_LT(224 + metrics.horizontalAdvance(QString::fromUtf8(text)), 392) << text;
    }
}

// Every character of the texts drawn in a font must have a glyph in the face that font resolves
// to, so that no missing-glyph box shows.
void ExpectAllInFace(const QFont& font, const char* text) {
    const QRawFont face = QRawFont::fromFont(font);
    ASSERT_TRUE(face.isValid());
    for (const char32_t c : QString::fromUtf8(text).toUcs4()) {
        EXPECT_TRUE(face.supportsCharacter(c))
            << text << ": U+" << std::hex << static_cast<unsigned>(c) << " missing in "
            << face.familyName().toStdString();
    }
}

TEST(FontsTest, LabelTextsHaveEveryGlyphInTheirFaces) {
    const struct {
        gdi::Font spec;
        const char* text;
    } cases[] = {
        {SongBold(10.5), "距离2014年4月8日还剩 ："},
        {SongBold(12), "天"},
        {Spec(kSongFace, 10.5), "现在日期：2013年04月28日"},
        {CounterFont(), "0123456789 -"},
        {SongBold(12), "13小时5分9秒"},
        {Spec(kSongFace, 9), "关闭"},
        {Spec(kSongFace, 9), "点击此处直接计算剩余天数"},
    };
    for (const auto& c : cases) {
        ExpectAllInFace(ToQFont(c.spec), c.text);
    }
}

TEST(FontsTest, MessageAndTooltipTextsHaveGlyphsInTheApplicationFont) {
    const QFontMetrics metrics(QApplication::font());
    for (const char* text :
         {"点击此处直接计算剩余天数", "提示", "错误", "系统时间错误！",
          "Micosoft Windows XP 已死 ！建议升级到 Windows 7或更高的系统。", "确定", "关闭"}) {
        for (const char32_t c : QString::fromUtf8(text).toUcs4()) {
            EXPECT_TRUE(metrics.inFontUcs4(c))
                << text << ": U+" << std::hex << static_cast<unsigned>(c);
        }
    }
    // The check can fail: a code point no font has is reported missing.
    EXPECT_FALSE(metrics.inFontUcs4(0x10FFFD));
}

}  // namespace
}  // namespace tolvane::qt
