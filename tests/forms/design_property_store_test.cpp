#include "forms/design_property_store.h"

#include <memory>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design/design_json.h"
#include "forms/qt/qt_platform.h"
#include "qt/png_codec.h"
#include "stylerbutton/core/property_table.h"
#include "stylerbutton/core/styler_button.h"
#include "tests/stylerbutton/core/fake_container.h"

namespace tolvane::styler {
namespace {

using ::testing::ElementsAre;
using testing::FakeContainer;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

constexpr char kCountdownDesign[] = ":/tolvane/form1_design.json";

const qt::QtPngCodec kPictures;

std::vector<std::string> Keys(const design::DesignProperties& properties) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : properties.Entries()) {
        keys.push_back(key);
    }
    return keys;
}

PictureRef TwoByTwoPicture() {
    auto picture = std::make_shared<gdi::Surface>(2, 2);
    picture->PSet(0, 0, 0xFF00FF);
    picture->PSet(1, 0, gdi::Rgb(10, 20, 30));
    picture->PSet(0, 1, 0xFFFFFF);
    return picture;
}

// Sets every property away from its default, in an order that keeps each value.
void ChangeEverything(StylerButton& button) {
    button.SetEnabled(BoolTrue);
    button.SetCaptionAlignment(AlignBottomRight);
    button.SetIconAlignment(IconRight);
    button.SetCaption("关闭 & more");
    button.SetForeColor(0x80000012);  // a system colour
    button.SetCaptionDisableColor(0x010203);
    button.SetCaptionEffectColor(0x040506);
    button.SetCaptionEffect(EffectShadow);
    button.SetCaptionOffsetX(-32768);
    button.SetCaptionOffsetY(32767);
    button.SetShadowOffsetX(-3);
    button.SetShadowOffsetY(4);
    button.SetIconDisableColor(0x070809);
    button.SetTheme(ThemeBlueGlass);
    button.SetFocusDottedRect(BoolFalse);
    button.SetFont(
        std::make_shared<gdi::Font>(gdi::Font{"Tahoma", 8.25, 700, 0, true, true, true}));
    button.SetIconTransparentColour(0x00FF00);
    button.SetIcon(TwoByTwoPicture());
    button.SetRoundedValue(9);
    button.SetEnabled(BoolFalse);
}

TEST(DesignPropertyStoreTest, EveryPropertySurvivesSavingToJsonAndLoadingBack) {
    FakeContainer container;
    StylerButton saved(container);
    saved.ApplyDefaults();
    ChangeEverything(saved);

    design::Design design;
    design::DesignControl& control =
        design.Add({"StylerButton1", std::string(kStylerButtonTypeName), {}, {}});
    DesignPropertyStore store = DesignPropertyStore::ForControl(control, kPictures);
    saved.SaveProperties(store);
    EXPECT_EQ(control.Properties.Entries().size(), 19u);  // nothing is at its default

    design::Design reread = design::ParseDesign(design::SerializeDesign(design), "memory");
    StylerButton loaded(container);
    DesignPropertyStore reread_store =
        DesignPropertyStore::ForControl(reread.Control("stylerbutton1"), kPictures);
    loaded.LoadProperties(reread_store);

    EXPECT_EQ(loaded.CaptionAlignment(), AlignBottomRight);
    EXPECT_EQ(loaded.IconAlignment(), IconRight);
    EXPECT_EQ(loaded.Caption(), "关闭 & more");
    EXPECT_EQ(loaded.ForeColor(), 0x80000012u);
    EXPECT_EQ(loaded.CaptionDisableColor(), 0x010203u);
    EXPECT_EQ(loaded.CaptionEffectColor(), 0x040506u);
    EXPECT_EQ(loaded.CaptionEffect(), EffectShadow);
    EXPECT_EQ(loaded.CaptionOffsetX(), -32768);
    EXPECT_EQ(loaded.CaptionOffsetY(), 32767);
    EXPECT_EQ(loaded.ShadowOffsetX(), -3);
    EXPECT_EQ(loaded.ShadowOffsetY(), 4);
    EXPECT_EQ(loaded.IconDisableColor(), 0x070809u);
    EXPECT_EQ(loaded.Theme(), ThemeBlueGlass);
    EXPECT_EQ(loaded.FocusDottedRect(), BoolFalse);
    EXPECT_EQ(loaded.Enabled(), BoolFalse);
    ASSERT_TRUE(loaded.Font());
    EXPECT_EQ(*loaded.Font(), *saved.Font());
    EXPECT_NE(loaded.Font(), saved.Font());  // a font object of its own
    EXPECT_EQ(loaded.IconTransparentColour(), 0x00FF00u);
    ASSERT_TRUE(loaded.Icon());
    ASSERT_EQ(loaded.Icon()->Width(), 2);
    ASSERT_EQ(loaded.Icon()->Height(), 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(loaded.Icon()->Point(x, y), saved.Icon()->Point(x, y)) << x << ", " << y;
        }
    }
    EXPECT_EQ(loaded.RoundedValue(), 9);
}

TEST(DesignPropertyStoreTest, ValuesAtTheirDefaultsAreLeftOut) {
    FakeContainer container;
    StylerButton button(container);
    button.ApplyDefaults();
    design::DesignProperties properties;
    properties.Set("theme", std::int32_t{3});  // a stale entry that is now at its default
    DesignPropertyStore store(properties, kPictures);
    button.SaveProperties(store);
    EXPECT_THAT(Keys(properties), ElementsAre("Caption", "CaptionEffectColor"));

    // A font equal to the container's is left out too; no font at all is written as nothing.
    button.SetFont(nullptr);
    button.SaveProperties(store);
    ASSERT_NE(properties.Find("Font"), nullptr);
    EXPECT_EQ(*properties.Find("Font"), design::DesignValue(std::monostate{}));
}

TEST(DesignPropertyStoreTest, CountdownDesignLoadsItsSettingsAndDefaultsForTheRest) {
    design::Design design = qt::ReadEmbeddedDesign(kCountdownDesign);
    design::DesignControl& control = design.Control("StylerButton1");
    EXPECT_EQ(control.Type, "Tolvane.StylerButton");
    EXPECT_THAT(Keys(control.Properties),
                UnorderedElementsAre("caption", "captiondisablecolor", "captioneffectcolor",
                                     "icondisablecolor", "theme", "font"));

    FakeContainer container;
    container.container_font = std::make_shared<gdi::Font>(gdi::Font{"Tahoma", 8.25, 400, 0});
    StylerButton button(container);
    DesignPropertyStore store = DesignPropertyStore::ForControl(control, kPictures);
    button.LoadProperties(store);

    namespace d = store_defaults;
    EXPECT_EQ(button.Caption(), "关闭");
    EXPECT_EQ(button.CaptionDisableColor(), 12236471u);
    EXPECT_EQ(button.CaptionEffectColor(), 16777215u);
    EXPECT_EQ(button.IconDisableColor(), 11711154u);
    EXPECT_EQ(button.Theme(), ThemeSilver);
    ASSERT_TRUE(button.Font());
    EXPECT_EQ(*button.Font(), (gdi::Font{"宋体", 9.0, 400, 134, false, false, false}));

    EXPECT_EQ(button.CaptionAlignment(), d::CaptionAlignment);
    EXPECT_EQ(button.IconAlignment(), d::IconAlignment);
    EXPECT_EQ(button.ForeColor(), d::ForeColor);
    EXPECT_EQ(button.CaptionEffect(), d::CaptionEffect);
    EXPECT_EQ(button.CaptionOffsetX(), d::CaptionOffsetX);
    EXPECT_EQ(button.CaptionOffsetY(), d::CaptionOffsetY);
    EXPECT_EQ(button.ShadowOffsetX(), d::ShadowOffsetX);
    EXPECT_EQ(button.ShadowOffsetY(), d::ShadowOffsetY);
    EXPECT_EQ(button.FocusDottedRect(), BoolTrue);
    EXPECT_EQ(button.Enabled(), BoolTrue);
    EXPECT_EQ(button.IconTransparentColour(), d::IconTransparentColour);
    EXPECT_FALSE(button.Icon());
    EXPECT_EQ(button.RoundedValue(), d::RoundedValue);
}

TEST(DesignPropertyStoreTest, AnUnreadablePictureNamesItsKey) {
    FakeContainer container;
    StylerButton button(container);
    design::DesignProperties properties;
    properties.Set("icon", design::DesignPicture{"\x89PNG\r\n\x1a\nbroken"});
    DesignPropertyStore store(properties, kPictures);
    try {
        button.LoadProperties(store);
        ADD_FAILURE() << "no error";
    } catch (const PropertyValueError& error) {
        EXPECT_EQ(error.Key(), "Icon");
        EXPECT_THAT(error.what(), HasSubstr("not a readable PNG picture"));
    }
    EXPECT_FALSE(button.Icon());
}

TEST(DesignPropertyStoreTest, OnlyAStylerButtonControlGivesItsStore) {
    design::DesignControl control{"Label1", "Tolvane.Label", {}, {}};
    try {
        DesignPropertyStore::ForControl(control, kPictures);
        ADD_FAILURE() << "no error";
    } catch (const design::DesignError& error) {
        EXPECT_THAT(error.what(), HasSubstr("\"Label1\" is a \"Tolvane.Label\""));
    }
    control.Type = "tolvane.stylerbutton";
    EXPECT_NO_THROW(DesignPropertyStore::ForControl(control, kPictures));
}

}  // namespace
}  // namespace tolvane::styler
