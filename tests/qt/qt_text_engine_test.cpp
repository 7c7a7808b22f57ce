#include "qt/qt_text_engine.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <ostream>

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include "qt/fonts.h"

namespace tolvane::qt {
namespace {

constexpr gdi::Colour kBack = 0x00336699;
constexpr gdi::Colour kFore = 0x000000FF;

gdi::FontRef Spec(const char* name, double points, int weight = 400) {
    auto font = std::make_shared<gdi::Font>();
    font->Name = name;
    font->SizePoints = points;
    font->Weight = weight;
    font->Charset = 134;
    return font;
}

gdi::Surface MakeSurface(int width, int height, gdi::FontRef font) {
    gdi::Surface surface(width, height);
    surface.SetBackColor(kBack);
    surface.SetForeColor(kFore);
    surface.SetFont(std::move(font));
    return surface;
}

int CountColour(const gdi::Surface& surface, gdi::Colour colour) {
    int count = 0;
    for (const gdi::Colour pixel : surface.Pixels()) {
        count += pixel == colour ? 1 : 0;
    }
    return count;
}

struct TextCase {
    const char* name;
    gdi::FontRef font;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

class QtTextEngineTest : public testing::TestWithParam<TextCase> {
  protected:
    QtTextEngine engine_;
};

TEST_P(QtTextEngineTest, PrintChangesOnlyGlyphPixelsToExactlyTheForeColour) {
    gdi::Surface surface = MakeSurface(220, 70, GetParam().font);
    engine_.Print(surface, 3, 4, GetParam().text);
    const int glyph_pixels = CountColour(surface, kFore);
    EXPECT_GT(glyph_pixels, 0);
    EXPECT_EQ(glyph_pixels + CountColour(surface, kBack), 220 * 70);

    // The glyphs lie in the box that TextWidth and TextHeight measure (a pixel of slack for
    // overhang), which is what centring a caption relies on.
    const double width = engine_.TextWidth(surface, GetParam().text);
    const double height = engine_.TextHeight(surface, GetParam().text);
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.Point(x, y) == kFore) {
                EXPECT_TRUE(x >= 2 && x <= 3 + std::ceil(width) && y >= 4 &&
                            y < 4 + std::ceil(height))
                    << x << ", " << y;
            }
        }
    }
}

TEST_P(QtTextEngineTest, ClippedPrintMatchesTheSameTextOnALargerSurface) {
    // Printing at (x, y) on a small surface must give exactly the pixels that printing at
    // (x + border, y + border) gives on a large one, seen through the small one's window.
    constexpr int kBorder = 80;
    const struct {
        int x, y, width, height;
    } cases[] = {{-5, -3, 24, 12}, {-30, 0, 40, 20}, {20, 10, 24, 12}, {0, -7, 200, 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        gdi::Surface small = MakeSurface(c.width, c.height, GetParam().font);
        gdi::Surface large =
            MakeSurface(c.width + 2 * kBorder, c.height + 2 * kBorder, GetParam().font);
        engine_.Print(small, c.x, c.y, GetParam().text);
        engine_.Print(large, c.x + kBorder, c.y + kBorder, GetParam().text);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                ASSERT_EQ(small.Point(x, y), large.Point(x + kBorder, y + kBorder))
                    << x << ", " << y;
            }
        }
    }
}

TEST_P(QtTextEngineTest, MetricsAreThoseOfTheSurfaceFont) {
    const gdi::Surface surface = MakeSurface(1, 1, GetParam().font);
    const QFontMetricsF metrics(QtTextEngine::SurfaceFont(surface));
    EXPECT_DOUBLE_EQ(engine_.TextWidth(surface, GetParam().text),
                     metrics.horizontalAdvance(QString::fromUtf8(GetParam().text)));
    EXPECT_GT(engine_.TextWidth(surface, GetParam().text), 0.0);
    EXPECT_DOUBLE_EQ(engine_.TextHeight(surface, GetParam().text), metrics.height());
    EXPECT_DOUBLE_EQ(engine_.TextWidth(surface, ""), 0.0);
    if (!GetParam().font) {
        // A surface without a font draws in Tahoma 8.25 pt.
        EXPECT_EQ(metrics.height(), QFontMetricsF(ToQFont(DefaultSurfaceFont())).height());
        EXPECT_EQ(QtTextEngine::SurfaceFont(surface).pixelSize(), 11);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QtTextEngineTest,
    testing::Values(TextCase{"Caption", Spec(kSongFace, 9), "关闭"},
                    TextCase{"DefaultFont", nullptr, "Tolvane 7"},
                    TextCase{"Counter", Spec(kGothicFace, 35.25, 700), "1 0 8 0"},
                    TextCase{"Heading", Spec(kSongFace, 10.5, 700), "距离2014年4月8日还剩 ："}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(QtTextEngineEdgeTest, ForeColourIsStoredWithoutItsTopByte) {
    QtTextEngine engine;
    gdi::Surface surface = MakeSurface(40, 20, Spec(kSongFace, 9));
    surface.SetForeColor(0x80FF00FF);
    engine.Print(surface, 1, 1, "关闭");
    EXPECT_GT(CountColour(surface, 0x00FF00FF), 0);
    for (const gdi::Colour pixel : surface.Pixels()) {
        ASSERT_EQ(pixel >> 24, 0u);
    }
}

TEST(QtTextEngineEdgeTest, TextOutsideTheSurfaceOrEmptyChangesNothing) {
    QtTextEngine engine;
    const struct {
        int x, y;
    } places[] = {{INT_MAX, 0}, {INT_MIN, 0}, {0, INT_MAX}, {0, INT_MIN},
                  {40, 0},      {-200, 0},    {0, 20}};
    for (const auto& p : places) {
        gdi::Surface surface = MakeSurface(40, 20, Spec(kSongFace, 9));
        engine.Print(surface, p.x, p.y, "关闭关闭关闭");
        EXPECT_EQ(CountColour(surface, kBack), 40 * 20) << p.x << ", " << p.y;
    }
    gdi::Surface surface = MakeSurface(40, 20, Spec(kSongFace, 9));
    engine.Print(surface, 1, 1, "");
    EXPECT_EQ(CountColour(surface, kBack), 40 * 20);
    gdi::Surface empty = MakeSurface(0, 0, Spec(kSongFace, 9));
    engine.Print(empty, 0, 0, "关闭");
    EXPECT_EQ(empty.Pixels().size(), 0u);
}

// One engine keeps its last font and text measured; a new font, a font object changed in
// place, or another text must each be measured afresh, and printing must follow them.
TEST(QtTextEngineEdgeTest, MeasurementsFollowEveryChangeOfFontAndText) {
    QtTextEngine engine;
    const auto font = Spec(kSongFace, 9);
    gdi::Surface surface = MakeSurface(120, 40, font);
    const double small = engine.TextWidth(surface, "关闭");
    EXPECT_GT(engine.TextWidth(surface, "关闭关闭"), small);
    font->SizePoints = 18;
    const double large = engine.TextWidth(surface, "关闭");
    EXPECT_GT(large, small);
    EXPECT_DOUBLE_EQ(large, QFontMetricsF(QtTextEngine::SurfaceFont(surface))
                                .horizontalAdvance(QString::fromUtf8("关闭")));
    surface.SetFont(Spec(kSongFace, 9));
    EXPECT_DOUBLE_EQ(engine.TextWidth(surface, "关闭"), small);

    // A print after measuring another text inks as much as a fresh engine does.
    gdi::Surface reference = MakeSurface(120, 40, Spec(kSongFace, 18));
    QtTextEngine().Print(reference, 2, 2, "关闭关闭");
    gdi::Surface printed = MakeSurface(120, 40, Spec(kSongFace, 18));
    engine.TextWidth(printed, "关");
    engine.Print(printed, 2, 2, "关闭关闭");
    EXPECT_EQ(printed.Pixels().size(), reference.Pixels().size());
    EXPECT_TRUE(
        std::equal(printed.Pixels().begin(), printed.Pixels().end(), reference.Pixels().begin()));
}

}  // namespace
}  // namespace tolvane::qt
