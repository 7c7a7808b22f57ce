#include "design/design_json.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include "base/quoted.h"
#include "design/base64.h"
#include "design/json_text.h"
#include "design/json_tree.h"

namespace tolvane::design {

namespace {

using base::Quoted;

// Keys of the document itself, as written.
constexpr std::string_view kControlsKey = "controls";
constexpr std::string_view kNameKey = "name";
constexpr std::string_view kTypeKey = "type";
constexpr std::string_view kPlacementKey = "placement";
constexpr std::string_view kPropertiesKey = "properties";
// Keys of a font object and of a picture object.
constexpr std::string_view kFontSizeKey = "size";
constexpr std::string_view kFontWeightKey = "weight";
constexpr std::string_view kFontCharsetKey = "charset";
constexpr std::string_view kFontItalicKey = "italic";
constexpr std::string_view kFontUnderlineKey = "underline";
constexpr std::string_view kFontStrikethroughKey = "strikethrough";
constexpr std::string_view kPngKey = "png";

// Longer texts are cut short in messages, counted in UTF-16 code units.
constexpr std::size_t kMaxShownText = 60;

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";

// Every whole number up to this size has a double of its own.
constexpr double kExactDoubleLimit = 9007199254740992.0;  // 2^53

// A JSON value as messages show it: "text" in quotes, numbers as written, true, null, an object;
// a missing value (nullptr) is "nothing".
std::string Describe(const JsonValue* value) {
    if (value == nullptr) {
        return "nothing";
    }
    switch (value->Type) {
        case JsonValue::Kind::Null:
            return "null";
        case JsonValue::Kind::Bool:
            return value->Boolean ? "true" : "false";
        case JsonValue::Kind::Number:
            return ShortestNumberText(value->Number);
        case JsonValue::Kind::String: {
            bool cut = false;
            std::string shown = Utf16Prefix(value->Text, kMaxShownText, cut);
            return Quoted(cut ? shown + "..." : shown);
        }
        case JsonValue::Kind::Array:
            return "an array";
        case JsonValue::Kind::Object:
            return "an object";
    }
    return "nothing";
}

bool Is(const JsonValue* value, JsonValue::Kind kind) {
    return value != nullptr && value->Type == kind;
}

[[noreturn]] void Fail(const std::string& where, const std::string& problem) {
    throw DesignError(where + ": " + problem);
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// The members of one JSON object, in the object's order, looked up without regard to letter
// case. Refuses an empty key, a key that is not valid UTF-16, a key that appears twice in
// different letter cases, and, when a list of known keys is given, any other key. Each key is
// read once and found through a hash table, so reading an object is linear in its size.
class ObjectKeys {
  public:
    ObjectKeys(const JsonValue& object, const std::string& where,
               std::initializer_list<std::string_view> known = {}) {
        index_.reserve(object.Members.size());
        for (const JsonMember& member : object.Members) {
            const std::string& key = member.Key;
            if (key.empty()) {
                Fail(where, "a key is empty");
            }
            if (member.LoneSurrogate) {
                Fail(where, "key " + Quoted(key) +
                                " is not valid UTF-16: it holds a lone surrogate (\\ud800 to "
                                "\\udfff)");
            }
            const auto [earlier, added] = index_.try_emplace(LowerAscii(key), &member);
            if (!added) {
                Fail(where, "key " + Quoted(key) + " appears twice (also as " +
                                Quoted(earlier->second->Key) + ")");
            }
            if (known.size() != 0 &&
                std::none_of(known.begin(), known.end(),
                             [&](std::string_view name) { return KeysMatch(name, key); })) {
                Fail(where, "unknown key " + Quoted(key));
            }
        }
    }

    // The value under key, or nullptr.
    const JsonValue* Get(std::string_view key) const {
        const auto found = index_.find(LowerAscii(key));
        return found == index_.end() ? nullptr : &found->second->Value;
    }

  private:
    std::unordered_map<std::string, const JsonMember*> index_;  // lower-case key -> member
};

std::string KeyPlace(const std::string& where, std::string_view what, std::string_view key) {
    return where + ", " + std::string(what) + " " + Quoted(key);
}

std::int32_t ReadInt32(const JsonValue* value, const std::string& where) {
    if (!Is(value, JsonValue::Kind::Number) || std::floor(value->Number) != value->Number ||
        value->Number < std::numeric_limits<std::int32_t>::min() ||
        value->Number > std::numeric_limits<std::int32_t>::max()) {
        Fail(where, Describe(value) + " is not a 32-bit integer");
    }
    return static_cast<std::int32_t>(value->Number);
}

std::int32_t ReadInt32InRange(const JsonValue* value, const std::string& where, int low, int high) {
    const std::int32_t number = ReadInt32(value, where);
    if (number < low || number > high) {
        Fail(where, Describe(value) + " is not between " + std::to_string(low) + " and " +
                        std::to_string(high));
    }
    return number;
}

bool ReadBool(const JsonValue* value, const std::string& where) {
    if (!Is(value, JsonValue::Kind::Bool)) {
        Fail(where, Describe(value) + " is not true or false");
    }
    return value->Boolean;
}

std::string ReadText(const JsonValue* value, const std::string& where) {
    if (!Is(value, JsonValue::Kind::String)) {
        Fail(where, Describe(value) + " is not text");
    }
    return value->Text;
}

gdi::Font ReadFont(const JsonValue& object, const std::string& where) {
    const ObjectKeys keys(object, where,
                          {kNameKey, kFontSizeKey, kFontWeightKey, kFontCharsetKey, kFontItalicKey,
                           kFontUnderlineKey, kFontStrikethroughKey});
    const auto place = [&](std::string_view key) { return KeyPlace(where, "key", key); };
    gdi::Font font;
    font.Name = ReadText(keys.Get(kNameKey), place(kNameKey));
    if (font.Name.empty()) {
        Fail(place(kNameKey), "a font needs a face name");
    }
    const JsonValue* size = keys.Get(kFontSizeKey);
    if (!Is(size, JsonValue::Kind::Number) ||
        !(size->Number > 0.0 && size->Number <= gdi::kMaxFontPoints)) {
        Fail(place(kFontSizeKey), Describe(size) + " is not a size in points between 0 and " +
                                      std::to_string(static_cast<int>(gdi::kMaxFontPoints)));
    }
    font.SizePoints = size->Number;
    if (const JsonValue* weight = keys.Get(kFontWeightKey)) {
        font.Weight = ReadInt32InRange(weight, place(kFontWeightKey), 0, 1000);
    }
    if (const JsonValue* charset = keys.Get(kFontCharsetKey)) {
        font.Charset = ReadInt32InRange(charset, place(kFontCharsetKey), 0, 255);
    }
    const auto flag = [&](std::string_view key) {
        const JsonValue* value = keys.Get(key);
        return value == nullptr ? false : ReadBool(value, place(key));
    };
    font.Italic = flag(kFontItalicKey);
    font.Underline = flag(kFontUnderlineKey);
    font.Strikethrough = flag(kFontStrikethroughKey);
    return font;
}

DesignPicture ReadPicture(const JsonValue& object, const std::string& where) {
    const ObjectKeys keys(object, where, {kPngKey});
    const std::string place = KeyPlace(where, "key", kPngKey);
    const JsonValue* encoded = keys.Get(kPngKey);
    if (!Is(encoded, JsonValue::Kind::String)) {
        Fail(place, Describe(encoded) + " is not base64 text");
    }
    std::optional<std::string> decoded = FromBase64(encoded->Text);
    if (!decoded) {
        Fail(place, Describe(encoded) + " is not base64 text");
    }
    if (!decoded->starts_with(kPngSignature)) {
        Fail(place, "the data is not a PNG picture");
    }
    return DesignPicture{std::move(*decoded)};
}

DesignValue ReadValue(const JsonValue& value, const std::string& where) {
    switch (value.Type) {
        case JsonValue::Kind::Null:
            return std::monostate{};
        case JsonValue::Kind::Bool:
            return value.Boolean;
        case JsonValue::Kind::Number:
            return ReadInt32(&value, where);
        case JsonValue::Kind::String:
            return value.Text;
        case JsonValue::Kind::Object:
            if (ObjectKeys(value, where).Get(kPngKey) != nullptr) {
                return ReadPicture(value, where);
            }
            return ReadFont(value, where);
        case JsonValue::Kind::Array:
            break;
    }
    Fail(where, Describe(&value) +
                    " is not a design value (text, integer, boolean, null, font or picture)");
}

// The named values under list_key of a control; what names each entry in messages ("property").
DesignProperties ReadProperties(const JsonValue* value, const std::string& where,
                                std::string_view list_key, std::string_view what) {
    if (value == nullptr) {
        return {};
    }
    if (!Is(value, JsonValue::Kind::Object)) {
        Fail(KeyPlace(where, "key", list_key),
             Describe(value) + " is not an object of named values");
    }
    const ObjectKeys checked(*value, where);
    std::vector<DesignProperties::Entry> entries;
    entries.reserve(value->Members.size());
    for (const JsonMember& member : value->Members) {
        entries.emplace_back(member.Key,
                             ReadValue(member.Value, KeyPlace(where, what, member.Key)));
    }
    return DesignProperties::FromDistinctKeys(std::move(entries));
}

DesignControl ReadControl(const JsonValue& value, const std::string& source, std::size_t index) {
    const std::string numbered = source + ", control number " + std::to_string(index + 1);
    if (!Is(&value, JsonValue::Kind::Object)) {
        Fail(numbered, Describe(&value) + " is not a control object");
    }
    const ObjectKeys keys(value, numbered, {kNameKey, kTypeKey, kPlacementKey, kPropertiesKey});
    DesignControl control;
    control.Name = ReadText(keys.Get(kNameKey), KeyPlace(numbered, "key", kNameKey));
    if (control.Name.empty()) {
        Fail(KeyPlace(numbered, "key", kNameKey), "a control needs a name");
    }
    const std::string named = source + ", control " + Quoted(control.Name);
    control.Type = ReadText(keys.Get(kTypeKey), KeyPlace(named, "key", kTypeKey));
    control.Placement = ReadProperties(keys.Get(kPlacementKey), named, kPlacementKey, "placement");
    control.Properties =
        ReadProperties(keys.Get(kPropertiesKey), named, kPropertiesKey, "property");
    return control;
}

// A JSON value on its way out. Integers and doubles are apart: they are written differently
// (1000000 and 1e+06).
struct OutValue {
    enum class Kind { Null, Bool, Integer, Double, String, Array, Object };
    using Member = std::pair<std::string, OutValue>;

    Kind Type = Kind::Null;
    bool Boolean = false;
    std::int64_t Integer = 0;
    double Double = 0.0;
    std::string Text;
    std::vector<OutValue> Items;
    std::vector<Member> Members;  // sorted, each key once

    static OutValue Of(bool flag) {
        OutValue value(Kind::Bool);
        value.Boolean = flag;
        return value;
    }
    static OutValue Of(std::int32_t number) {
        OutValue value(Kind::Integer);
        value.Integer = number;
        return value;
    }
    static OutValue Of(double number) {
        OutValue value(Kind::Double);
        value.Double = number;
        return value;
    }
    static OutValue Of(std::string_view text) {
        OutValue value(Kind::String);
        value.Text = RepairedUtf8(text);
        return value;
    }
    static OutValue Of(std::vector<OutValue> items) {
        OutValue value(Kind::Array);
        value.Items = std::move(items);
        return value;
    }
    // Sorts the members by their keys' UTF-16 code units; a key given twice keeps its last value.
    static OutValue Of(std::vector<Member> members) {
        for (Member& member : members) {
            member.first = RepairedUtf8(member.first);
        }
        std::stable_sort(members.begin(), members.end(), [](const Member& a, const Member& b) {
            return Utf16Less(a.first, b.first);
        });
        std::vector<Member> unique;
        unique.reserve(members.size());
        for (Member& member : members) {
            if (!unique.empty() && unique.back().first == member.first) {
                unique.back().second = std::move(member.second);
            } else {
                unique.push_back(std::move(member));
            }
        }
        OutValue value(Kind::Object);
        value.Members = std::move(unique);
        return value;
    }

    explicit OutValue(Kind type = Kind::Null) : Type(type) {}
};

OutValue ToJson(const DesignValue& value) {
    struct {
        OutValue operator()(std::monostate) const { return OutValue(); }
        OutValue operator()(const std::string& text) const { return OutValue::Of(text); }
        OutValue operator()(std::int32_t number) const { return OutValue::Of(number); }
        OutValue operator()(bool flag) const { return OutValue::Of(flag); }
        OutValue operator()(const gdi::Font& font) const {
            return OutValue::Of(std::vector<OutValue::Member>{
                {std::string(kNameKey), OutValue::Of(font.Name)},
                {std::string(kFontSizeKey), OutValue::Of(font.SizePoints)},
                {std::string(kFontWeightKey), OutValue::Of(std::int32_t{font.Weight})},
                {std::string(kFontCharsetKey), OutValue::Of(std::int32_t{font.Charset})},
                {std::string(kFontItalicKey), OutValue::Of(font.Italic)},
                {std::string(kFontUnderlineKey), OutValue::Of(font.Underline)},
                {std::string(kFontStrikethroughKey), OutValue::Of(font.Strikethrough)},
            });
        }
        OutValue operator()(const DesignPicture& picture) const {
            return OutValue::Of(std::vector<OutValue::Member>{
                {std::string(kPngKey), OutValue::Of(ToBase64(picture.Png))}});
        }
    } visitor;
    return std::visit(visitor, value);
}

OutValue ToJson(const DesignProperties& properties) {
    std::vector<OutValue::Member> members;
    members.reserve(properties.Entries().size());
    for (const auto& [key, value] : properties.Entries()) {
        members.emplace_back(key, ToJson(value));
    }
    return OutValue::Of(std::move(members));
}

// Writes value at the given level of indentation: nested members and items one level deeper,
// each on its own line, and the closing bracket of a container on a line of its own, even when
// the container is empty.
void Write(const OutValue& value, int level, std::string& json) {
    const auto indent = [&](int depth) { json.append(static_cast<std::size_t>(depth) * 4, ' '); };
    switch (value.Type) {
        case OutValue::Kind::Null:
            json += "null";
            break;
        case OutValue::Kind::Bool:
            json += value.Boolean ? "true" : "false";
            break;
        case OutValue::Kind::Integer:
            json += std::to_string(value.Integer);
            break;
        case OutValue::Kind::Double:
            // A whole number that a double holds exactly (up to 2^53) is written as an integer,
            // 10000000000000 rather than 1e+13; JSON has no infinities or NaN.
            if (std::trunc(value.Double) == value.Double &&
                std::abs(value.Double) <= kExactDoubleLimit) {
                json += std::to_string(static_cast<std::int64_t>(value.Double));
            } else {
                json += std::isfinite(value.Double) ? ShortestNumberText(value.Double) : "null";
            }
            break;
        case OutValue::Kind::String:
            json += JsonString(value.Text);
            break;
        case OutValue::Kind::Array:
            json += "[\n";
            for (std::size_t i = 0; i < value.Items.size(); ++i) {
                indent(level + 1);
                Write(value.Items[i], level + 1, json);
                json += i + 1 < value.Items.size() ? ",\n" : "\n";
            }
            indent(level);
            json += ']';
            break;
        case OutValue::Kind::Object:
            json += "{\n";
            for (std::size_t i = 0; i < value.Members.size(); ++i) {
                indent(level + 1);
                json += JsonString(value.Members[i].first);
                json += ": ";
                Write(value.Members[i].second, level + 1, json);
                json += i + 1 < value.Members.size() ? ",\n" : "\n";
            }
            indent(level);
            json += '}';
            break;
    }
}

}  // namespace

Design ParseDesign(std::string_view json, std::string_view source) {
    const std::string where(source);
    JsonValue document;
    try {
        document = ParseJson(json);
    } catch (const JsonSyntaxError& error) {
        Fail(where,
             "malformed JSON at byte " + std::to_string(error.Offset()) + ": " + error.what());
    }
    if (document.Type != JsonValue::Kind::Object) {
        Fail(where, "the design is not a JSON object");
    }
    const ObjectKeys keys(document, where, {kControlsKey});
    const JsonValue* controls = keys.Get(kControlsKey);
    if (!Is(controls, JsonValue::Kind::Array)) {
        Fail(where, "the design has no \"controls\" list");
    }
    std::vector<DesignControl> read;
    read.reserve(controls->Items.size());
    std::unordered_set<std::string> names;  // lower case
    for (std::size_t i = 0; i < controls->Items.size(); ++i) {
        DesignControl control = ReadControl(controls->Items[i], where, i);
        if (!names.insert(LowerAscii(control.Name)).second) {
            Fail(where, "control " + Quoted(control.Name) + " appears twice");
        }
        read.push_back(std::move(control));
    }
    return Design::FromDistinctNames(std::move(read));
}

std::string SerializeDesign(const Design& design) {
    std::vector<OutValue> controls;
    controls.reserve(design.Controls().size());
    for (const DesignControl& control : design.Controls()) {
        controls.push_back(OutValue::Of(std::vector<OutValue::Member>{
            {std::string(kNameKey), OutValue::Of(control.Name)},
            {std::string(kTypeKey), OutValue::Of(control.Type)},
            {std::string(kPlacementKey), ToJson(control.Placement)},
            {std::string(kPropertiesKey), ToJson(control.Properties)},
        }));
    }
    const OutValue document = OutValue::Of(std::vector<OutValue::Member>{
        {std::string(kControlsKey), OutValue::Of(std::move(controls))}});
    std::string json;
    Write(document, 0, json);
    json += '\n';
    return json;
}

}  // namespace tolvane::design
