#pragma once

#include <string_view>

#include "design/design.h"
#include "forms/forms_platform.h"
#include "gdi/png_codec.h"

namespace tolvane::forms {

// The control `name` of a window's stored design as a platform places it: its place and size in
// pixels of the client area (design/placement.h), tab index and visibility, and a store over its
// saved properties (a StylerButton's: forms/design_property_store.h). The design and the codec
// must outlive the store. Throws design::DesignError naming the design (`source`, e.g.
// "form1_design.json"), the control and the entry, e.g.
//   form1_design.json: control "StylerButton1": placement "width" is missing
ControlDesign ControlDesignFrom(design::Design& design, std::string_view source,
                                std::string_view name, const gdi::PngCodec& pictures);

}  // namespace tolvane::forms
