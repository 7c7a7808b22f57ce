#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

#include "win32/dib.h"

namespace tolvane::win32 {

// Pictures through the Windows Imaging Component: the decoders and encoders Windows has. COM
// must be initialised on the calling thread.

// The picture stored in the executable's resources as RCDATA under `id` (a JPEG, for one),
// decoded into a bitmap at its own size; nullptr when it is missing or cannot be decoded.
HBITMAP LoadPictureResource(HINSTANCE instance, int id);

// The image types WriteImage writes, as lower-case file name suffixes.
const std::vector<std::string>& WritableImageTypes();

// Writes the picture as an image of the given type (one of WritableImageTypes) to the file
// `path`, which must exist and is overwritten. Returns why it failed, or nothing.
std::optional<std::string> WriteImage(const ClientPicture& picture, std::string_view type,
                                      const std::wstring& path);

}  // namespace tolvane::win32
