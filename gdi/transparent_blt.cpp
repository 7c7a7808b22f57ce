#include "gdi/transparent_blt.h"

#include <algorithm>
#include <vector>

#include "gdi/drawing_observer.h"
#include "gdi/pixel_run.h"

namespace tolvane::gdi {

namespace {

// The block as the Windows call first copies it to a work picture of its own size: source pixels
// where the source has them, black where the block reaches past the source. Only the offsets that
// land on the destination, `columns` x `rows`, are taken.
std::vector<Colour> WorkPicture(const Surface& src, std::int64_t xSrc, std::int64_t ySrc,
                                PixelRun columns, PixelRun rows) {
    constexpr Colour kBlack = 0;
    std::vector<Colour> work(static_cast<std::size_t>(columns.Length() * rows.Length()), kBlack);
    const PixelRun inSource = {std::max(columns.Begin, -xSrc),
                               std::min(columns.End, src.Width() - xSrc)};
    auto out = work.begin();
    for (std::int64_t k = rows.Begin; k < rows.End; ++k, out += columns.Length()) {
        if (ySrc + k < 0 || ySrc + k >= src.Height() || inSource.IsEmpty()) {
            continue;
        }
        const auto row = src.Row(static_cast<int>(ySrc + k));
        std::copy(row.begin() + (xSrc + inSource.Begin), row.begin() + (xSrc + inSource.End),
                  out + (inSource.Begin - columns.Begin));
    }
    return work;
}

}  // namespace

bool TransparentBlt(Hdc dest, std::int32_t xDest, std::int32_t yDest, std::int32_t width,
                    std::int32_t height, const Surface& src, std::int32_t xSrc, std::int32_t ySrc,
                    std::int32_t srcWidth, std::int32_t srcHeight, Colour transparent) {
    if (DrawingObserver* observer = dest.Observer()) {
        observer->TransparentBlitted(xDest, yDest, width, height, src, xSrc, ySrc, srcWidth,
                                     srcHeight, transparent);
    }
    if (width < 0 || height < 0 || width != srcWidth || height != srcHeight) {
        return false;
    }
    // The offsets k (0 <= k < size) whose destination pixel lies on the surface.
    const PixelRun columns = {std::max<std::int64_t>(0, -std::int64_t{xDest}),
                              std::min<std::int64_t>(width, std::int64_t{dest.Width()} - xDest)};
    const PixelRun rows = {std::max<std::int64_t>(0, -std::int64_t{yDest}),
                           std::min<std::int64_t>(height, std::int64_t{dest.Height()} - yDest)};
    if (columns.IsEmpty() || rows.IsEmpty()) {
        return true;
    }
    // The work picture is complete before the destination changes, so a block copied within one
    // surface reads the original pixels.
    const std::vector<Colour> work = WorkPicture(src, xSrc, ySrc, columns, rows);
    const Colour key = Opaque(transparent);
    auto from = work.begin();
    for (std::int64_t k = rows.Begin; k < rows.End; ++k) {
        const auto to = dest.Row(static_cast<int>(yDest + k)).begin() + (xDest + columns.Begin);
        for (std::int64_t i = 0; i < columns.Length(); ++i, ++from) {
            if (*from != key) {
                to[i] = *from;
            }
        }
    }
    return true;
}

}  // namespace tolvane::gdi
