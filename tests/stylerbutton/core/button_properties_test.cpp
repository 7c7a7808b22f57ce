#include <gtest/gtest.h>

#include <functional>

#include "stylerbutton/core/property_table.h"
#include "stylerbutton/core/styler_button.h"
#include "tests/stylerbutton/core/fake_container.h"

namespace tolvane::styler {
namespace {

using testing::FakeContainer;

TEST(ButtonPropertiesTest, NewInstanceIsAllZero) {
    FakeContainer container;
    StylerButton button(container);
    EXPECT_EQ(button.Enabled() | button.Theme() | button.CaptionAlignment() | button.RoundedValue(),
              0);
    EXPECT_EQ(button.CaptionEffectColor() | button.IconTransparentColour(), 0u);
    EXPECT_EQ(button.Font(), nullptr);
    EXPECT_EQ(button.Icon(), nullptr);
    EXPECT_EQ(button.GradientRect(), gdi::Rect{});
    EXPECT_FALSE(container.timer_running);
}

// Every setter notifies with its own key and repaints, also when the value does not change.
TEST(ButtonPropertiesTest, EverySetterNotifiesItsKeyAndRepaintsEvenWhenUnchanged) {
    const std::pair<std::string_view, std::function<void(StylerButton&)>> setters[] = {
        {"CaptionAlignment", [](StylerButton& b) { b.SetCaptionAlignment(0); }},
        {"IconAlignment", [](StylerButton& b) { b.SetIconAlignment(0); }},
        {"Caption", [](StylerButton& b) { b.SetCaption(""); }},
        {"ForeColor", [](StylerButton& b) { b.SetForeColor(0); }},
        {"CaptionDisableColor", [](StylerButton& b) { b.SetCaptionDisableColor(0); }},
        {"CaptionEffectColor", [](StylerButton& b) { b.SetCaptionEffectColor(0); }},
        {"CaptionEffect", [](StylerButton& b) { b.SetCaptionEffect(0); }},
        {"CaptionOffsetX", [](StylerButton& b) { b.SetCaptionOffsetX(0); }},
        {"CaptionOffsetY", [](StylerButton& b) { b.SetCaptionOffsetY(0); }},
        {"ShadowOffsetX", [](StylerButton& b) { b.SetShadowOffsetX(0); }},
        {"ShadowOffsetY", [](StylerButton& b) { b.SetShadowOffsetY(0); }},
        {"IconDisableColor", [](StylerButton& b) { b.SetIconDisableColor(0); }},
        {"Theme", [](StylerButton& b) { b.SetTheme(0); }},
        {"FocusDottedRect", [](StylerButton& b) { b.SetFocusDottedRect(0); }},
        {"Enabled", [](StylerButton& b) { b.SetEnabled(0); }},
        {"Font", [](StylerButton& b) { b.SetFont(nullptr); }},
        {"IconTransparentColour", [](StylerButton& b) { b.SetIconTransparentColour(0); }},
        {"Icon", [](StylerButton& b) { b.SetIcon(nullptr); }},
        {"RoundedValue", [](StylerButton& b) { b.SetRoundedValue(1); }},
    };
    ASSERT_EQ(std::size(setters), PropertyTable().size());
    for (std::size_t i = 0; i < std::size(setters); ++i) {
        const auto& [key, set] = setters[i];
        EXPECT_NE(FindProperty(key), nullptr) << key;
        FakeContainer container;
        StylerButton button(container);
        set(button);
        set(button);
        EXPECT_EQ(container.notified,
                  (std::vector<std::string>{std::string(key), std::string(key)}))
            << key;
        EXPECT_EQ(button.RedrawCount(), 2u) << key;
    }
}

// A setter stores, applies its side effect, notifies, then repaints: a host told of the change
// reads the new value and its side effect, and the picture follows after.
TEST(ButtonPropertiesTest, NotificationSeesTheValueAndSideEffectBeforeTheRepaint) {
    const auto font = std::make_shared<gdi::Font>(gdi::Font{"Tahoma", 8.25});
    const PictureRef icon = std::make_shared<gdi::Surface>(4, 3, 0x00FF00);
    const struct {
        std::string_view key;
        std::function<void(StylerButton&)> set;
        std::function<bool(StylerButton&, FakeContainer&)> stored;
    } cases[] = {
        {"Caption", [](StylerButton& b) { b.SetCaption("关闭"); },
         [](StylerButton& b, FakeContainer&) { return b.Caption() == "关闭"; }},
        {"CaptionAlignment", [](StylerButton& b) { b.SetCaptionAlignment(3); },
         [](StylerButton& b, FakeContainer&) {
             return b.CaptionAlignment() == 3 && b.CaptionOffsetX() == 0;
         }},
        {"Theme", [](StylerButton& b) { b.SetTheme(ThemeBlueGlass); },
         [](StylerButton& b, FakeContainer&) {
             return b.Theme() == ThemeBlueGlass && b.CaptionDisableColor() == 0xC8B69A;
         }},
        {"Font", [&](StylerButton& b) { b.SetFont(font); },
         [&](StylerButton& b, FakeContainer& c) {
             return b.Font() == font && c.Surface().Font() == font;
         }},
        {"Icon", [&](StylerButton& b) { b.SetIcon(icon); },
         [&](StylerButton& b, FakeContainer&) { return b.imgIcon().Picture() == icon; }},
        {"FocusDottedRect", [](StylerButton& b) { b.SetFocusDottedRect(1); },
         [](StylerButton& b, FakeContainer&) { return b.FocusDottedRect() == BoolTrue; }},
    };
    for (const auto& c : cases) {
        FakeContainer container;
        StylerButton button(container);
        button.SetCaptionOffsetX(7);  // for CaptionAlignment's reset; Enabled stays false
        const std::uint64_t redraws = button.RedrawCount();
        bool checked = false;
        container.on_notify = [&](std::string_view key) {
            checked = true;
            EXPECT_EQ(key, c.key);
            EXPECT_TRUE(c.stored(button, container)) << c.key;
            EXPECT_EQ(button.RedrawCount(), redraws) << c.key << ": repainted before notifying";
        };
        c.set(button);
        EXPECT_TRUE(checked) << c.key;
        EXPECT_EQ(button.RedrawCount(), redraws + 1) << c.key;
    }
}

TEST(ButtonPropertiesTest, CaptionAlignmentResetsBothOffsetsWithoutNotifyingThem) {
    for (const std::int32_t alignment : {5, 3, 0, 10}) {
        FakeContainer container;
        StylerButton button(container);
        button.SetCaptionAlignment(5);
        button.SetCaptionOffsetX(7);
        button.SetCaptionOffsetY(-4);
        container.notified.clear();
        button.SetCaptionAlignment(alignment);
        EXPECT_EQ(button.CaptionAlignment(), alignment);
        EXPECT_EQ(button.CaptionOffsetX(), 0);
        EXPECT_EQ(button.CaptionOffsetY(), 0);
        EXPECT_EQ(container.notified, std::vector<std::string>{"CaptionAlignment"});
    }
}

TEST(ButtonPropertiesTest, ThemeOnDisabledButtonBringsItsDisableColours) {
    struct Case {
        std::int16_t enabled;
        std::int32_t theme;
        gdi::Colour caption_disable;
        gdi::Colour icon_disable;
    };
    constexpr gdi::Colour kUnchanged = 0x010203;
    const Case cases[] = {
        {0, 1, 0xBAB6B7, 0xBAB6B7},      {0, 2, 0xC8B69A, 0xCFBDA1},
        {0, 3, 0xBAB6B7, 0xB2B2B2},      {0, 0, kUnchanged, kUnchanged},
        {0, 4, kUnchanged, kUnchanged},  {-1, 1, kUnchanged, kUnchanged},
        {-1, 2, kUnchanged, kUnchanged}, {-1, 3, kUnchanged, kUnchanged},
    };
    for (const auto& c : cases) {
        FakeContainer container;
        StylerButton button(container);
        button.SetEnabled(c.enabled);
        button.SetCaptionDisableColor(kUnchanged);
        button.SetIconDisableColor(kUnchanged);
        container.notified.clear();
        button.SetTheme(c.theme);
        EXPECT_EQ(button.Theme(), c.theme);
        EXPECT_EQ(button.CaptionDisableColor(), c.caption_disable) << c.enabled << " " << c.theme;
        EXPECT_EQ(button.IconDisableColor(), c.icon_disable) << c.enabled << " " << c.theme;
        EXPECT_EQ(container.notified, std::vector<std::string>{"Theme"});
    }
}

TEST(ButtonPropertiesTest, ValuesAreStoredAsGiven) {
    FakeContainer container;
    StylerButton button(container);
    button.SetForeColor(0x80000005u);
    button.SetTheme(-7);
    button.SetCaptionOffsetX(-1);
    button.SetEnabled(1);
    button.SetFocusDottedRect(5);
    EXPECT_EQ(button.ForeColor(), 0x80000005u);
    EXPECT_EQ(button.Theme(), -7);
    EXPECT_EQ(button.CaptionOffsetX(), -1);
    EXPECT_EQ(button.Enabled(), -1);  // a 16-bit boolean: any non-zero value is stored as -1
    EXPECT_EQ(button.FocusDottedRect(), -1);
}

TEST(ButtonPropertiesTest, RoundedValueBelowOneReadsBackAsOneWithoutNotice) {
    for (const auto& [assigned, expected] : {std::pair{0, 1}, {-3, 1}, {1, 1}, {9, 9}}) {
        FakeContainer container;
        StylerButton button(container);
        button.SetRoundedValue(assigned);
        EXPECT_EQ(button.RoundedValue(), expected);
        EXPECT_EQ(container.notified, std::vector<std::string>{"RoundedValue"});
    }
}

TEST(ButtonPropertiesTest, FontAndIconGoToSurfaceAndHolder) {
    FakeContainer container;
    StylerButton button(container);
    const auto font = std::make_shared<gdi::Font>(gdi::Font{"Tahoma", 8.25});
    button.SetFont(font);
    EXPECT_EQ(button.Font(), font);
    EXPECT_EQ(container.Surface().Font(), font);
    button.SetFont(nullptr);  // no font: the surface keeps the one it has
    EXPECT_EQ(container.Surface().Font(), font);

    const PictureRef icon = std::make_shared<gdi::Surface>(16, 12, 0x00FF00);
    button.SetIcon(icon);
    EXPECT_EQ(button.Icon(), icon);
    EXPECT_EQ(button.imgIcon().Picture(), icon);
    EXPECT_TRUE(button.imgIcon().AutoSize());
    EXPECT_EQ(button.imgIcon().ScaleWidth(), 16.0);
    EXPECT_EQ(button.imgIcon().ScaleHeight(), 12.0);
    EXPECT_FALSE(button.imgDis().HasPicture());
}

TEST(ButtonPropertiesTest, TableDescribesEachPropertyForDesignTools) {
    EXPECT_EQ(FindProperty(keys::CaptionEffectColor)->Description,
              "If You Apply Caption Effect(Shadow,Engraved,etc).This Colour used in Effect.");
    EXPECT_EQ(FindProperty(keys::ShadowOffsetX)->Description,
              "If You apply Shadow in Captioneffects.Shadow Offset X.");
}

}  // namespace
}  // namespace tolvane::styler
