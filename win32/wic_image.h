#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <wincodec.h>
#include <windows.h>

#include "win32/com_ptr.h"
#include "win32/dib.h"

namespace tolvane::win32 {

// Pictures through the Windows Imaging Component: the decoders and encoders Windows has. COM
// must be initialised on the calling thread.

// The picture stored in the executable's resources as RCDATA under `id` (a JPEG, for one),
// decoded into a bitmap at its own size; nullptr when it is missing or cannot be decoded.
HBITMAP LoadPictureResource(HINSTANCE instance, int id);

// Makes the image factory; false when the Windows Imaging Component is not available.
bool MakeWicFactory(ComPtr<IWICImagingFactory>& factory);

// Decodes an image held in memory at its own size into rows of 0x00RRGGBB pixels, top row first
// (the top byte is undefined). `container` insists on one format (GUID_ContainerFormatPng, say);
// nullptr takes any that Windows decodes. Nothing when the bytes cannot be decoded, the image is
// empty, or a side exceeds max_side.
std::optional<ClientPicture> DecodeImage(IWICImagingFactory& factory, std::string_view bytes,
                                         const GUID* container, UINT max_side);

// Writes the picture to `stream` as one frame of an image of `container`, with 24-bit pixels
// (JPEG at a quality that keeps small texts sharp). Returns why it failed, or nothing.
std::optional<std::string> EncodeImage(IWICImagingFactory& factory, IStream& stream,
                                       const GUID& container, const ClientPicture& picture);

// The image types WriteImage writes, as lower-case file name suffixes.
const std::vector<std::string>& WritableImageTypes();

// Writes the picture as an image of the given type (one of WritableImageTypes) to the file
// `path`, which must exist and is overwritten. Returns why it failed, or nothing.
std::optional<std::string> WriteImage(const ClientPicture& picture, std::string_view type,
                                      const std::wstring& path);

}  // namespace tolvane::win32
