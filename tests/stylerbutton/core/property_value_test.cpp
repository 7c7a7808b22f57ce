#include "stylerbutton/core/property_value.h"

#include <gtest/gtest.h>

namespace tolvane::styler {
namespace {

using namespace std::string_literals;

struct IntCase {
    PropertyValue stored;
    std::int32_t expected;
};

TEST(PropertyValueTest, ConvertibleValuesBecome32BitIntegers) {
    const IntCase cases[] = {
        {std::int32_t{7}, 7},
        {std::int16_t{-3}, -3},
        {true, -1},
        {false, 0},
        {" -12 "s, -12},
        {"+5"s, 5},
        {"2147483647"s, 2147483647},
        {"-2147483648"s, INT32_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToInt32("Theme", c.stored), c.expected) << DescribeValue(c.stored);
    }
}

TEST(PropertyValueTest, UnconvertibleValuesNameKeyAndValue) {
    const PropertyValue bad[] = {"abc"s,
                                 "1.5"s,
                                 ""s,
                                 "12abc"s,
                                 "0x10"s,
                                 "2147483648"s,
                                 "-"s,
                                 std::monostate{},
                                 gdi::FontRef(std::make_shared<gdi::Font>()),
                                 PictureRef(std::make_shared<gdi::Surface>(2, 2))};
    for (const auto& value : bad) {
        try {
            ToInt32("Theme", value);
            ADD_FAILURE() << "converted " << DescribeValue(value);
        } catch (const PropertyValueError& error) {
            EXPECT_EQ(error.Key(), "Theme");
            EXPECT_EQ(error.Value(), DescribeValue(value));
        }
    }
    try {
        ToInt32("Theme", "abc"s);
    } catch (const PropertyValueError& error) {
        EXPECT_STREQ(error.what(),
                     "property \"Theme\": stored value \"abc\" is not a 32-bit integer");
    }
    // A hostile stored text is named escaped and cut short, so the message stays one short line.
    try {
        ToInt32("Theme", "\x1b[2J\n" + std::string(5000, '7') + "x");
    } catch (const PropertyValueError& error) {
        EXPECT_EQ(error.Value(), "\"\\x1b[2J\\n" + std::string(51, '7') + "...\"");
    }
}

TEST(PropertyValueTest, SixteenBitReadsStayInRange) {
    EXPECT_EQ(ToInt16("CaptionOffsetX", "-32768"s), -32768);
    EXPECT_EQ(ToInt16("CaptionOffsetX", std::int32_t{32767}), 32767);
    for (const PropertyValue& value : {PropertyValue{std::int32_t{40000}}, PropertyValue{"32768"s},
                                       PropertyValue{std::int32_t{-32769}}}) {
        try {
            ToInt16("CaptionOffsetX", value);
            ADD_FAILURE() << "converted " << DescribeValue(value);
        } catch (const PropertyValueError& error) {
            EXPECT_EQ(error.Key(), "CaptionOffsetX");
            EXPECT_NE(std::string(error.what()).find(error.Value()), std::string::npos);
        }
    }
}

TEST(PropertyValueTest, ColoursKeepAll32Bits) {
    EXPECT_EQ(ToColour("ForeColor", std::int32_t{-1}), 0xFFFFFFFFu);
    EXPECT_EQ(ToColour("ForeColor", ColourValue(0x80000005u)), 0x80000005u);
    EXPECT_EQ(ToColour("ForeColor", "16777215"s), 0xFFFFFFu);
}

TEST(PropertyValueTest, BooleansTextAndReferences) {
    EXPECT_EQ(ToBoolean("Enabled", true), -1);
    EXPECT_EQ(ToBoolean("Enabled", " TRUE "s), -1);
    EXPECT_EQ(ToBoolean("Enabled", "false"s), 0);
    EXPECT_EQ(ToBoolean("Enabled", std::int32_t{5}), -1);
    EXPECT_EQ(ToBoolean("Enabled", "0"s), 0);
    EXPECT_THROW(ToBoolean("Enabled", "yes"s), PropertyValueError);
    EXPECT_THROW(ToBoolean("Enabled", std::monostate{}), PropertyValueError);

    EXPECT_EQ(ToText("Caption", std::int32_t{-5}), "-5");
    EXPECT_EQ(ToText("Caption", false), "False");
    EXPECT_EQ(ToText("Caption", std::monostate{}), "");
    EXPECT_THROW(ToText("Caption", gdi::FontRef()), PropertyValueError);

    EXPECT_EQ(ToFont("Font", std::monostate{}), nullptr);
    EXPECT_THROW(ToFont("Font", "Tahoma"s), PropertyValueError);
    EXPECT_EQ(ToPicture("Icon", std::monostate{}), nullptr);
    EXPECT_THROW(ToPicture("Icon", std::int32_t{0}), PropertyValueError);
}

TEST(PropertyValueTest, SameValueComparesFontsByContentAndPicturesByReference) {
    const auto font = std::make_shared<gdi::Font>(gdi::Font{"Tahoma", 8.25});
    EXPECT_TRUE(SameValue(font, std::make_shared<gdi::Font>(*font)));
    EXPECT_FALSE(SameValue(font, gdi::FontRef()));
    const PictureRef picture = std::make_shared<gdi::Surface>(2, 2);
    EXPECT_TRUE(SameValue(picture, picture));
    EXPECT_FALSE(SameValue(picture, PictureRef(std::make_shared<gdi::Surface>(2, 2))));
    EXPECT_FALSE(SameValue(std::int32_t{5}, std::int16_t{5}));
}

}  // namespace
}  // namespace tolvane::styler
