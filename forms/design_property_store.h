#pragma once

#include <string_view>

#include "design/design.h"
#include "gdi/png_codec.h"
#include "stylerbutton/core/property_store.h"

namespace tolvane::styler {

// The control type name a saved design gives a StylerButton.
inline constexpr std::string_view kStylerButtonTypeName = "Tolvane.StylerButton";

// A button's property store kept in a control of a window's design (design/design.h). Values map
// one to one: text, 32-bit integers (16-bit ones widen; colours are their 32-bit pattern),
// booleans, fonts (each read gives a new shared font object) and pictures (PNG files, decoded
// into a picture surface on read through the desktop's codec). A value equal to its default is
// left out on write.
class DesignPropertyStore final : public PropertyStore {
  public:
    // The store reads and writes properties; they and the codec must outlive it.
    DesignPropertyStore(design::DesignProperties& properties, const gdi::PngCodec& pictures)
        : properties_(properties), pictures_(pictures) {}

    // The store of a design's StylerButton control. Throws design::DesignError naming the control
    // and its type when it is not a "Tolvane.StylerButton".
    static DesignPropertyStore ForControl(design::DesignControl& control,
                                          const gdi::PngCodec& pictures);

    // A stored picture that is no readable PNG raises PropertyValueError naming the key.
    PropertyValue Read(std::string_view key, const PropertyValue& defaultValue) override;
    void Write(std::string_view key, const PropertyValue& value,
               const PropertyValue& defaultValue) override;

  private:
    design::DesignProperties& properties_;
    const gdi::PngCodec& pictures_;
};

// The conversions the store uses; key only names the value in errors.
PropertyValue ToPropertyValue(std::string_view key, const design::DesignValue& value,
                              const gdi::PngCodec& pictures);
design::DesignValue ToDesignValue(const PropertyValue& value, const gdi::PngCodec& pictures);

}  // namespace tolvane::styler
