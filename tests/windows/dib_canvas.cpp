#include "tests/windows/dib_canvas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tolvane::judge {

void Fatal(const char* what) {
    std::printf("gdi judge: %s failed (error %lu)\n", what, GetLastError());
    std::exit(2);
}

DibCanvas::DibCanvas(const gdi::Surface& start)
    : width_(start.Width()), height_(start.Height()), dc_(CreateCompatibleDC(nullptr)) {
    if (dc_ == nullptr) {
        Fatal("CreateCompatibleDC");
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // negative: the first row in memory is the top one
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr || bits == nullptr) {
        Fatal("CreateDIBSection");
    }
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    const auto pixels = start.Pixels();
    std::transform(pixels.begin(), pixels.end(), bits_, SwapRedBlue);
}

DibCanvas::~DibCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

Picture DibCanvas::Read(long long result) const {
    GdiFlush();
    Picture picture{width_, height_, 0, 0, {}, result};
    picture.pixels.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    std::transform(bits_, bits_ + picture.pixels.size(), picture.pixels.begin(), SwapRedBlue);
    return picture;
}

}  // namespace tolvane::judge
