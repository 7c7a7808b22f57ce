// One repaint of the close button (105 x 33, "关闭" in 宋体 9 pt) in its most expensive case, an
// enabled ThemeSilver button in a state look (hover: the normal look, then the hover look over
// it: 8 four-corner gradients, 16 two-colour fills, 2 outlines, the caption), next to the same
// picture drawn with QPainter on a QImage. Also the disabled icon's silhouette, which is rebuilt
// on every repaint of a disabled button.
//
// Our repaint runs through the button's own paint handler (clear, region, font, looks, caption)
// with the program's Qt text engine (TolvaneBoxText: fixed metrics and a 3 x 3 box instead, our
// drawing alone). The QPainter counterparts do what a Qt paintEvent would: open a painter, clear,
// draw each two-colour fill as a fillRect with a two-stop QLinearGradient, the two rounded
// outlines, and the caption centred with QFontMetricsF and drawn with drawText. They differ in
// the four-corner areas: QPainter draws each as one fillRect with a diagonal three-stop
// QLinearGradient (corner to corner through the mix of the other two corners: the cheapest
// look-alike, which favours QPainter), QPainterBilinear as the exact bilinear blend. Build in
// Release and compare the CPU times.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include <QColor>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>

#include "qt/fonts.h"
#include "qt/qt_colour.h"
#include "qt/qt_text_engine.h"
#include "gdi/transparent_blt.h"
#include "stylerbutton/core/container.h"
#include "stylerbutton/core/recolour_picture.h"
#include "stylerbutton/core/offscreen_container.h"
#include "stylerbutton/core/styler_button.h"
#include "stylerbutton/core/theme_colours.h"
#include "stylerbutton/core/theme_painter.h"

namespace {

using tolvane::qt::ToQColor;

using tolvane::gdi::Colour;
using namespace tolvane::styler;

constexpr int kWidth = 105;
constexpr int kHeight = 33;
constexpr const char* kCaption = "关闭";

tolvane::gdi::FontRef CloseButtonFont() {
    return std::make_shared<tolvane::gdi::Font>(tolvane::gdi::Font{"宋体", 9.0, 400, 134});
}

// Fixed metrics (7 pixels per byte, 12 high) and a 3 x 3 box per Print: our drawing without the
// cost of laying out glyphs.
class BoxTextEngine final : public tolvane::gdi::TextEngine {
  public:
    double TextWidth(const tolvane::gdi::Surface&, std::string_view text) override {
        return 7.0 * static_cast<double>(text.size());
    }
    double TextHeight(const tolvane::gdi::Surface&, std::string_view) override { return 12.0; }
    void Print(tolvane::gdi::Surface& surface, int x, int y, std::string_view) override {
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                surface.PSet(x + column, y + row, surface.ForeColor());
            }
        }
    }
};

// The device pixel ratio of a run: its argument in hundredths (100, 200).
double Ratio(const benchmark::State& state) {
    return static_cast<double>(state.range(0)) / 100.0;
}

// The close button, hovered, at the run's device pixel ratio.
void RedrawHoveredSilver(benchmark::State& state, tolvane::gdi::TextEngine& text) {
    OffscreenContainer container(kWidth, kHeight, text, CloseButtonFont(), Ratio(state));
    container.PointerOver = true;
    StylerButton button(container);
    button.ApplyDefaults();
    button.SetCaption(kCaption);
    button.SetTheme(ThemeSilver);
    button.OnHoverTimerTick();
    for (auto _ : state) {
        button.OnPaint();
        benchmark::DoNotOptimize(container.Surface().Pixels().data());
        benchmark::ClobberMemory();
    }
}

void BM_Redraw_SilverHover_Tolvane(benchmark::State& state) {
    tolvane::qt::QtTextEngine text;
    text.SetDevicePixelRatio(Ratio(state));
    RedrawHoveredSilver(state, text);
}

void BM_Redraw_SilverHover_TolvaneBoxText(benchmark::State& state) {
    BoxTextEngine text;
    RedrawHoveredSilver(state, text);
}

// ---- The same picture with QPainter ------------------------------------------------------------

QColor Mix(Colour a, Colour b) {
    const QColor x = ToQColor(a);
    const QColor y = ToQColor(b);
    return QColor((x.red() + y.red()) / 2, (x.green() + y.green()) / 2, (x.blue() + y.blue()) / 2);
}

void FourCorner(QPainter& p, int left, int top, int width, int height, Colour tl, Colour tr,
                Colour bl, Colour br) {
    QLinearGradient gradient(left, top, left + width, top + height);
    gradient.setColorAt(0, ToQColor(tl));
    gradient.setColorAt(0.5, Mix(tr, bl));
    gradient.setColorAt(1, ToQColor(br));
    p.fillRect(left, top, width, height, gradient);
}

void TwoColour(QPainter& p, FillDirection direction, int left, int top, int right, int bottom,
               Colour from, Colour to) {
    const bool vertical = direction == FillDirection::Vertical;
    QLinearGradient gradient(left, top, vertical ? left : right, vertical ? bottom : top);
    gradient.setColorAt(0, ToQColor(from));
    gradient.setColorAt(1, ToQColor(to));
    p.fillRect(left, top, right - left, bottom - top, gradient);
}

// One silver look; fourCorner(left, top, width, height, tl, tr, bl, br) draws a quadrant.
template <class FourCornerArea>
void SilverLookWithQPainter(QPainter& p, const SilverLook& c, FourCornerArea fourCorner) {
    const int halfW = 52;   // rnd(105 / 2)
    const int middle = 16;  // rnd(33 / 2 - 1)
    constexpr auto kVertical = FillDirection::Vertical;
    constexpr auto kHorizontal = FillDirection::Horizontal;
    fourCorner(1, 1, halfW, middle, c.Q1TL, c.Q1TR, c.Q1BL, c.Q1BR);
    fourCorner(1, middle, halfW, middle, c.Q2TL, c.Q2TR, c.Q2BL, c.Q2BR);
    fourCorner(halfW, 1, halfW, middle, c.Q1TR, c.Q1TL, c.Q1BR, c.Q1BL);
    fourCorner(halfW, middle, halfW, middle, c.Q2TR, c.Q2TL, c.Q2BR, c.Q2BL);
    TwoColour(p, kVertical, 0, 0, 2, middle, c.S1, c.S2);
    TwoColour(p, kVertical, 0, middle, 2, kHeight, c.S3, c.S4);
    TwoColour(p, kVertical, kWidth - 3, 0, kWidth, middle, c.S1, c.S2);
    TwoColour(p, kVertical, kWidth - 3, middle, kWidth, kHeight, c.S3, c.S4);
    TwoColour(p, kHorizontal, 0, kHeight - 3, halfW, kHeight, c.E1, c.E2);
    TwoColour(p, kHorizontal, halfW, kHeight - 3, kWidth, kHeight, c.E2, c.E1);
    TwoColour(p, kHorizontal, 0, 1, halfW, 2, c.E1, c.E2);
    TwoColour(p, kHorizontal, halfW, 1, kWidth, 2, c.E2, c.E1);
    p.setPen(QPen(ToQColor(c.O), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 2, kHeight - 2), 2.5, 2.5);
}

// The exact bilinear blend in QPainter: the top edge as a horizontal gradient, the bottom edge as
// another on an ARGB layer faded in by a vertical alpha gradient (DestinationIn), drawn over it.
void FourCornerExact(QPainter& p, QImage& layer, int left, int top, int width, int height,
                     Colour tl, Colour tr, Colour bl, Colour br) {
    QLinearGradient upper(left, 0, left + width, 0);
    upper.setColorAt(0, ToQColor(tl));
    upper.setColorAt(1, ToQColor(tr));
    p.fillRect(left, top, width, height, upper);
    QLinearGradient lower(0, 0, width, 0);
    lower.setColorAt(0, ToQColor(bl));
    lower.setColorAt(1, ToQColor(br));
    QLinearGradient fade(0, 0, 0, height);
    fade.setColorAt(0, QColor(0, 0, 0, 0));
    fade.setColorAt(1, QColor(0, 0, 0, 255));
    {
        QPainter layerPainter(&layer);
        layerPainter.setCompositionMode(QPainter::CompositionMode_Source);
        layerPainter.fillRect(0, 0, width, height, lower);
        layerPainter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        layerPainter.fillRect(0, 0, width, height, fade);
    }
    const double ratio = layer.devicePixelRatio();  // the source rectangle is in device pixels
    p.drawImage(QRectF(left, top, width, height), layer,
                QRectF(0, 0, width * ratio, height * ratio));
}

// The caption centred as the caption painter centres it, measured and drawn each time.
void DrawCaption(QPainter& p, const QFont& font, const QString& caption) {
    const QFontMetricsF metrics(font);
    const double x = kWidth / 2.0 - metrics.horizontalAdvance(caption) / 2 - 1;
    const double y = kHeight / 2.0 - metrics.height() / 2 - 1;
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QPointF(x, y + metrics.ascent()), caption);
}

QFont CaptionFont() {
    QFont font = tolvane::qt::ToQFont(*CloseButtonFont());
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A picture of the button's device size at the run's ratio: QPainter draws the same logical
// picture into it at device resolution, the caption at the font's device size.
QImage DeviceImage(const benchmark::State& state, QImage::Format format) {
    const double ratio = Ratio(state);
    const DeviceScale scale(ratio);
    QImage image(scale.Whole(kWidth), scale.Whole(kHeight), format);
    image.setDevicePixelRatio(ratio);
    return image;
}

// Each quadrant as one diagonal linear gradient: the cheapest look-alike.
void BM_Redraw_SilverHover_QPainter(benchmark::State& state) {
    QImage image = DeviceImage(state, QImage::Format_RGB32);
    const QFont font = CaptionFont();
    const QString caption = QString::fromUtf8(kCaption);
    for (auto _ : state) {
        QPainter p(&image);
        const auto quadrant = [&p](int l, int t, int w, int h, Colour tl, Colour tr, Colour bl,
                                   Colour br) { FourCorner(p, l, t, w, h, tl, tr, bl, br); };
        p.fillRect(image.rect(), Qt::black);
        SilverLookWithQPainter(p, kSilverLooks[Look::Normal], quadrant);
        SilverLookWithQPainter(p, kSilverLooks[Look::Hover], quadrant);
        DrawCaption(p, font, caption);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

// Each quadrant as the exact bilinear blend.
void BM_Redraw_SilverHover_QPainterBilinear(benchmark::State& state) {
    QImage image = DeviceImage(state, QImage::Format_RGB32);
    QImage layer = DeviceImage(state, QImage::Format_ARGB32_Premultiplied);
    const QFont font = CaptionFont();
    const QString caption = QString::fromUtf8(kCaption);
    for (auto _ : state) {
        QPainter p(&image);
        const auto quadrant = [&](int l, int t, int w, int h, Colour tl, Colour tr, Colour bl,
                                  Colour br) {
            FourCornerExact(p, layer, l, t, w, h, tl, tr, bl, br);
        };
        p.fillRect(image.rect(), Qt::black);
        SilverLookWithQPainter(p, kSilverLooks[Look::Normal], quadrant);
        SilverLookWithQPainter(p, kSilverLooks[Look::Hover], quadrant);
        DrawCaption(p, font, caption);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

// ---- The disabled icon -------------------------------------------------------------------------

std::shared_ptr<tolvane::gdi::Surface> Icon32() {
    auto icon = std::make_shared<tolvane::gdi::Surface>(32, 32, 0xFF00FF);
    for (int y = 4; y < 28; ++y) {
        for (int x = 4; x < 28; ++x) {
            icon->PSet(x, y, tolvane::gdi::Rgb(x * 8, y * 8, 100));
        }
    }
    return icon;
}

// What a disabled repaint does for the icon: a fresh copy of the picture into imgDis, the
// recolouring pixel by pixel, and the transparent blit onto the button.
void BM_DisabledIconSilhouette32(benchmark::State& state) {
    const auto icon = Icon32();
    PictureHolder imgDis;
    tolvane::gdi::Surface surface(kWidth, kHeight);
    for (auto _ : state) {
        imgDis.SetPicture(icon);
        RecolourPicture(imgDis, 0xFF00FF, 0xB2B2B2);
        tolvane::gdi::TransparentBlt(surface, 5, 0, 32, 32, imgDis.hDC(), 0, 0, 32, 32, 0xFF00FF);
        benchmark::DoNotOptimize(surface.Pixels().data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 32 * 32);
}

// A whole disabled repaint with and without the icon: the difference is the icon's share.
void BM_Redraw_SilverDisabled(benchmark::State& state) {
    BoxTextEngine text;
    OffscreenContainer container(kWidth, kHeight, text, CloseButtonFont());
    container.PointerOver = true;
    StylerButton button(container);
    button.ApplyDefaults();
    button.SetCaption(kCaption);
    button.SetTheme(ThemeSilver);
    if (state.range(0) != 0) {
        button.SetIcon(Icon32());
    }
    button.SetEnabled(BoolFalse);
    for (auto _ : state) {
        button.OnPaint();
        benchmark::DoNotOptimize(container.Surface().Pixels().data());
        benchmark::ClobberMemory();
    }
}

// Each at ratio 1 and 2 (four times the pixels).
BENCHMARK(BM_Redraw_SilverHover_Tolvane)->Arg(100)->Arg(200);
BENCHMARK(BM_Redraw_SilverHover_TolvaneBoxText)->Arg(100)->Arg(200);
BENCHMARK(BM_Redraw_SilverHover_QPainter)->Arg(100)->Arg(200);
BENCHMARK(BM_Redraw_SilverHover_QPainterBilinear)->Arg(100)->Arg(200);
BENCHMARK(BM_DisabledIconSilhouette32);
BENCHMARK(BM_Redraw_SilverDisabled)->ArgName("icon32")->Arg(0)->Arg(1);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    tolvane::qt::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
