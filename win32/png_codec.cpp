#include "win32/png_codec.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstdint>
#include <vector>

#include "win32/com_ptr.h"

namespace tolvane::win32 {

namespace {

bool MakeFactory(ComPtr<IWICImagingFactory>& factory) {
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory, factory.void_out()));
}

}  // namespace

std::optional<gdi::Surface> WicPngCodec::Decode(std::string_view png) const {
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (png.empty() || png.size() > MAXDWORD || !MakeFactory(factory) ||
        FAILED(factory->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(png.data())),
                                            static_cast<DWORD>(png.size()))) ||
        FAILED(factory->CreateDecoder(GUID_ContainerFormatPng, nullptr, decoder.out())) ||
        FAILED(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand)) ||
        FAILED(decoder->GetFrame(0, frame.out())) ||
        FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > 0x7FFF || height > 0x7FFF) {
        return std::nullopt;
    }
    // Rows of 0xXXRRGGBB pixels, top row first.
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height,
                                     reinterpret_cast<BYTE*>(pixels.data())))) {
        return std::nullopt;
    }
    gdi::Surface surface(static_cast<int>(width), static_cast<int>(height));
    for (int y = 0; y < surface.Height(); ++y) {
        const auto row = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) {
            const std::uint32_t pixel = pixels[static_cast<std::size_t>(y) * width + x];
            row[static_cast<std::size_t>(x)] =
                gdi::Rgb(static_cast<std::uint8_t>(pixel >> 16),
                         static_cast<std::uint8_t>(pixel >> 8), static_cast<std::uint8_t>(pixel));
        }
    }
    return surface;
}

std::string WicPngCodec::Encode(const gdi::Surface& picture) const {
    // The encoder takes 24-bit BGR rows, each padded to 4 bytes.
    const UINT width = static_cast<UINT>(picture.Width());
    const UINT height = static_cast<UINT>(picture.Height());
    const UINT stride = (width * 3 + 3) / 4 * 4;
    std::vector<BYTE> rows(static_cast<std::size_t>(stride) * height);
    for (UINT y = 0; y < height; ++y) {
        const auto source = picture.Row(static_cast<int>(y));
        for (UINT x = 0; x < width; ++x) {
            BYTE* target = &rows[static_cast<std::size_t>(y) * stride + x * 3];
            target[0] = gdi::BlueByte(source[x]);
            target[1] = gdi::GreenByte(source[x]);
            target[2] = gdi::RedByte(source[x]);
        }
    }
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (width == 0 || height == 0 || !MakeFactory(factory) ||
        FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.out())) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) ||
        FAILED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(frame.out(), nullptr)) ||
        FAILED(frame->Initialize(nullptr)) || FAILED(frame->SetSize(width, height)) ||
        FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR ||
        FAILED(frame->WritePixels(height, stride, static_cast<UINT>(rows.size()), rows.data())) ||
        FAILED(frame->Commit()) || FAILED(encoder->Commit())) {
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
