// What the design reader takes beyond strict JSON, what it refuses that JSON allows, and the
// exact text the writer gives.
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design/design_json.h"

namespace tolvane::design {
namespace {

using testing::HasSubstr;

// The property "p" of a one-control design whose properties are the given JSON object text.
DesignValue Property(const std::string& properties) {
    const Design design = ParseDesign(
        R"({"controls": [{"name": "B", "type": "T", "properties": )" + properties + "}]}", "t");
    const DesignValue* value = design.Control("B").Properties.Find("p");
    return value != nullptr ? *value : DesignValue(std::string("(missing)"));
}

std::string Refusal(const std::string& json) {
    try {
        ParseDesign(json, "t.json");
    } catch (const DesignError& error) {
        return error.what();
    }
    return "no error";
}

TEST(DesignJsonTest, ReadsWhatHandWrittenDesignsHoldBeyondStrictJson) {
    const struct {
        const char* properties;
        DesignValue value;
    } cases[] = {
        {R"({"p": 1.})", std::int32_t{1}},
        {R"({"p": -.5e1})", std::int32_t{-5}},
        {R"({"p": 3.e2})", std::int32_t{300}},
        {"{\"p\": \"a\tb\x01\"}", std::string("a\tb\x01")},  // raw control characters
        {R"({"p": "\d\'"})", std::string("d'")},             // any character may be escaped
        {R"({"p": "\ud800x"})", std::string("?x")},          // a lone surrogate
        {"{\"p\": \"\xEF\xBB\xBFx\"}", std::string("x")},    // a leading byte order mark
        {R"({"p": 1, "p": 2})", std::int32_t{2}},            // the later value counts
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Property(c.properties), c.value) << c.properties;
    }
}

TEST(DesignJsonTest, RefusesWhatJsonAllowsButADesignCannotHold) {
    const auto nested = [](int depth) {
        return R"({"controls": [{"name": "B", "type": "T", "properties": {"p": )" +
               std::string(static_cast<std::size_t>(depth - 4), '[') +
               std::string(static_cast<std::size_t>(depth - 4), ']') + "}}]}";
    };
    EXPECT_THAT(Refusal(nested(1024)), HasSubstr("an array is not a design value"));
    // The 1025th bracket opens at byte 1081, after the 61 bytes before the first "[".
    EXPECT_EQ(Refusal(nested(1025)),
              "t.json: malformed JSON at byte 1082: too deeply nested document");
    EXPECT_EQ(Refusal(R"({"controls": [2e-324]})"),
              "t.json: malformed JSON at byte 20: illegal number");
    EXPECT_THAT(Refusal(R"({"controls": [2.4703282292062328e-324]})"),
                HasSubstr("5e-324 is not a control object"));  // the smallest double, not 0
    EXPECT_EQ(Refusal(R"({"controls": [1e309]})"),
              "t.json: malformed JSON at byte 19: illegal number");
    EXPECT_EQ(Refusal("7"), "t.json: malformed JSON at byte 1: illegal value");
    EXPECT_THAT(Refusal(std::string(R"({"controls": []})") + '\0'), HasSubstr("malformed JSON"));
}

TEST(DesignJsonTest, WritesIndentedSortedText) {
    DesignControl button{"B", "T", {}, {}};
    button.Properties.Set("b", gdi::Font{"F", 1e13});
    button.Properties.Set("\xF0\x9F\x98\x80", std::int32_t{1000000});
    button.Properties.Set("\xEE\x80\x80", std::string("\"\\\x01\xFF"));
    button.Properties.Set("a", DesignPicture{"hello"});
    Design design;
    design.Add(button);
    EXPECT_EQ(SerializeDesign(design), R"({
    "controls": [
        {
            "name": "B",
            "placement": {
            },
            "properties": {
                "a": {
                    "png": "aGVsbG8="
                },
                "b": {
                    "charset": 0,
                    "italic": false,
                    "name": "F",
                    "size": 10000000000000,
                    "strikethrough": false,
                    "underline": false,
                    "weight": 400
                },
                ")"
                                       "\xF0\x9F\x98\x80"
                                       R"(": 1000000,
                ")"
                                       "\xEE\x80\x80"
                                       R"(": "\"\\\u0001)"
                                       "\xEF\xBF\xBD"
                                       R"("
            },
            "type": "T"
        }
    ]
}
)");
}

}  // namespace
}  // namespace tolvane::design
