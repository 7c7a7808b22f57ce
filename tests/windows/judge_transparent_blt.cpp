// TransparentBlt judged: a block copied one to one leaving out the key colour, from anywhere in,
// partly in or wholly outside the source, to anywhere about the destination.

#include "gdi/transparent_blt.h"
#include "tests/windows/dib_canvas.h"
#include "tests/windows/judge_case.h"

namespace tolvane::judge {

namespace {

enum Arg {
    kSourceWidth = 3,
    kSourceHeight,
    kSourcePattern,
    kKey,
    kXDest,
    kYDest,
    kBlockWidth,
    kBlockHeight,
    kXSrc,
    kYSrc
};

// The source: half its pixels the key colour, a quarter one step of red away from it, the rest
// any colour.
gdi::Surface Source(const Args& a) {
    gdi::Surface source(a[kSourceWidth], a[kSourceHeight]);
    const auto key = static_cast<gdi::Colour>(a[kKey]);
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < source.Width(); ++x) {
            const gdi::Colour pick = PatternColour(a[kSourcePattern], x, y);
            const gdi::Colour oneStep = (key & 0xFFu) == 0xFFu ? key - 1 : key + 1;
            source.PSet(x, y, pick % 4 < 2 ? key : pick % 4 == 2 ? oneStep : pick >> 2);
        }
    }
    return source;
}

// A tenth of the keys are black, the colour a block reaching past the source brings along.
Args Generate(Random& r) {
    Args a{r.Between(1, 40),
           r.Between(1, 40),
           r.Between(0, 1 << 20),
           r.Between(1, 40),
           r.Between(1, 40),
           r.Between(1, 1 << 20),
           r.Percent(10) ? 0 : r.Between(0, 0xFFFFFF)};
    a.push_back(FarCoordinate(r, a[kWidth], -50, 90));
    a.push_back(FarCoordinate(r, a[kHeight], -50, 90));
    a.push_back(r.Between(0, 50));
    a.push_back(r.Between(0, 50));
    a.push_back(FarCoordinate(r, a[kSourceWidth], -50, 90));
    a.push_back(FarCoordinate(r, a[kSourceHeight], -50, 90));
    return a;
}

Picture Ours(const Args& a) {
    gdi::Surface surface = StartSurface(a);
    const gdi::Surface source = Source(a);
    const bool ok = gdi::TransparentBlt(surface, a[kXDest], a[kYDest], a[kBlockWidth],
                                        a[kBlockHeight], source, a[kXSrc], a[kYSrc], a[kBlockWidth],
                                        a[kBlockHeight], static_cast<gdi::Colour>(a[kKey]));
    return PictureOf(surface, ok);
}

Picture Windows(const Args& a) {
    DibCanvas canvas(StartSurface(a));
    const DibCanvas source(Source(a));
    const BOOL ok = ::TransparentBlt(canvas.Dc(), a[kXDest], a[kYDest], a[kBlockWidth],
                                     a[kBlockHeight], source.Dc(), a[kXSrc], a[kYSrc],
                                     a[kBlockWidth], a[kBlockHeight], static_cast<UINT>(a[kKey]));
    return canvas.Read(ok != 0);
}

}  // namespace

const Operation kTransparentBlt{"TransparentBlt",
                                {{"width", 1, 40, 1},
                                 {"height", 1, 40, 1},
                                 {"pattern", 0, 1 << 20, 0, Kind::kPattern},
                                 {"source width", 1, 40, 1},
                                 {"source height", 1, 40, 1},
                                 {"source pattern", 1, 1 << 20, kKeep, Kind::kPattern},
                                 {"key colour", 0, 0xFFFFFF, kKeep, Kind::kColour},
                                 {"x dest", -kFar, kFar, 0},
                                 {"y dest", -kFar, kFar, 0},
                                 {"block width", 0, 50, 0},
                                 {"block height", 0, 50, 0},
                                 {"x src", -kFar, kFar, 0},
                                 {"y src", -kFar, kFar, 0}},
                                Generate,
                                nullptr,
                                Ours,
                                Windows};

}  // namespace tolvane::judge
