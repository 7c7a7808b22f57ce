// Gradient fills of the drawing layer next to the same fills drawn with QPainter, at the sizes
// the program uses: the close button (105 x 33), a glow tile of a default-size button (52 x 16)
// and the whole window (550 x 289).
//
// QPainter counterparts: a two-colour fill is one fillRect with a QLinearGradient brush. For the
// four-corner gradient there is no single brush, so two equivalents are measured:
//  - PerRow: one fillRect per scan line with a horizontal QLinearGradient between the two edge
//    colours of that row, the closest match to our one-scan-line-per-call algorithm;
//  - Composed: the top colours as one horizontal gradient, the bottom colours as another on an
//    ARGB layer masked by a vertical alpha gradient (DestinationIn), drawn over the first; this
//    is exactly bilinear and the cheapest QPainter construction found.
// The painter and gradients are set up outside the timed loop, so Qt's gradient colour cache is
// warm; our calls have no set-up to hoist.
#include <benchmark/benchmark.h>

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include "qt/qt_colour.h"
#include "gdi/gradient_fill.h"
#include "gdi/surface.h"
#include "stylerbutton/core/primitives.h"

namespace {

using tolvane::qt::ToQColor;

using tolvane::gdi::Colour;

constexpr Colour kTop = 0x00CCCCC4;
constexpr Colour kBottom = 0x00776455;
constexpr Colour kTopLeft = 0x00D6D5D5;
constexpr Colour kTopRight = 0x00EFEFEF;
constexpr Colour kBottomLeft = 0x00C3C2C1;
constexpr Colour kBottomRight = 0x00EAEAEA;

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

void SetPixelsProcessed(benchmark::State& state, int width, int height) {
    state.SetItemsProcessed(state.iterations() * width * height);
}

// Mode 0 horizontal, 1 vertical, as the button's FillGradient.
void BM_GradientFill_Tolvane(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const auto mode = static_cast<tolvane::gdi::GradientFillMode>(state.range(2));
    tolvane::gdi::Surface surface(width, height);
    const tolvane::gdi::TriVertex vertices[] = {{0, 0, 0xC400, 0xCC00, 0xCC00, 0},
                                                {width, height, 0x5500, 0x6400, 0x7700, 0}};
    const tolvane::gdi::GradientMesh mesh[] = {{0, 1}};
    for (auto _ : state) {
        tolvane::gdi::GradientFill(surface, vertices, mesh, mode);
        benchmark::DoNotOptimize(surface.Pixels().data());
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, width, height);
}

void BM_GradientFill_QPainter(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const bool vertical = state.range(2) == 1;
    QImage image(width, height, QImage::Format_RGB32);
    QLinearGradient gradient(0, 0, vertical ? 0 : width, vertical ? height : 0);
    gradient.setColorAt(0, ToQColor(kTop));
    gradient.setColorAt(1, ToQColor(kBottom));
    QPainter painter(&image);
    for (auto _ : state) {
        painter.fillRect(0, 0, width, height, gradient);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, width, height);
}

void BM_FourColour_Tolvane(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    tolvane::gdi::Surface surface(width, height);
    for (auto _ : state) {
        tolvane::styler::DrawGradientFourColour(surface, 0, 0, width, height, kTopLeft, kTopRight,
                                                kBottomLeft, kBottomRight);
        benchmark::DoNotOptimize(surface.Pixels().data());
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, width, height);
}

void BM_FourColour_QPainterPerRow(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    const QColor tl = ToQColor(kTopLeft), tr = ToQColor(kTopRight);
    const QColor bl = ToQColor(kBottomLeft), br = ToQColor(kBottomRight);
    for (auto _ : state) {
        for (int y = 0; y < height; ++y) {
            const double t = static_cast<double>(y) / height;
            QLinearGradient row(0, 0, width, 0);
            row.setColorAt(0, Mix(tl, bl, t));
            row.setColorAt(1, Mix(tr, br, t));
            painter.fillRect(0, y, width, 1, row);
        }
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, width, height);
}

void BM_FourColour_QPainterComposed(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    QImage image(width, height, QImage::Format_RGB32);
    QImage layer(width, height, QImage::Format_ARGB32_Premultiplied);
    QLinearGradient top(0, 0, width, 0);
    top.setColorAt(0, ToQColor(kTopLeft));
    top.setColorAt(1, ToQColor(kTopRight));
    QLinearGradient bottom(0, 0, width, 0);
    bottom.setColorAt(0, ToQColor(kBottomLeft));
    bottom.setColorAt(1, ToQColor(kBottomRight));
    QLinearGradient mask(0, 0, 0, height);
    mask.setColorAt(0, QColor(0, 0, 0, 0));
    mask.setColorAt(1, QColor(0, 0, 0, 255));
    QPainter painter(&image);
    for (auto _ : state) {
        {
            QPainter layerPainter(&layer);
            layerPainter.setCompositionMode(QPainter::CompositionMode_Source);
            layerPainter.fillRect(0, 0, width, height, bottom);
            layerPainter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            layerPainter.fillRect(0, 0, width, height, mask);
        }
        painter.fillRect(0, 0, width, height, top);
        painter.drawImage(0, 0, layer);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, width, height);
}

void TwoColourSizes(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"w", "h", "vertical"});
    for (const auto& [w, h] : {std::pair{105, 33}, std::pair{550, 289}}) {
        bench->Args({w, h, 1});
        bench->Args({w, h, 0});
    }
}

void FourColourSizes(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"w", "h"});
    bench->Args({52, 16});
    bench->Args({550, 289});
}

BENCHMARK(BM_GradientFill_Tolvane)->Apply(TwoColourSizes);
BENCHMARK(BM_GradientFill_QPainter)->Apply(TwoColourSizes);
BENCHMARK(BM_FourColour_Tolvane)->Apply(FourColourSizes);
BENCHMARK(BM_FourColour_QPainterPerRow)->Apply(FourColourSizes);
BENCHMARK(BM_FourColour_QPainterComposed)->Apply(FourColourSizes);

}  // namespace

BENCHMARK_MAIN();
