#include "tests/windows/windows_replay.h"

#include <vector>

namespace tolvane::judge {

void WindowsReplay::Cleared(gdi::Colour colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, canvas_.Width(), canvas_.Height()};
    FillRect(canvas_.Dc(), &all, brush);
    DeleteObject(brush);
}

void WindowsReplay::PixelSet(int x, int y, gdi::Colour colour) {
    SetPixelV(canvas_.Dc(), x, y, colour);
}

void WindowsReplay::GradientFilled(std::span<const gdi::TriVertex> vertices,
                                   std::span<const gdi::GradientMesh> mesh,
                                   gdi::GradientFillMode mode) {
    std::vector<TRIVERTEX> windowsVertices;
    for (const gdi::TriVertex& v : vertices) {
        windowsVertices.push_back({v.X, v.Y, v.Red, v.Green, v.Blue, v.Alpha});
    }
    std::vector<GRADIENT_RECT> windowsMesh;
    for (const gdi::GradientMesh& rect : mesh) {
        windowsMesh.push_back({rect.UpperLeft, rect.LowerRight});
    }
    ::GradientFill(canvas_.Dc(), windowsVertices.data(), static_cast<ULONG>(windowsVertices.size()),
                   windowsMesh.data(), static_cast<ULONG>(windowsMesh.size()),
                   static_cast<ULONG>(mode));
}

void WindowsReplay::RoundRectDrawn(std::int32_t left, std::int32_t top, std::int32_t right,
                                   std::int32_t bottom, std::int32_t ellipseWidth,
                                   std::int32_t ellipseHeight, gdi::Colour pen) {
    HPEN windowsPen = CreatePen(PS_SOLID, 1, pen);
    const HGDIOBJ previousPen = SelectObject(canvas_.Dc(), windowsPen);
    const HGDIOBJ previousBrush = SelectObject(canvas_.Dc(), GetStockObject(NULL_BRUSH));
    ::RoundRect(canvas_.Dc(), left, top, right, bottom, ellipseWidth, ellipseHeight);
    SelectObject(canvas_.Dc(), previousBrush);
    SelectObject(canvas_.Dc(), previousPen);
    DeleteObject(windowsPen);
}

void WindowsReplay::DibBitsSet(std::int32_t xDest, std::int32_t yDest, std::uint32_t width,
                               std::uint32_t height, std::int32_t xSrc, std::int32_t ySrc,
                               std::uint32_t startScan, std::uint32_t scanLines,
                               std::span<const std::uint8_t> bits, const gdi::BitmapInfo& info,
                               gdi::DibColours colourUse) {
    BITMAPINFO windowsInfo{};
    BITMAPINFOHEADER& header = windowsInfo.bmiHeader;
    header.biSize = info.Header.Size;
    header.biWidth = info.Header.Width;
    header.biHeight = info.Header.Height;
    header.biPlanes = info.Header.Planes;
    header.biBitCount = info.Header.BitCount;
    header.biCompression = info.Header.Compression;
    header.biSizeImage = info.Header.SizeImage;
    header.biXPelsPerMeter = info.Header.XPelsPerMeter;
    header.biYPelsPerMeter = info.Header.YPelsPerMeter;
    header.biClrUsed = info.Header.ClrUsed;
    header.biClrImportant = info.Header.ClrImportant;
    ::SetDIBitsToDevice(canvas_.Dc(), xDest, yDest, width, height, xSrc, ySrc, startScan, scanLines,
                        bits.data(), &windowsInfo, static_cast<UINT>(colourUse));
}

void WindowsReplay::TransparentBlitted(std::int32_t xDest, std::int32_t yDest, std::int32_t width,
                                       std::int32_t height, const gdi::Surface& src,
                                       std::int32_t xSrc, std::int32_t ySrc, std::int32_t srcWidth,
                                       std::int32_t srcHeight, gdi::Colour transparent) {
    const DibCanvas source(src);
    ::TransparentBlt(canvas_.Dc(), xDest, yDest, width, height, source.Dc(), xSrc, ySrc, srcWidth,
                     srcHeight, transparent);
}

}  // namespace tolvane::judge
