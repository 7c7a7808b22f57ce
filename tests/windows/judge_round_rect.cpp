// RoundRect judged: the outline with a one-pixel solid pen and a hollow brush, for boxes of any
// size and orientation about the surface (a few far from it) and corner ellipses of -40 to 40
// pixels either way, larger than the box or not.

#include "gdi/round_rect.h"
#include "tests/windows/dib_canvas.h"
#include "tests/windows/judge_case.h"

namespace tolvane::judge {

namespace {

enum Arg { kColour = 3, kLeft, kTop, kRight, kBottom, kEllipseWidth, kEllipseHeight };

Args Generate(Random& r) {
    Args a{r.Between(1, 48), r.Between(1, 48), r.Between(0, 1 << 20), r.Between(0, 0xFFFFFF)};
    a.push_back(FarCoordinate(r, a[kWidth], -60, 100));
    a.push_back(FarCoordinate(r, a[kHeight], -60, 100));
    a.push_back(FarCoordinate(r, a[kWidth], -60, 100));
    a.push_back(FarCoordinate(r, a[kHeight], -60, 100));
    a.push_back(EllipseSize(r));
    a.push_back(r.Percent(50) ? a.back() : EllipseSize(r));
    return a;
}

Picture Ours(const Args& a) {
    gdi::Surface surface = StartSurface(a);
    surface.SetForeColor(static_cast<gdi::Colour>(a[kColour]));
    const bool ok = gdi::RoundRect(surface, a[kLeft], a[kTop], a[kRight], a[kBottom],
                                   a[kEllipseWidth], a[kEllipseHeight]);
    return PictureOf(surface, ok);
}

Picture Windows(const Args& a) {
    DibCanvas canvas(StartSurface(a));
    HPEN pen = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(a[kColour]));
    const HGDIOBJ previousPen = SelectObject(canvas.Dc(), pen);
    const HGDIOBJ previousBrush = SelectObject(canvas.Dc(), GetStockObject(NULL_BRUSH));
    const BOOL ok = ::RoundRect(canvas.Dc(), a[kLeft], a[kTop], a[kRight], a[kBottom],
                                a[kEllipseWidth], a[kEllipseHeight]);
    Picture picture = canvas.Read(ok != 0);
    SelectObject(canvas.Dc(), previousBrush);
    SelectObject(canvas.Dc(), previousPen);
    DeleteObject(pen);
    return picture;
}

}  // namespace

const Operation kRoundRect{"RoundRect",
                           {{"width", 1, 48, 1},
                            {"height", 1, 48, 1},
                            {"pattern", 0, 1 << 20, 0, Kind::kPattern},
                            {"pen colour", 0, 0xFFFFFF, 0xFFFFFF, Kind::kColour},
                            {"left", -kFar, kFar, 0},
                            {"top", -kFar, kFar, 0},
                            {"right", -kFar, kFar, 0},
                            {"bottom", -kFar, kFar, 0},
                            {"ellipse width", -40, 40, 0},
                            {"ellipse height", -40, 40, 0}},
                           Generate,
                           nullptr,
                           Ours,
                           Windows};

}  // namespace tolvane::judge
