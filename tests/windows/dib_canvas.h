#pragma once

#include <cstdint>

#include "gdi/colour.h"
#include "gdi/surface.h"
#include "tests/windows/judge_case.h"

// After our headers, so that none of them sees the macros windows.h defines (near, far, ...).
// MinGW's C++ library already defines NOMINMAX.
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace tolvane::judge {

// A 32-bit DIB pixel holds blue, green, red, unused bytes: 0x00RRGGBB as a number, where a
// surface pixel is 0x00BBGGRR. The same swap goes both ways.
inline gdi::Colour SwapRedBlue(std::uint32_t pixel) {
    return (pixel & 0xFFu) << 16 | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

// Ends the run when a Windows call the judge needs fails.
[[noreturn]] void Fatal(const char* what);

// A memory device context with a 32-bit top-down DIB section selected, holding a copy of a
// surface.
class DibCanvas {
  public:
    explicit DibCanvas(const gdi::Surface& start);
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;
    ~DibCanvas();

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixels as they are now, with the value a call returned.
    Picture Read(long long result) const;

  private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

}  // namespace tolvane::judge
