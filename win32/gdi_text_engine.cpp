#include "win32/gdi_text_engine.h"

#include <algorithm>
#include <cstring>

#include "win32/dib.h"
#include "win32/wide_text.h"

namespace tolvane::win32 {

namespace {

int Length(const std::wstring& text) {
    return static_cast<int>(std::min<std::size_t>(text.size(), INT32_MAX));
}

}  // namespace

GdiTextEngine::GdiTextEngine() : dc_(CreateCompatibleDC(nullptr)) {
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    SetTextColor(dc_, RGB(255, 255, 255));
}

GdiTextEngine::~GdiTextEngine() {
    if (first_font_ != nullptr) {
        SelectObject(dc_, first_font_);
    }
    if (first_bitmap_ != nullptr) {
        SelectObject(dc_, first_bitmap_);
    }
    if (canvas_ != nullptr) {
        DeleteObject(canvas_);
    }
    DeleteDC(dc_);
}

void GdiTextEngine::SelectFontOf(const gdi::Surface& surface) {
    const gdi::Font description = surface.Font() ? *surface.Font() : DefaultSurfaceFont();
    if (font_description_ && *font_description_ == description && font_ratio_ == ratio_) {
        return;
    }
    FontHandle font = CreateDesignFont(description, GlyphEdges::Solid, ratio_);
    HGDIOBJ previous = SelectObject(dc_, font.get());
    if (first_font_ == nullptr) {
        first_font_ = previous;
    }
    font_ = std::move(font);  // the old font is out of the context now
    GetTextMetricsW(dc_, &metrics_);
    font_description_ = description;
    font_ratio_ = ratio_;
}

void GdiTextEngine::SetDevicePixelRatio(double ratio) {
    ratio_ = ratio;
}

double GdiTextEngine::TextWidth(const gdi::Surface& surface, std::string_view text) {
    SelectFontOf(surface);
    const std::wstring wide = Utf16(text);
    SIZE extent{};
    GetTextExtentPoint32W(dc_, wide.c_str(), Length(wide), &extent);
    return extent.cx;
}

double GdiTextEngine::TextHeight(const gdi::Surface& surface, std::string_view) {
    SelectFontOf(surface);
    return metrics_.tmHeight;
}

std::uint32_t* GdiTextEngine::Canvas(int width, int height) {
    if (width > canvas_width_ || height > canvas_height_ || canvas_ == nullptr) {
        const BITMAPINFO info =
            TopDown32BitInfo(std::max(width, canvas_width_), std::max(height, canvas_height_));
        void* bits = nullptr;
        HBITMAP canvas = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (canvas == nullptr) {
            return nullptr;
        }
        HGDIOBJ previous = SelectObject(dc_, canvas);
        if (first_bitmap_ == nullptr) {
            first_bitmap_ = previous;
        }
        if (canvas_ != nullptr) {
            DeleteObject(canvas_);
        }
        canvas_ = canvas;
        canvas_bits_ = static_cast<std::uint32_t*>(bits);
        canvas_width_ = info.bmiHeader.biWidth;
        canvas_height_ = -info.bmiHeader.biHeight;
    }
    GdiFlush();
    std::memset(canvas_bits_, 0,
                sizeof(std::uint32_t) * static_cast<std::size_t>(canvas_width_) *
                    static_cast<std::size_t>(canvas_height_));
    return canvas_bits_;
}

void GdiTextEngine::Print(gdi::Surface& surface, int x, int y, std::string_view text) {
    const std::wstring wide = Utf16(text);
    if (wide.empty()) {
        return;
    }
    SelectFontOf(surface);
    SIZE extent{};
    GetTextExtentPoint32W(dc_, wide.c_str(), Length(wide), &extent);
    // The pixels the text may touch: its advance box and a cell height either side for glyphs
    // that overhang it (italic, bold), cut to the surface. In 64 bits, so that positions near the
    // integer limits cannot overflow.
    const std::int64_t margin = metrics_.tmHeight + metrics_.tmOverhang;
    const std::int64_t left = std::max<std::int64_t>(0, std::int64_t{x} - margin);
    const std::int64_t top = std::max<std::int64_t>(0, y);
    const std::int64_t right =
        std::min<std::int64_t>(surface.Width(), std::int64_t{x} + extent.cx + margin);
    const std::int64_t bottom =
        std::min<std::int64_t>(surface.Height(), std::int64_t{y} + metrics_.tmHeight);
    if (right <= left || bottom <= top) {
        return;
    }
    const int width = static_cast<int>(right - left);
    const int height = static_cast<int>(bottom - top);
    std::uint32_t* ink = Canvas(width, height);
    if (ink == nullptr) {
        return;
    }
    TextOutW(dc_, static_cast<int>(x - left), static_cast<int>(y - top), wide.c_str(),
             Length(wide));
    GdiFlush();
    const gdi::Colour colour = gdi::Opaque(surface.ForeColor());
    for (int row = 0; row < height; ++row) {
        const std::uint32_t* source = ink + static_cast<std::size_t>(row) * canvas_width_;
        auto target =
            surface.Row(static_cast<int>(top) + row).subspan(static_cast<std::size_t>(left));
        for (int column = 0; column < width; ++column) {
            if ((source[column] & 0x00FFFFFFu) != 0) {
                target[static_cast<std::size_t>(column)] = colour;
            }
        }
    }
}

}  // namespace tolvane::win32
