#include "design/placement.h"

#include <string>
#include <string_view>

#include "base/quoted.h"
#include "base/units.h"

namespace tolvane::design {

namespace {

using base::Quoted;

template <class T>
T Entry(const DesignControl& control, std::string_view key, const char* kind) {
    const std::string where = "control " + Quoted(control.Name) + ": placement " + Quoted(key);
    const DesignValue* value = control.Placement.Find(key);
    if (value == nullptr) {
        throw DesignError(where + " is missing");
    }
    const T* typed = std::get_if<T>(value);
    if (typed == nullptr) {
        throw DesignError(where + " is not " + kind);
    }
    return *typed;
}

}  // namespace

PixelRect DesignPlacement::Pixels() const {
    return {base::TwipsToPixels(LeftTwips), base::TwipsToPixels(TopTwips),
            base::TwipsToPixels(WidthTwips), base::TwipsToPixels(HeightTwips)};
}

DesignPlacement ReadPlacement(const DesignControl& control) {
    constexpr const char* kInteger = "a 32-bit integer";
    DesignPlacement placement;
    placement.LeftTwips = Entry<std::int32_t>(control, "left", kInteger);
    placement.TopTwips = Entry<std::int32_t>(control, "top", kInteger);
    placement.WidthTwips = Entry<std::int32_t>(control, "width", kInteger);
    placement.HeightTwips = Entry<std::int32_t>(control, "height", kInteger);
    if (placement.WidthTwips < 0 || placement.HeightTwips < 0) {
        throw DesignError("control " + Quoted(control.Name) + ": placement size " +
                          std::to_string(placement.WidthTwips) + " x " +
                          std::to_string(placement.HeightTwips) + " is negative");
    }
    placement.TabIndex = Entry<std::int32_t>(control, "tabindex", kInteger);
    placement.Visible = Entry<bool>(control, "visible", "a boolean");
    return placement;
}

}  // namespace tolvane::design
