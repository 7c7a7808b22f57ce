#include "gdi/set_dibits_to_device.h"

#include <algorithm>
#include <limits>

#include "gdi/avx2_clones.h"
#include "gdi/colour.h"
#include "gdi/drawing_observer.h"
#include "gdi/pixel_run.h"

namespace tolvane::gdi {

namespace {

bool IsSupported(const BitmapInfoHeader& header) {
    return header.BitCount == 24 && header.Compression == 0 && header.Width > 0 &&
           header.Height > 0;
}

// Turns count blue-green-red byte triples into 0x00BBGGRR pixels. Written with indices so that
// the compiler vectorises it, and also built for AVX2 (whose VEX-encoded code also keeps full
// speed after AVX code elsewhere has left the upper vector registers dirty).
TOLVANE_AVX2_CLONES void CopyPixels(const std::uint8_t* source, Colour* target, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        target[i] = Rgb(source[3 * i + 2], source[3 * i + 1], source[3 * i]);
    }
}

}  // namespace

std::int32_t SetDIBitsToDevice(Hdc hdc, std::int32_t xDest, std::int32_t yDest, std::uint32_t width,
                               std::uint32_t height, std::int32_t xSrc, std::int32_t ySrc,
                               std::uint32_t startScan, std::uint32_t scanLines,
                               std::span<const std::uint8_t> bits, const BitmapInfo& info,
                               DibColours colourUse) {
    if (DrawingObserver* observer = hdc.Observer()) {
        observer->DibBitsSet(xDest, yDest, width, height, xSrc, ySrc, startScan, scanLines, bits,
                             info, colourUse);
    }
    // The colour table, and so colourUse, is unused at 24 bits per pixel.
    const BitmapInfoHeader& header = info.Header;
    const std::size_t stride = DibStride(header.Width, 24);
    // The buffer must hold scanLines rows; checked by multiplying, as a division here costs about
    // as much as copying a short scan line.
    std::size_t needed = 0;
    if (!IsSupported(header) || __builtin_mul_overflow(stride, scanLines, &needed) ||
        bits.size() < needed ||
        scanLines > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
        return 0;
    }
    // Source columns that exist in the bitmap, then as destination columns on the surface.
    const PixelRun srcColumns = ClippedRun(xSrc, std::int64_t{xSrc} + width, header.Width);
    const std::int64_t shift = std::int64_t{xDest} - xSrc;
    const PixelRun destColumns =
        ClippedRun(srcColumns.Begin + shift, srcColumns.End + shift, hdc.Width());
    // Bitmap rows (from the bottom) that are both in the bitmap and in the buffer.
    const PixelRun storedRows = {
        std::max<std::int64_t>(startScan, 0),
        std::min<std::int64_t>(std::int64_t{startScan} + scanLines, header.Height)};
    // A source rectangle that holds no stored pixel takes no scan line.
    const PixelRun sourceRows = {std::max<std::int64_t>(ySrc, storedRows.Begin),
                                 std::min(std::int64_t{ySrc} + height, storedRows.End)};
    if (srcColumns.IsEmpty() || sourceRows.IsEmpty()) {
        return 0;
    }
    const PixelRun destRows = ClippedRun(yDest, std::int64_t{yDest} + height, hdc.Height());
    if (destColumns.IsEmpty() || destRows.IsEmpty()) {
        return static_cast<std::int32_t>(scanLines);
    }
    // Destination row yDest + j shows bitmap row ySrc + height - 1 - j (bottom-up).
    const std::int64_t bottomRowOfSource = std::int64_t{ySrc} + height - 1;
    for (std::int64_t y = destRows.Begin; y < destRows.End; ++y) {
        const std::int64_t bitmapRow = bottomRowOfSource - (y - yDest);
        if (bitmapRow < storedRows.Begin || bitmapRow >= storedRows.End) {
            continue;
        }
        const std::uint8_t* source = bits.data() +
                                     static_cast<std::size_t>(bitmapRow - startScan) * stride +
                                     static_cast<std::size_t>(destColumns.Begin - shift) * 3;
        CopyPixels(source, hdc.Row(static_cast<int>(y)).data() + destColumns.Begin,
                   static_cast<std::size_t>(destColumns.Length()));
    }
    return static_cast<std::int32_t>(scanLines);
}

}  // namespace tolvane::gdi
