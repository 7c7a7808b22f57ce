#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane::design {

// Base64 (RFC 4648, the standard alphabet) as a design keeps its pictures.

// The bytes as base64 text with '=' padding: "hello" -> "aGVsbG8=".
std::string ToBase64(std::string_view bytes);

// The bytes the base64 text holds, or nothing when it holds any character outside the alphabet,
// or '=' anywhere but as one or two final characters of a text whose length is a multiple of
// four. Unpadded text is read as far as it goes: "aGVsbG8" is "hello" too.
std::optional<std::string> FromBase64(std::string_view text);

}  // namespace tolvane::design
