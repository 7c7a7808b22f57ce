#include "win32/wic_image.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "win32/com_ptr.h"

namespace tolvane::win32 {

namespace {

std::string Failure(const char* step, HRESULT result) {
    char code[16];
    wsprintfA(code, "0x%08lX", static_cast<unsigned long>(result));
    return std::string(step) + " failed (" + code + ")";
}

struct ImageType {
    const char* suffix;
    const GUID* container;
};

const ImageType kImageTypes[] = {
    {"bmp", &GUID_ContainerFormatBmp},  {"jpeg", &GUID_ContainerFormatJpeg},
    {"jpg", &GUID_ContainerFormatJpeg}, {"png", &GUID_ContainerFormatPng},
    {"tif", &GUID_ContainerFormatTiff}, {"tiff", &GUID_ContainerFormatTiff},
};

// JPEG files keep the small texts sharp at this quality (0 to 1), as on Linux.
constexpr float kJpegQuality = 0.95f;

}  // namespace

bool MakeWicFactory(ComPtr<IWICImagingFactory>& factory) {
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory, factory.void_out()));
}

std::optional<ClientPicture> DecodeImage(IWICImagingFactory& factory, std::string_view bytes,
                                         const GUID* container, UINT max_side) {
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    GUID format{};
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (bytes.empty() || bytes.size() > MAXDWORD || FAILED(factory.CreateStream(stream.out())) ||
        FAILED(
            stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                         static_cast<DWORD>(bytes.size()))) ||
        FAILED(factory.CreateDecoderFromStream(stream.get(), nullptr,
                                               WICDecodeMetadataCacheOnDemand, decoder.out())) ||
        FAILED(decoder->GetContainerFormat(&format)) ||
        (container != nullptr && format != *container) ||
        FAILED(decoder->GetFrame(0, frame.out())) ||
        FAILED(factory.CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > max_side || height > max_side) {
        return std::nullopt;
    }
    ClientPicture picture{static_cast<int>(width), static_cast<int>(height),
                          std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height,
                                     reinterpret_cast<BYTE*>(picture.Pixels.data())))) {
        return std::nullopt;
    }
    return picture;
}

HBITMAP LoadPictureResource(HINSTANCE instance, int id) {
    HRSRC resource =
        FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    const DWORD size = resource != nullptr ? SizeofResource(instance, resource) : 0;
    ComPtr<IWICImagingFactory> factory;
    if (bytes == nullptr || size == 0 || !MakeWicFactory(factory)) {
        return nullptr;
    }
    const std::optional<ClientPicture> picture = DecodeImage(
        *factory.get(), std::string_view(static_cast<const char*>(bytes), size), nullptr, MAXLONG);
    if (!picture) {
        return nullptr;
    }
    const BITMAPINFO info = TopDown32BitInfo(picture->Width, picture->Height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        std::memcpy(bits, picture->Pixels.data(), picture->Pixels.size() * sizeof(std::uint32_t));
    }
    return bitmap;
}

const std::vector<std::string>& WritableImageTypes() {
    static const std::vector<std::string> types = [] {
        std::vector<std::string> suffixes;
        for (const ImageType& type : kImageTypes) {
            suffixes.emplace_back(type.suffix);
        }
        return suffixes;
    }();
    return types;
}

std::optional<std::string> EncodeImage(IWICImagingFactory& factory, IStream& stream,
                                       const GUID& container, const ClientPicture& picture) {
    // Every encoder takes 24-bit BGR rows; each row is padded to 4 bytes.
    const UINT width = static_cast<UINT>(picture.Width);
    const UINT height = static_cast<UINT>(picture.Height);
    const UINT stride = (width * 3 + 3) / 4 * 4;
    std::vector<BYTE> rows(static_cast<std::size_t>(stride) * height);
    for (UINT y = 0; y < height; ++y) {
        for (UINT x = 0; x < width; ++x) {
            const std::uint32_t pixel = picture.Pixels[static_cast<std::size_t>(y) * width + x];
            BYTE* target = &rows[static_cast<std::size_t>(y) * stride + x * 3];
            target[0] = static_cast<BYTE>(pixel);
            target[1] = static_cast<BYTE>(pixel >> 8);
            target[2] = static_cast<BYTE>(pixel >> 16);
        }
    }
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    HRESULT result = S_OK;
    if (FAILED(result = factory.CreateEncoder(container, nullptr, encoder.out())) ||
        FAILED(result = encoder->Initialize(&stream, WICBitmapEncoderNoCache)) ||
        FAILED(result = encoder->CreateNewFrame(frame.out(), options.out()))) {
        return Failure("creating the encoder", result);
    }
    if (container == GUID_ContainerFormatJpeg) {
        PROPBAG2 name{};
        name.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
        VARIANT value;
        VariantInit(&value);
        value.vt = VT_R4;
        value.fltVal = kJpegQuality;
        options->Write(1, &name, &value);
    }
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(result = frame->Initialize(options.get())) ||
        FAILED(result = frame->SetSize(width, height)) ||
        FAILED(result = frame->SetPixelFormat(&format))) {
        return Failure("setting up the image", result);
    }
    if (format != GUID_WICPixelFormat24bppBGR) {
        return "the encoder does not take 24-bit pixels";
    }
    if (FAILED(result = frame->WritePixels(height, stride, static_cast<UINT>(rows.size()),
                                           rows.data())) ||
        FAILED(result = frame->Commit()) || FAILED(result = encoder->Commit())) {
        return Failure("writing the image", result);
    }
    return std::nullopt;
}

std::optional<std::string> WriteImage(const ClientPicture& picture, std::string_view type,
                                      const std::wstring& path) {
    const GUID* container = nullptr;
    for (const ImageType& known : kImageTypes) {
        if (type == known.suffix) {
            container = known.container;
        }
    }
    if (container == nullptr) {
        return "no encoder for ." + std::string(type);
    }
    ComPtr<IWICImagingFactory> factory;
    if (!MakeWicFactory(factory)) {
        return "the Windows Imaging Component is not available";
    }
    ComPtr<IWICStream> stream;
    HRESULT result = factory->CreateStream(stream.out());
    if (FAILED(result) ||
        FAILED(result = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE))) {
        return Failure("opening the file", result);
    }
    return EncodeImage(*factory.get(), *stream.get(), *container, picture);
}

}  // namespace tolvane::win32
