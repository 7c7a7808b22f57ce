#pragma once

#include <string_view>

#include "base/ascii_case.h"
#include "stylerbutton/core/property_value.h"

namespace tolvane::styler {

// Where a container keeps the saved properties of a button. Keys are ASCII and matched without
// regard to letter case: "captiondisablecolor" finds "CaptionDisableColor".
using base::KeysMatch;

class PropertyStore {
  public:
    virtual ~PropertyStore() = default;

    // The value stored under key, or defaultValue when the key is absent.
    virtual PropertyValue Read(std::string_view key, const PropertyValue& defaultValue) = 0;

    // Stores value under key. A store may leave out a value that equals defaultValue (SameValue);
    // a later Read then gives the default back, which is the same value.
    virtual void Write(std::string_view key, const PropertyValue& value,
                       const PropertyValue& defaultValue) = 0;
};

}  // namespace tolvane::styler
