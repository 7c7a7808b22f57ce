#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "gdi/surface.h"

namespace tolvane::gdi {

// Pictures as PNG files, through the image library of the desktop the program runs on. Pictures
// are opaque: an alpha channel is dropped on decoding.
class PngCodec {
  public:
    virtual ~PngCodec() = default;

    // The picture that png (the bytes of a PNG file) holds, or nothing when it holds none.
    virtual std::optional<Surface> Decode(std::string_view png) const = 0;
    // The picture as the bytes of a PNG file.
    virtual std::string Encode(const Surface& picture) const = 0;
};

}  // namespace tolvane::gdi
