#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "base/ascii_case.h"
#include "gdi/font.h"

namespace tolvane::design {

// A window's stored design: its controls by name, each with a type name, the container's own
// entries for it (place, size, tab index, visibility) and the control's saved properties. Kept as
// JSON (resources/README.md shows the format; design_json.h reads and writes it).
//
// Names and keys are matched without regard to ASCII letter case ("captiondisablecolor" finds
// "CaptionDisableColor").

// Raised when a design cannot be read or written: the file cannot be read, the JSON is malformed,
// a value has the wrong type. The message names the file, the control, the key and the value, e.g.
//   form1_design.json: control "StylerButton1", property "theme": 1.5 is not a 32-bit integer
class DesignError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A picture as a design holds it: the bytes of a PNG file, checked to be PNG when read.
struct DesignPicture {
    std::string Png;
    friend bool operator==(const DesignPicture&, const DesignPicture&) = default;
};

// One stored value: nothing (JSON null), text, a 32-bit integer (colours as their 32-bit pattern),
// a boolean, a font or a picture.
using DesignValue =
    std::variant<std::monostate, std::string, std::int32_t, bool, gdi::Font, DesignPicture>;

// Names and keys are the same but for ASCII letter case.
using base::KeysMatch;

// Named values in the order they were first stored.
class DesignProperties {
  public:
    using Entry = std::pair<std::string, DesignValue>;

    // The value under key (any letter case), or nullptr.
    const DesignValue* Find(std::string_view key) const;
    // Stores value under key. An entry whose key differs only in letter case is replaced in
    // place and keeps its spelling.
    void Set(std::string_view key, DesignValue value);
    // Removes the entry under key; false when there was none.
    bool Erase(std::string_view key);
    // The entries as given, in their order, for a reader that has already checked that no two
    // keys differ only in letter case; it saves the check that makes Set slow for many keys.
    static DesignProperties FromDistinctKeys(std::vector<Entry> entries);

    const std::vector<Entry>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

    friend bool operator==(const DesignProperties&, const DesignProperties&) = default;

  private:
    std::vector<Entry> entries_;
};

struct DesignControl {
    std::string Name;  // e.g. "StylerButton1"
    std::string Type;  // e.g. "Tolvane.StylerButton"
    // The container's entries: "left", "top", "width", "height" (twips), "extentx", "extenty"
    // (hundredths of a millimetre), "tabindex", "visible".
    DesignProperties Placement;
    // What the control saved with its store defaults left out.
    DesignProperties Properties;

    friend bool operator==(const DesignControl&, const DesignControl&) = default;
};

class Design {
  public:
    // The control of that name (any letter case), or nullptr.
    const DesignControl* Find(std::string_view name) const;
    DesignControl* Find(std::string_view name);
    // As Find; throws DesignError naming the control when there is none.
    const DesignControl& Control(std::string_view name) const;
    DesignControl& Control(std::string_view name);

    // Adds a control at the end; throws DesignError when the name is taken (in any letter case)
    // or empty.
    DesignControl& Add(DesignControl control);
    // The controls as given, in their order, for a reader that has already checked that their
    // names are not empty and that no two differ only in letter case.
    static Design FromDistinctNames(std::vector<DesignControl> controls);

    const std::vector<DesignControl>& Controls() const { return controls_; }

    friend bool operator==(const Design&, const Design&) = default;

  private:
    std::vector<DesignControl> controls_;
};

}  // namespace tolvane::design
