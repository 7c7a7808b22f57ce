#pragma once

#include "gdi/png_codec.h"

namespace tolvane::win32 {

// PNG files through the Windows Imaging Component. COM must be initialised on the calling thread.
class WicPngCodec final : public gdi::PngCodec {
  public:
    std::optional<gdi::Surface> Decode(std::string_view png) const override;
    // Empty when WIC cannot encode the picture.
    std::string Encode(const gdi::Surface& picture) const override;
};

}  // namespace tolvane::win32
