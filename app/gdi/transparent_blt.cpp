#include "app/gdi/transparent_blt.h"

#include <algorithm>

#include "app/gdi/pixel_run.h"

namespace tolvane::gdi {

namespace {

// The offsets k (0 <= k < size) for which both destStart + k and srcStart + k lie on their
// surfaces.
PixelRun CommonOffsets(std::int64_t destStart, std::int64_t destLimit, std::int64_t srcStart,
                       std::int64_t srcLimit, std::int64_t size) {
    return {std::max({std::int64_t{0}, -destStart, -srcStart}),
            std::min({size, destLimit - destStart, srcLimit - srcStart})};
}

}  // namespace

bool TransparentBlt(Hdc dest, std::int32_t xDest, std::int32_t yDest, std::int32_t width,
                    std::int32_t height, const Surface& src, std::int32_t xSrc, std::int32_t ySrc,
                    std::int32_t srcWidth, std::int32_t srcHeight, Colour transparent) {
    if (width < 0 || height < 0 || width != srcWidth || height != srcHeight) {
        return false;
    }
    const PixelRun columns = CommonOffsets(xDest, dest.Width(), xSrc, src.Width(), width);
    const PixelRun rows = CommonOffsets(yDest, dest.Height(), ySrc, src.Height(), height);
    if (columns.IsEmpty() || rows.IsEmpty()) {
        return true;
    }
    // Copying a surface onto itself reads from a snapshot, so overlapping blocks stay intact.
    Surface snapshot;
    const Surface* source = &src;
    if (&src == &dest) {
        snapshot = src;
        source = &snapshot;
    }
    const Colour key = Opaque(transparent);
    for (std::int64_t k = rows.Begin; k < rows.End; ++k) {
        const auto from = source->Row(static_cast<int>(ySrc + k))
                              .subspan(static_cast<std::size_t>(xSrc + columns.Begin),
                                       static_cast<std::size_t>(columns.Length()));
        const auto to = dest.Row(static_cast<int>(yDest + k))
                            .subspan(static_cast<std::size_t>(xDest + columns.Begin));
        for (std::size_t i = 0; i < from.size(); ++i) {
            if (from[i] != key) {
                to[i] = from[i];
            }
        }
    }
    return true;
}

}  // namespace tolvane::gdi
