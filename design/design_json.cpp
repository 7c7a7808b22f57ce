#include "design/design_json.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include <nlohmann/json.hpp>

#include "base/quoted.h"
#include "design/base64.h"
#include "design/json_parse.h"
#include "design/json_text.h"

namespace tolvane::design {

namespace {

using base::LowerAscii;
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

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";

// Every whole number up to this size has a double of its own.
constexpr double kExactDoubleLimit = 9007199254740992.0;  // 2^53

// A JSON value as messages show it: "text" in quotes (cut short when long), numbers as written,
// true, null, an object; a missing value (nullptr) is "nothing".
std::string Describe(const Json* value) {
    if (value == nullptr) {
        return "nothing";
    }
    if (value->is_string()) {
        return Quoted(value->get_ref<const std::string&>());
    }
    if (value->is_number()) {
        return ShortestNumberText(value->get<double>());
    }
    if (value->is_array()) {
        return "an array";
    }
    return value->is_object() ? "an object" : value->dump();  // null, true or false
}

[[noreturn]] void Fail(const std::string& where, const std::string& problem) {
    throw DesignError(where + ": " + problem);
}

// The members of one JSON object, looked up without regard to letter case. Refuses an empty key,
// a key that held a lone surrogate, a key that appears twice in different letter cases, and, when
// a list of known keys is given, any other key. Each key is read once and found through a hash
// table, so reading an object is linear in its size.
class ObjectKeys {
  public:
    ObjectKeys(const Json& object, const std::string& where,
               std::initializer_list<std::string_view> known = {}) {
        const auto& members = object.get_ref<const Json::object_t&>();
        index_.reserve(members.size());
        for (const auto& member : members) {
            const std::string& key = member.first;
            if (key.empty()) {
                Fail(where, "a key is empty");
            }
            if (key.starts_with(kLoneSurrogateMark)) {
                Fail(where, "key " + Quoted(key.substr(kLoneSurrogateMark.size())) +
                                " is not valid UTF-16: it holds a lone surrogate (\\ud800 to "
                                "\\udfff)");
            }
            const auto [earlier, added] = index_.try_emplace(LowerAscii(key), &member);
            if (!added) {
                Fail(where, "key " + Quoted(key) + " appears twice (also as " +
                                Quoted(earlier->second->first) + ")");
            }
            if (known.size() != 0 &&
                std::none_of(known.begin(), known.end(),
                             [&](std::string_view name) { return KeysMatch(name, key); })) {
                Fail(where, "unknown key " + Quoted(key));
            }
        }
    }

    // The value under key, or nullptr.
    const Json* Get(std::string_view key) const {
        const auto found = index_.find(LowerAscii(key));
        return found == index_.end() ? nullptr : &found->second->second;
    }

  private:
    std::unordered_map<std::string, const Json::object_t::value_type*> index_;  // by lower case
};

std::string KeyPlace(const std::string& where, std::string_view what, std::string_view key) {
    return where + ", " + std::string(what) + " " + Quoted(key);
}

// The number value holds, or NaN when it holds none, which every check of a number refuses.
double NumberOf(const Json* value) {
    return value != nullptr && value->is_number() ? value->get<double>() : std::nan("");
}

std::int32_t ReadInt32(const Json* value, const std::string& where) {
    const double number = NumberOf(value);
    if (std::floor(number) != number || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max()) {
        Fail(where, Describe(value) + " is not a 32-bit integer");
    }
    return static_cast<std::int32_t>(number);
}

std::int32_t ReadInt32InRange(const Json* value, const std::string& where, int low, int high) {
    const std::int32_t number = ReadInt32(value, where);
    if (number < low || number > high) {
        Fail(where, Describe(value) + " is not between " + std::to_string(low) + " and " +
                        std::to_string(high));
    }
    return number;
}

bool ReadBool(const Json* value, const std::string& where) {
    if (value == nullptr || !value->is_boolean()) {
        Fail(where, Describe(value) + " is not true or false");
    }
    return value->get<bool>();
}

std::string ReadText(const Json* value, const std::string& where) {
    if (value == nullptr || !value->is_string()) {
        Fail(where, Describe(value) + " is not text");
    }
    return value->get<std::string>();
}

gdi::Font ReadFont(const Json& object, const std::string& where) {
    const ObjectKeys keys(object, where,
                          {kNameKey, kFontSizeKey, kFontWeightKey, kFontCharsetKey, kFontItalicKey,
                           kFontUnderlineKey, kFontStrikethroughKey});
    const auto place = [&](std::string_view key) { return KeyPlace(where, "key", key); };
    gdi::Font font;
    font.Name = ReadText(keys.Get(kNameKey), place(kNameKey));
    if (font.Name.empty()) {
        Fail(place(kNameKey), "a font needs a face name");
    }
    const Json* size = keys.Get(kFontSizeKey);
    font.SizePoints = NumberOf(size);
    if (!(font.SizePoints > 0.0 && font.SizePoints <= gdi::kMaxFontPoints)) {
        Fail(place(kFontSizeKey), Describe(size) + " is not a size in points between 0 and " +
                                      std::to_string(static_cast<int>(gdi::kMaxFontPoints)));
    }
    if (const Json* weight = keys.Get(kFontWeightKey)) {
        font.Weight = ReadInt32InRange(weight, place(kFontWeightKey), 0, 1000);
    }
    if (const Json* charset = keys.Get(kFontCharsetKey)) {
        font.Charset = ReadInt32InRange(charset, place(kFontCharsetKey), 0, 255);
    }
    const auto flag = [&](std::string_view key) {
        const Json* value = keys.Get(key);
        return value == nullptr ? false : ReadBool(value, place(key));
    };
    font.Italic = flag(kFontItalicKey);
    font.Underline = flag(kFontUnderlineKey);
    font.Strikethrough = flag(kFontStrikethroughKey);
    return font;
}

DesignPicture ReadPicture(const Json& object, const std::string& where) {
    const ObjectKeys keys(object, where, {kPngKey});
    const std::string place = KeyPlace(where, "key", kPngKey);
    const Json* encoded = keys.Get(kPngKey);
    std::optional<std::string> decoded;
    if (encoded != nullptr && encoded->is_string()) {
        decoded = FromBase64(encoded->get_ref<const std::string&>());
    }
    if (!decoded) {
        Fail(place, Describe(encoded) + " is not base64 text");
    }
    if (!decoded->starts_with(kPngSignature)) {
        Fail(place, "the data is not a PNG picture");
    }
    return DesignPicture{std::move(*decoded)};
}

DesignValue ReadValue(const Json& value, const std::string& where) {
    if (value.is_null()) {
        return std::monostate{};
    }
    if (value.is_boolean()) {
        return value.get<bool>();
    }
    if (value.is_number()) {
        return ReadInt32(&value, where);
    }
    if (value.is_string()) {
        return value.get<std::string>();
    }
    if (value.is_object()) {
        if (ObjectKeys(value, where).Get(kPngKey) != nullptr) {
            return ReadPicture(value, where);
        }
        return ReadFont(value, where);
    }
    Fail(where, Describe(&value) +
                    " is not a design value (text, integer, boolean, null, font or picture)");
}

// The named values under list_key of a control; what names each entry in messages ("property").
DesignProperties ReadProperties(const Json* value, const std::string& where,
                                std::string_view list_key, std::string_view what) {
    if (value == nullptr) {
        return {};
    }
    if (!value->is_object()) {
        Fail(KeyPlace(where, "key", list_key),
             Describe(value) + " is not an object of named values");
    }
    const ObjectKeys checked(*value, where);
    std::vector<DesignProperties::Entry> entries;
    entries.reserve(value->size());
    for (const auto& [key, member] : value->get_ref<const Json::object_t&>()) {
        entries.emplace_back(key, ReadValue(member, KeyPlace(where, what, key)));
    }
    return DesignProperties::FromDistinctKeys(std::move(entries));
}

DesignControl ReadControl(const Json& value, const std::string& source, std::size_t index) {
    const std::string numbered = source + ", control number " + std::to_string(index + 1);
    if (!value.is_object()) {
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

// Writes JSON text as designs keep it: indented by four spaces, each member and item on a line of
// its own, and the closing bracket of an object or array on a line of its own, even when the
// object or array is empty. The caller gives the members of an object in their order.
class JsonWriter {
  public:
    void Open(char bracket) {
        text_ += bracket;
        counts_.push_back(0);
    }
    void Close(char bracket) {
        counts_.pop_back();
        NewLine();
        text_ += bracket;
    }
    // Begins the next item of the open array.
    void Item() {
        text_ += counts_.back()++ == 0 ? "" : ",";
        NewLine();
    }
    // Begins the next member of the open object; the key is valid UTF-8. Its value follows.
    JsonWriter& Key(std::string_view key) {
        Item();
        String(key);
        text_ += ": ";
        return *this;
    }
    // Valid UTF-8 text in quotes, with quotes, backslashes and control characters escaped.
    void String(std::string_view utf8) {
        text_ += Json(utf8).dump(-1, ' ', false, Json::error_handler_t::replace);
    }
    void Null() { text_ += "null"; }
    void Boolean(bool flag) { text_ += flag ? "true" : "false"; }
    void Integer(std::int64_t number) { text_ += std::to_string(number); }
    // A whole number that a double holds exactly (up to 2^53) as an integer, 10000000000000
    // rather than 1e+13; others in their shortest form; JSON has no infinities or NaN.
    void Number(double number) {
        if (std::trunc(number) == number && std::abs(number) <= kExactDoubleLimit) {
            Integer(static_cast<std::int64_t>(number));
        } else {
            text_ += std::isfinite(number) ? ShortestNumberText(number) : "null";
        }
    }

    std::string Text() const { return text_ + '\n'; }

  private:
    void NewLine() {
        text_ += '\n';
        text_.append(counts_.size() * 4, ' ');
    }

    std::string text_;
    std::vector<std::size_t> counts_;  // per open object or array, the members written
};

// A font, its keys in their sorted order as every object's.
void WriteFont(JsonWriter& out, const gdi::Font& font) {
    out.Open('{');
    out.Key(kFontCharsetKey).Integer(font.Charset);
    out.Key(kFontItalicKey).Boolean(font.Italic);
    out.Key(kNameKey).String(RepairedUtf8(font.Name));
    out.Key(kFontSizeKey).Number(font.SizePoints);
    out.Key(kFontStrikethroughKey).Boolean(font.Strikethrough);
    out.Key(kFontUnderlineKey).Boolean(font.Underline);
    out.Key(kFontWeightKey).Integer(font.Weight);
    out.Close('}');
}

void WriteValue(JsonWriter& out, const DesignValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        out.String(RepairedUtf8(*text));
    } else if (const auto* number = std::get_if<std::int32_t>(&value)) {
        out.Integer(*number);
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        out.Boolean(*flag);
    } else if (const auto* font = std::get_if<gdi::Font>(&value)) {
        WriteFont(out, *font);
    } else if (const auto* picture = std::get_if<DesignPicture>(&value)) {
        out.Open('{');
        out.Key(kPngKey).String(ToBase64(picture->Png));
        out.Close('}');
    } else {
        out.Null();
    }
}

// The entries as an object, their keys sorted by UTF-16 code units; keys that read the same once
// made valid UTF-8 are written once, with the later value.
void WriteProperties(JsonWriter& out, const DesignProperties& properties) {
    std::vector<std::pair<std::string, const DesignValue*>> members;
    members.reserve(properties.Entries().size());
    for (const auto& [key, value] : properties.Entries()) {
        members.emplace_back(RepairedUtf8(key), &value);
    }
    std::stable_sort(members.begin(), members.end(),
                     [](const auto& a, const auto& b) { return Utf16Less(a.first, b.first); });
    out.Open('{');
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (i + 1 == members.size() || members[i + 1].first != members[i].first) {
            out.Key(members[i].first);
            WriteValue(out, *members[i].second);
        }
    }
    out.Close('}');
}

}  // namespace

Design ParseDesign(std::string_view json, std::string_view source) {
    const std::string where(source);
    const Json document = ParseJson(json, source);
    if (!document.is_object()) {
        Fail(where, "the design is not a JSON object");
    }
    const ObjectKeys keys(document, where, {kControlsKey});
    const Json* controls = keys.Get(kControlsKey);
    if (controls == nullptr || !controls->is_array()) {
        Fail(where, "the design has no \"controls\" list");
    }
    std::vector<DesignControl> read;
    read.reserve(controls->size());
    std::unordered_set<std::string> names;  // lower case
    for (const Json& item : *controls) {
        DesignControl control = ReadControl(item, where, read.size());
        if (!names.insert(LowerAscii(control.Name)).second) {
            Fail(where, "control " + Quoted(control.Name) + " appears twice");
        }
        read.push_back(std::move(control));
    }
    return Design::FromDistinctNames(std::move(read));
}

std::string SerializeDesign(const Design& design) {
    JsonWriter out;
    out.Open('{');
    out.Key(kControlsKey);
    out.Open('[');
    for (const DesignControl& control : design.Controls()) {
        out.Item();
        out.Open('{');
        out.Key(kNameKey).String(RepairedUtf8(control.Name));
        out.Key(kPlacementKey);
        WriteProperties(out, control.Placement);
        out.Key(kPropertiesKey);
        WriteProperties(out, control.Properties);
        out.Key(kTypeKey).String(RepairedUtf8(control.Type));
        out.Close('}');
    }
    out.Close(']');
    out.Close('}');
    return out.Text();
}

}  // namespace tolvane::design
