#include "forms/control_design.h"

#include <memory>
#include <string>

#include "design/placement.h"
#include "forms/design_property_store.h"

namespace tolvane::forms {

ControlDesign ControlDesignFrom(design::Design& design, std::string_view source,
                                std::string_view name, const gdi::PngCodec& pictures) {
    try {
        design::DesignControl& control = design.Control(name);
        const design::DesignPlacement placement = design::ReadPlacement(control);
        const design::PixelRect pixels = placement.Pixels();
        return {
            .Left = pixels.Left,
            .Top = pixels.Top,
            .Width = pixels.Width,
            .Height = pixels.Height,
            .TabIndex = placement.TabIndex,
            .Visible = placement.Visible,
            .Properties = std::make_unique<styler::DesignPropertyStore>(
                styler::DesignPropertyStore::ForControl(control, pictures)),
        };
    } catch (const design::DesignError& error) {
        throw design::DesignError(std::string(source) + ": " + error.what());
    }
}

}  // namespace tolvane::forms
