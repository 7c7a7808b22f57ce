// A control's stored design as both platforms place it.
#include "forms/control_design.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "stylerbutton/core/property_value.h"

namespace tolvane::forms {
namespace {

using testing::HasSubstr;

// Decodes nothing: no picture is read here.
class NoPictures final : public gdi::PngCodec {
  public:
    std::optional<gdi::Surface> Decode(std::string_view) const override { return std::nullopt; }
    std::string Encode(const gdi::Surface&) const override { return {}; }
};

design::Design OneButton(std::string type = "Tolvane.StylerButton") {
    design::DesignControl button{"StylerButton1", std::move(type), {}, {}};
    for (const auto& [key, twips] :
         {std::pair{"left", 6480}, {"top", 3720}, {"width", 1575}, {"height", 495}}) {
        button.Placement.Set(key, std::int32_t{twips});
    }
    button.Placement.Set("tabindex", std::int32_t{3});
    button.Placement.Set("visible", false);
    button.Properties.Set("Caption", std::string("关闭"));
    design::Design design;
    design.Add(std::move(button));
    return design;
}

TEST(ControlDesignTest, PlacesTheControlInPixelsWithItsSavedProperties) {
    design::Design design = OneButton();
    const NoPictures pictures;
    const ControlDesign control = ControlDesignFrom(design, "form.json", "STYLERBUTTON1", pictures);
    EXPECT_EQ(control.Left, 432);
    EXPECT_EQ(control.Top, 248);
    EXPECT_EQ(control.Width, 105);
    EXPECT_EQ(control.Height, 33);
    EXPECT_EQ(control.TabIndex, 3);
    EXPECT_FALSE(control.Visible);
    EXPECT_EQ(styler::ToText("Caption", control.Properties->Read("caption", std::string())),
              "关闭");
}

TEST(ControlDesignTest, RefusalsNameTheDesignTheControlAndTheEntry) {
    const NoPictures pictures;
    design::Design design = OneButton();
    design::Design label = OneButton("Tolvane.Label");
    design::Design unplaced = OneButton();
    unplaced.Control("StylerButton1").Placement.Erase("height");
    const struct {
        design::Design* design;
        const char* name;
        const char* message;
    } cases[] = {
        {&design, "Command1", R"(form.json: the design has no control "Command1")"},
        {&label, "StylerButton1", R"(form.json: control "StylerButton1" is a "Tolvane.Label")"},
        {&unplaced, "StylerButton1",
         R"(form.json: control "StylerButton1": placement "height" is missing)"},
    };
    for (const auto& c : cases) {
        try {
            ControlDesignFrom(*c.design, "form.json", c.name, pictures);
            ADD_FAILURE() << c.message;
        } catch (const design::DesignError& error) {
            EXPECT_THAT(error.what(), HasSubstr(c.message));
        }
    }
}

}  // namespace
}  // namespace tolvane::forms
