#pragma once

#include "gdi/png_codec.h"

namespace tolvane::qt {

// PNG files through QImage.
class QtPngCodec final : public gdi::PngCodec {
  public:
    std::optional<gdi::Surface> Decode(std::string_view png) const override;
    std::string Encode(const gdi::Surface& picture) const override;
};

}  // namespace tolvane::qt
