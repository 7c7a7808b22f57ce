// What the design reader does beyond strict JSON, what it refuses, and the exact text the writer
// gives.
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

TEST(DesignJsonTest, ReadsLoneSurrogatesByteOrderMarksAndRepeatedKeys) {
    const struct {
        const char* properties;
        DesignValue value;
    } cases[] = {
        {R"({"p": "\ud800x\udc00"})", std::string("?x?")},              // lone surrogates
        {R"({"p": "\ud83d\ude00"})", std::string("\xF0\x9F\x98\x80")},  // a pair
        {"{\"p\": \"\xEF\xBB\xBF\\ufeffx\\ufeff\"}",
         std::string("x\xEF\xBB\xBF")},            // marks at the start
        {R"({"p": 1, "p": 2})", std::int32_t{2}},  // the later value counts
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Property(c.properties), c.value) << c.properties;
    }
    // Entries come in the order of their keys' UTF-8 bytes.
    const Design design = ParseDesign(
        R"({"controls": [{"name": "B", "type": "T", "properties": {"a": 1, "\ue000": 2, )"
        R"("\ud83d\ude00": 3, "B": 4}}]})",
        "t");
    std::string keys;
    for (const auto& entry : design.Control("B").Properties.Entries()) {
        keys += entry.first + " ";
    }
    EXPECT_EQ(keys, "B a \xEE\x80\x80 \xF0\x9F\x98\x80 ");
}

// Strict JSON: what a hand-written design could once hold beyond it is refused where it stands.
TEST(DesignJsonTest, RefusesWhatIsNotStrictJson) {
    const struct {
        const char* properties;
        const char* message;
    } cases[] = {
        {R"({"p": 1.})",
         "at byte 64: syntax error while parsing value - invalid number; expected "
         "digit after '.'"},
        {R"({"p": .5})", "at byte 62: syntax error while parsing value - invalid literal"},
        {"{\"p\": \"a\tb\"}",
         "at byte 64: syntax error while parsing value - invalid string: "
         "control character U+0009 (HT) must be escaped to \\u0009 or \\t"},
        {R"({"p": "\d"})",
         "at byte 64: syntax error while parsing value - invalid string: "
         "forbidden character after backslash"},
    };
    for (const auto& c : cases) {
        EXPECT_THAT(
            Refusal(std::string(R"({"controls": [{"name": "B", "type": "T", "properties": )") +
                    c.properties + "}]}"),
            HasSubstr(std::string("t.json: malformed JSON ") + c.message))
            << c.properties;
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
