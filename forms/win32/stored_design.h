#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <variant>

namespace tolvane::win32 {

// The window's stored design as the Windows build carries it: made at configure time from the
// design's JSON (cmake/TolvaneStoredDesign.cmake) into a C++ source, since Windows has no JSON
// reader to read it at run time. It holds what the JSON holds, in the same units.

struct StoredFont {
    std::string_view Name;
    double SizePoints;
    std::int32_t Weight;
    std::int32_t Charset;
    bool Italic;
    bool Underline;
    bool Strikethrough;
};

// A saved property value: nothing (JSON null), text, a 32-bit integer, a boolean or a font.
using StoredValue = std::variant<std::monostate, std::string_view, std::int32_t, bool, StoredFont>;

struct StoredProperty {
    std::string_view Key;
    StoredValue Value;
};

struct StoredControl {
    std::string_view Name;
    std::string_view Type;
    // The container's entries, in twips.
    std::int32_t LeftTwips;
    std::int32_t TopTwips;
    std::int32_t WidthTwips;
    std::int32_t HeightTwips;
    std::int32_t TabIndex;
    bool Visible;
    std::span<const StoredProperty> Properties;
};

struct StoredDesign {
    // The design's file name, for messages.
    std::string_view Source;
    std::span<const StoredControl> Controls;
};

// The countdown window's design (resources/form1_design.json).
const StoredDesign& Form1StoredDesign();

}  // namespace tolvane::win32
