#include "design/placement.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tolvane::design {
namespace {

using testing::HasSubstr;

DesignControl Button(std::int32_t width = 1575) {
    DesignControl control{"StylerButton1", "Tolvane.StylerButton", {}, {}};
    control.Placement.Set("Left", std::int32_t{6480});  // keys in any letter case
    control.Placement.Set("top", std::int32_t{3720});
    control.Placement.Set("width", width);
    control.Placement.Set("height", std::int32_t{495});
    control.Placement.Set("tabindex", std::int32_t{2});
    control.Placement.Set("visible", false);
    return control;
}

TEST(DesignPlacementTest, ReadsTwipsAndGivesWholePixels) {
    const DesignPlacement placement = ReadPlacement(Button());
    EXPECT_EQ(placement.TabIndex, 2);
    EXPECT_FALSE(placement.Visible);
    EXPECT_EQ(placement.Pixels(), (PixelRect{432, 248, 105, 33}));
    // 337.5 twips are 22.5 pixels: halves go to the even neighbour.
    EXPECT_EQ(ReadPlacement(Button(3375 / 10)).Pixels().Width, 22);
}

TEST(DesignPlacementTest, RefusesMissingWrongAndNegativeEntriesByName) {
    const struct {
        const char* key;
        DesignValue value;  // std::monostate: the entry is removed
        const char* message;
    } cases[] = {
        {"height", std::monostate{}, R"(control "StylerButton1": placement "height" is missing)"},
        {"left", std::string("6480"), R"(placement "left" is not a 32-bit integer)"},
        {"visible", std::int32_t{1}, R"(placement "visible" is not a boolean)"},
        {"width", std::int32_t{-15}, "placement size -15 x 495 is negative"},
    };
    for (const auto& c : cases) {
        DesignControl control = Button();
        if (std::holds_alternative<std::monostate>(c.value)) {
            control.Placement.Erase(c.key);
        } else {
            control.Placement.Set(c.key, c.value);
        }
        try {
            ReadPlacement(control);
            ADD_FAILURE() << c.key << " was accepted";
        } catch (const DesignError& error) {
            EXPECT_THAT(error.what(), HasSubstr(c.message));
        }
    }
}

}  // namespace
}  // namespace tolvane::design
