// SetDIBitsToDevice judged: a one-line 24-bit bottom-up DIB, all of it handed over, copied from
// any source rectangle to anywhere about the surface.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gdi/bitmap_info.h"
#include "gdi/set_dibits_to_device.h"
#include "tests/windows/dib_canvas.h"
#include "tests/windows/judge_case.h"

namespace tolvane::judge {

namespace {

enum Arg { kDibWidth = 3, kDibPattern, kXDest, kYDest, kBlockWidth, kBlockHeight, kXSrc, kYSrc };

// The line's bytes, the padding at its end included; pattern 0 is plain white.
std::vector<std::uint8_t> Line(const Args& a) {
    std::vector<std::uint8_t> line(gdi::DibStride(a[kDibWidth], 24));
    for (std::size_t i = 0; i < line.size(); ++i) {
        line[i] =
            a[kDibPattern] == 0
                ? 0xFF
                : static_cast<std::uint8_t>(PatternColour(a[kDibPattern], static_cast<int>(i), -1));
    }
    return line;
}

Args Generate(Random& r) {
    Args a{r.Between(1, 40), r.Between(1, 40), r.Between(0, 1 << 20), r.Between(1, 60),
           r.Between(1, 1 << 20)};
    a.push_back(FarCoordinate(r, a[kWidth], -70, 100));
    a.push_back(FarCoordinate(r, a[kHeight], -70, 100));
    a.push_back(r.Percent(60) ? a[kDibWidth] : r.Between(0, 70));
    a.push_back(r.Percent(80) ? 1 : r.Between(0, 3));
    a.push_back(r.Percent(60) ? 0 : r.Between(-10, 70));
    a.push_back(r.Percent(80) ? 0 : r.Between(-2, 2));
    return a;
}

Picture Ours(const Args& a) {
    gdi::Surface surface = StartSurface(a);
    gdi::BitmapInfo info;
    info.Header.Width = a[kDibWidth];
    info.Header.Height = 1;
    const std::vector<std::uint8_t> line = Line(a);
    const std::int32_t lines = gdi::SetDIBitsToDevice(
        surface, a[kXDest], a[kYDest], static_cast<std::uint32_t>(a[kBlockWidth]),
        static_cast<std::uint32_t>(a[kBlockHeight]), a[kXSrc], a[kYSrc], 0, 1, line, info,
        gdi::DibColours::Rgb);
    return PictureOf(surface, lines);
}

Picture Windows(const Args& a) {
    DibCanvas canvas(StartSurface(a));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = a[kDibWidth];
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const std::vector<std::uint8_t> line = Line(a);
    const int lines =
        ::SetDIBitsToDevice(canvas.Dc(), a[kXDest], a[kYDest], static_cast<DWORD>(a[kBlockWidth]),
                            static_cast<DWORD>(a[kBlockHeight]), a[kXSrc], a[kYSrc], 0, 1,
                            line.data(), &info, DIB_RGB_COLORS);
    return canvas.Read(lines);
}

}  // namespace

const Operation kSetDIBitsToDevice{"SetDIBitsToDevice",
                                   {{"width", 1, 40, 1},
                                    {"height", 1, 40, 1},
                                    {"pattern", 0, 1 << 20, 0, Kind::kPattern},
                                    {"dib width", 1, 60, 1},
                                    {"dib pattern", 0, 1 << 20, 0, Kind::kPattern},
                                    {"x dest", -kFar, kFar, 0},
                                    {"y dest", -kFar, kFar, 0},
                                    {"block width", 0, 70, 1},
                                    {"block height", 0, 3, 1},
                                    {"x src", -10, 70, 0},
                                    {"y src", -2, 2, 0}},
                                   Generate,
                                   nullptr,
                                   Ours,
                                   Windows};

}  // namespace tolvane::judge
