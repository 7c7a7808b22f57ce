#include <gtest/gtest.h>

#include "stylerbutton/core/memory_property_store.h"
#include "stylerbutton/core/styler_button.h"
#include "tests/stylerbutton/core/fake_container.h"

namespace tolvane::styler {
namespace {

using namespace std::string_literals;
using testing::FakeContainer;
using Entries = std::vector<MemoryPropertyStore::Entry>;

// A memory store that also records each read and write as "key=default".
class RecordingStore : public MemoryPropertyStore {
  public:
    PropertyValue Read(std::string_view key, const PropertyValue& fallback) override {
        calls.push_back(std::string(key) + "=" + DescribeValue(fallback));
        return MemoryPropertyStore::Read(key, fallback);
    }
    void Write(std::string_view key, const PropertyValue& value,
               const PropertyValue& fallback) override {
        calls.push_back(std::string(key) + "=" + DescribeValue(fallback));
        written.push_back(value);
        MemoryPropertyStore::Write(key, value, fallback);
    }
    std::vector<std::string> calls;
    std::vector<PropertyValue> written;
};

// What a save keeps: only the values that differ from their store defaults.
Entries Saved(const StylerButton& button) {
    MemoryPropertyStore store;
    button.SaveProperties(store);
    return store.Entries();
}

TEST(ButtonPersistenceTest, ApplyDefaultsAssignsEachPropertyInOrder) {
    FakeContainer container;
    StylerButton button(container);
    button.ApplyDefaults();
    EXPECT_EQ(container.notified,
              (std::vector<std::string>{
                  "Caption", "ForeColor", "Theme", "FocusDottedRect", "Enabled", "Font", "Icon",
                  "IconTransparentColour", "RoundedValue", "CaptionAlignment", "CaptionOffsetX",
                  "CaptionOffsetY", "ShadowOffsetX", "ShadowOffsetY", "CaptionEffectColor",
                  "CaptionEffect", "IconAlignment", "CaptionDisableColor", "IconDisableColor"}));
    EXPECT_EQ(button.RedrawCount(), 19u);
    EXPECT_EQ(button.CaptionDisableColor(), 0xD4D4D4u);  // not the theme-1 pair
    EXPECT_EQ(button.IconDisableColor(), 0xD4D4D4u);
    EXPECT_EQ(button.Font(), container.container_font);
    // Every other property equals its store default, so only these two are saved; white differs
    // from the store default 0xC8C8C8.
    EXPECT_EQ(Saved(button), (Entries{{"Caption", "StylerButton1"s},
                                      {"CaptionEffectColor", ColourValue(0xFFFFFF)}}));
}

TEST(ButtonPersistenceTest, HoverPollStartsOnlyInRunMode) {
    for (const bool run : {true, false}) {
        FakeContainer container;
        container.run_mode = run;
        StylerButton button(container);
        container.timer_running = !run;
        button.ApplyDefaults();
        EXPECT_EQ(container.timer_running, run);
        container.timer_running = !run;
        MemoryPropertyStore store;
        button.LoadProperties(store);
        EXPECT_EQ(container.timer_running, run);
    }
}

TEST(ButtonPersistenceTest, SaveAndLoadUseTheirOrdersAndStoreDefaults) {
    FakeContainer container;
    StylerButton button(container);
    button.ApplyDefaults();
    RecordingStore store;
    button.SaveProperties(store);
    EXPECT_EQ(store.calls,
              (std::vector<std::string>{
                  "Caption=\"\"", "ForeColor=0", "CaptionDisableColor=13948116",
                  "CaptionEffectColor=13158600", "CaptionEffect=1", "CaptionOffsetX=0",
                  "CaptionOffsetY=0", "ShadowOffsetX=2", "ShadowOffsetY=2",
                  "IconDisableColor=13948116", "Theme=1", "FocusDottedRect=True", "Enabled=True",
                  "Font=font \"宋体\" 9 pt", "Icon=no picture", "IconTransparentColour=16711935",
                  "RoundedValue=5", "CaptionAlignment=5", "IconAlignment=1"}));
    EXPECT_TRUE(std::holds_alternative<std::int16_t>(store.written[5]));  // offsets are 16-bit
    EXPECT_TRUE(std::holds_alternative<bool>(store.written[12]));

    StylerButton loaded(container);
    RecordingStore empty;
    loaded.LoadProperties(empty);
    EXPECT_EQ(empty.calls,
              (std::vector<std::string>{
                  "Caption=\"\"", "CaptionDisableColor=13948116", "IconDisableColor=13948116",
                  "CaptionEffectColor=13158600", "CaptionEffect=1", "CaptionOffsetY=0",
                  "CaptionOffsetX=0", "ShadowOffsetY=2", "ShadowOffsetX=2", "ForeColor=0",
                  "Theme=1", "FocusDottedRect=True", "Enabled=True", "Font=font \"宋体\" 9 pt",
                  "Icon=no picture", "IconTransparentColour=16711935", "RoundedValue=5",
                  "CaptionAlignment=5", "IconAlignment=1"}));
    EXPECT_EQ(loaded.RedrawCount(), 19u);
    EXPECT_EQ(loaded.CaptionEffectColor(), 0xC8C8C8u);  // not white
    EXPECT_EQ(Saved(loaded), Entries{});                // every property at its store default
}

TEST(ButtonPersistenceTest, LoadKeepsValuesTheAlignmentAndThemeSettersWouldReset) {
    FakeContainer container;
    StylerButton button(container);
    MemoryPropertyStore store;
    store.Set("CaptionOffsetX", std::int16_t{7});
    store.Set("CaptionAlignment", std::int32_t{3});
    store.Set("Theme", std::int32_t{2});
    store.Set("CaptionDisableColor", std::int32_t{255});
    button.LoadProperties(store);
    EXPECT_EQ(button.CaptionOffsetX(), 7);
    EXPECT_EQ(button.CaptionDisableColor(), 255u);
    EXPECT_EQ(button.IconDisableColor(), 0xD4D4D4u);

    button.SetCaptionAlignment(3);  // after the load the reset applies again
    EXPECT_EQ(button.CaptionOffsetX(), 0);
}

TEST(ButtonPersistenceTest, CountdownWindowsStoredButtonLoads) {
    FakeContainer container;
    container.container_font = std::make_shared<gdi::Font>(gdi::Font{"Tahoma", 8.25});
    StylerButton button(container);
    const gdi::FontRef font = std::make_shared<gdi::Font>(gdi::Font{"宋体", 9.0, 400, 134});
    MemoryPropertyStore store;
    store.Set("caption", "关闭"s);
    store.Set("captiondisablecolor", std::int32_t{0xBAB6B7});
    store.Set("captioneffectcolor", std::int32_t{0xFFFFFF});
    store.Set("icondisablecolor", std::int32_t{0xB2B2B2});
    store.Set("theme", std::int32_t{3});
    store.Set("font", font);
    button.LoadProperties(store);

    EXPECT_EQ(button.Font(), font);
    EXPECT_EQ(container.Surface().Font(), font);
    EXPECT_EQ(Saved(button), (Entries{{"Caption", "关闭"s},
                                      {"CaptionDisableColor", std::int32_t{0xBAB6B7}},
                                      {"CaptionEffectColor", std::int32_t{0xFFFFFF}},
                                      {"IconDisableColor", std::int32_t{0xB2B2B2}},
                                      {"Theme", std::int32_t{3}},
                                      {"Font", font}}));
}

TEST(ButtonPersistenceTest, UnconvertibleStoredValueStopsTheLoadAndKeepsEarlierValues) {
    const std::tuple<std::string, PropertyValue, std::string> cases[] = {
        {"Theme", "abc"s, "\"abc\""}, {"ShadowOffsetX", std::int32_t{40000}, "40000"}};
    for (const auto& [key, value, shown] : cases) {
        FakeContainer container;
        StylerButton button(container);
        MemoryPropertyStore store;
        store.Set("Caption", "Go"s);
        store.Set(key, value);
        try {
            button.LoadProperties(store);
            ADD_FAILURE() << key << " loaded";
        } catch (const PropertyValueError& error) {
            EXPECT_EQ(error.Key(), key);
            EXPECT_EQ(error.Value(), shown);
        }
        EXPECT_EQ(button.Caption(), "Go");
        EXPECT_EQ(button.CaptionEffectColor(), 0xC8C8C8u);
        EXPECT_EQ(button.Enabled(), 0);  // read after the failing key: never assigned
        EXPECT_FALSE(container.timer_running);
    }
}

// Every numeric property, in declaration order.
std::vector<std::int64_t> Numbers(const StylerButton& b) {
    return {b.CaptionAlignment(),
            b.IconAlignment(),
            b.ForeColor(),
            b.CaptionDisableColor(),
            b.CaptionEffectColor(),
            b.CaptionEffect(),
            b.CaptionOffsetX(),
            b.CaptionOffsetY(),
            b.ShadowOffsetX(),
            b.ShadowOffsetY(),
            b.IconDisableColor(),
            b.Theme(),
            b.FocusDottedRect(),
            b.Enabled(),
            b.IconTransparentColour(),
            b.RoundedValue()};
}

TEST(ButtonPersistenceTest, SavedPropertiesLoadBackIntoANewInstance) {
    FakeContainer container;
    StylerButton original(container);
    original.ApplyDefaults();
    original.SetCaptionAlignment(AlignBottomRight);
    original.SetIconAlignment(IconRight);
    original.SetForeColor(0x80000012u);
    original.SetCaptionEffect(EffectShadow);
    original.SetCaptionOffsetX(-3);
    original.SetCaptionOffsetY(4);
    original.SetShadowOffsetX(5);
    original.SetShadowOffsetY(-6);
    original.SetTheme(ThemeBlueGlass);
    original.SetFocusDottedRect(0);
    original.SetEnabled(0);
    original.SetIconTransparentColour(0x00FF00);
    original.SetRoundedValue(9);
    original.SetIcon(std::make_shared<gdi::Surface>(16, 16));
    MemoryPropertyStore store;
    original.SaveProperties(store);
    StylerButton copy(container);
    copy.LoadProperties(store);
    EXPECT_EQ(Numbers(copy), Numbers(original));
    EXPECT_EQ(copy.Icon(), original.Icon());
    EXPECT_EQ(copy.Caption(), "StylerButton1");
}

TEST(ButtonPersistenceTest, TeardownStopsThePollClearsFlagsAndSurface) {
    FakeContainer container;
    StylerButton button(container);
    button.ApplyDefaults();
    button.OnKeyDown(KeySpace, 0);
    button.OnFocusReceived();
    container.Surface().SetBackColor(0x336699);
    container.Surface().PSet(3, 3, 0xFFFFFF);
    button.Teardown();
    EXPECT_FALSE(container.timer_running);
    EXPECT_EQ(button.Pressed() | button.HasFocus() | button.MouseOver(), 0);
    EXPECT_EQ(container.Surface().Point(3, 3), 0x336699u);
}

}  // namespace
}  // namespace tolvane::styler
