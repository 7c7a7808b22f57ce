// GradientFill judged: one rectangle between two vertices, horizontal or vertical, anywhere about
// the surface or far from it, with any 16-bit colour channels.

#include <cstdint>

#include "gdi/gradient_fill.h"
#include "tests/windows/dib_canvas.h"
#include "tests/windows/judge_case.h"

namespace tolvane::judge {

namespace {

enum Arg { kMode = 3, kX0, kY0, kX1, kY1, kRed0, kGreen0, kBlue0, kRed1, kGreen1, kBlue1 };

// 16-bit colour channels: mostly an 8-bit value times 256 as the program passes them, sometimes
// any 16-bit value.
int Channel(Random& random) {
    return random.Percent(50) ? random.Between(0, 255) * 256 : random.Between(0, 65535);
}

Args Generate(Random& r) {
    Args a{r.Between(1, 40), r.Between(1, 40), r.Between(0, 1 << 20), r.Between(0, 1)};
    for (int i = 0; i < 2; ++i) {
        a.push_back(FarCoordinate(r, a[kWidth], -400, 400));
        a.push_back(FarCoordinate(r, a[kHeight], -400, 400));
    }
    for (int i = 0; i < 6; ++i) {
        a.push_back(Channel(r));
    }
    return a;
}

Picture Ours(const Args& a) {
    gdi::Surface surface = StartSurface(a);
    gdi::TriVertex v[2];
    for (int i = 0; i < 2; ++i) {
        v[i] = {a[kX0 + 2 * i],
                a[kY0 + 2 * i],
                static_cast<std::uint16_t>(a[kRed0 + 3 * i]),
                static_cast<std::uint16_t>(a[kGreen0 + 3 * i]),
                static_cast<std::uint16_t>(a[kBlue0 + 3 * i]),
                0};
    }
    const gdi::GradientMesh mesh[] = {{0, 1}};
    const bool ok = gdi::GradientFill(
        surface, v, mesh,
        a[kMode] == 0 ? gdi::GradientFillMode::Horizontal : gdi::GradientFillMode::Vertical);
    return PictureOf(surface, ok);
}

Picture Windows(const Args& a) {
    DibCanvas canvas(StartSurface(a));
    TRIVERTEX v[2];
    for (int i = 0; i < 2; ++i) {
        v[i].x = a[kX0 + 2 * i];
        v[i].y = a[kY0 + 2 * i];
        v[i].Red = static_cast<COLOR16>(a[kRed0 + 3 * i]);
        v[i].Green = static_cast<COLOR16>(a[kGreen0 + 3 * i]);
        v[i].Blue = static_cast<COLOR16>(a[kBlue0 + 3 * i]);
        v[i].Alpha = 0;
    }
    GRADIENT_RECT mesh{0, 1};
    const BOOL ok = ::GradientFill(canvas.Dc(), v, 2, &mesh, 1,
                                   a[kMode] == 0 ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
    return canvas.Read(ok != 0);
}

}  // namespace

const Operation kGradientFill{"GradientFill",
                              {{"width", 1, 40, 1},
                               {"height", 1, 40, 1},
                               {"pattern", 0, 1 << 20, 0, Kind::kPattern},
                               {"mode (0 horizontal, 1 vertical)", 0, 1, 0},
                               {"x0", -kFar, kFar, 0},
                               {"y0", -kFar, kFar, 0},
                               {"x1", -kFar, kFar, 0},
                               {"y1", -kFar, kFar, 0},
                               {"red0", 0, 65535, 0, Kind::kColour},
                               {"green0", 0, 65535, 0, Kind::kColour},
                               {"blue0", 0, 65535, 0, Kind::kColour},
                               {"red1", 0, 65535, 0, Kind::kColour},
                               {"green1", 0, 65535, 0, Kind::kColour},
                               {"blue1", 0, 65535, 0, Kind::kColour}},
                              Generate,
                              nullptr,
                              Ours,
                              Windows};

}  // namespace tolvane::judge
