#include "win32/png_codec.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstdint>

#include "win32/com_ptr.h"
#include "win32/wic_image.h"

namespace tolvane::win32 {

namespace {

// The longest side a decoded picture may have: a file that asks for more is refused before its
// pixels are allocated.
constexpr UINT kMaxSide = 0x7FFF;

}  // namespace

std::optional<gdi::Surface> WicPngCodec::Decode(std::string_view png) const {
    ComPtr<IWICImagingFactory> factory;
    if (!MakeWicFactory(factory)) {
        return std::nullopt;
    }
    const std::optional<ClientPicture> picture =
        DecodeImage(*factory.get(), png, &GUID_ContainerFormatPng, kMaxSide);
    if (!picture) {
        return std::nullopt;
    }
    // The decoded rows are 0xXXRRGGBB; a surface keeps its colours as 0x00BBGGRR.
    gdi::Surface surface(picture->Width, picture->Height);
    for (int y = 0; y < surface.Height(); ++y) {
        const auto row = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) {
            const std::uint32_t pixel =
                picture->Pixels[static_cast<std::size_t>(y) * picture->Width + x];
            row[static_cast<std::size_t>(x)] =
                gdi::Rgb(static_cast<std::uint8_t>(pixel >> 16),
                         static_cast<std::uint8_t>(pixel >> 8), static_cast<std::uint8_t>(pixel));
        }
    }
    return surface;
}

std::string WicPngCodec::Encode(const gdi::Surface& picture) const {
    ClientPicture rows{picture.Width(), picture.Height(), {}};
    rows.Pixels.reserve(picture.Pixels().size());
    for (const gdi::Colour colour : picture.Pixels()) {
        rows.Pixels.push_back(std::uint32_t{gdi::RedByte(colour)} << 16 |
                              std::uint32_t{gdi::GreenByte(colour)} << 8 | gdi::BlueByte(colour));
    }
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IStream> stream;
    if (rows.Width == 0 || rows.Height == 0 || !MakeWicFactory(factory) ||
        FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.out())) ||
        EncodeImage(*factory.get(), *stream.get(), GUID_ContainerFormatPng, rows)) {
        return {};
    }
    // The stream's memory may be larger than what was written: its position tells the end.
    ULARGE_INTEGER end{};
    HGLOBAL memory = nullptr;
    if (FAILED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &end)) ||
        FAILED(GetHGlobalFromStream(stream.get(), &memory))) {
        return {};
    }
    const void* bytes = GlobalLock(memory);
    if (bytes == nullptr) {
        return {};
    }
    std::string png(static_cast<const char*>(bytes), static_cast<std::size_t>(end.QuadPart));
    GlobalUnlock(memory);
    return png;
}

}  // namespace tolvane::win32
