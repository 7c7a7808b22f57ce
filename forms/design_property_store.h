#pragma once

#include <string_view>

#include "design/design_store.h"
#include "stylerbutton/core/property_store.h"

namespace tolvane::styler {

// The control type name a saved design gives a StylerButton.
inline constexpr std::string_view kStylerButtonTypeName = "Tolvane.StylerButton";

// A button's property store kept in a control of a window's design (app/forms/design_store.h).
// Values map one to one: text, 32-bit integers (16-bit ones widen; colours are their 32-bit
// pattern), booleans, fonts (each read gives a new shared font object) and pictures (PNG data,
// decoded into a picture surface on read). A value equal to its default is left out on write.
class DesignPropertyStore final : public PropertyStore {
  public:
    // The store reads and writes properties, which must outlive it.
    explicit DesignPropertyStore(design::DesignProperties& properties) : properties_(properties) {}

    // The store of a design's StylerButton control. Throws design::DesignError naming the control
    // and its type when it is not a "Tolvane.StylerButton".
    static DesignPropertyStore ForControl(design::DesignControl& control);

    // A stored picture that is no readable PNG raises PropertyValueError naming the key.
    PropertyValue Read(std::string_view key, const PropertyValue& defaultValue) override;
    void Write(std::string_view key, const PropertyValue& value,
               const PropertyValue& defaultValue) override;

  private:
    design::DesignProperties& properties_;
};

// The conversions the store uses; key only names the value in errors.
PropertyValue ToPropertyValue(std::string_view key, const design::DesignValue& value);
design::DesignValue ToDesignValue(const PropertyValue& value);

}  // namespace tolvane::styler
