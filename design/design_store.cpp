#include "design/design_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLocale>
#include <QSaveFile>

#include "qt/fonts.h"
#include "base/quoted.h"

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

// A design file larger than this is refused before it is parsed.
constexpr qint64 kMaxDesignBytes = 64 * 1024 * 1024;
// Longer texts are cut short in messages.
constexpr qsizetype kMaxShownText = 60;

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";

bool KeysMatch(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A JSON value as messages show it: "text" in quotes, numbers as written, true, null, an object.
std::string Describe(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::Null:
            return "null";
        case QJsonValue::Bool:
            return value.toBool() ? "true" : "false";
        case QJsonValue::Double:
            return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest)
                .toStdString();
        case QJsonValue::String: {
            QString text = value.toString();
            if (text.size() > kMaxShownText) {
                text = text.left(kMaxShownText) + QStringLiteral("...");
            }
            return Quoted(text.toStdString());
        }
        case QJsonValue::Array:
            return "an array";
        case QJsonValue::Object:
            return "an object";
        case QJsonValue::Undefined:
            break;
    }
    return "nothing";
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

// True when every surrogate in text is half of a pair; JSON's \u escapes can make lone ones,
// which have no UTF-8 form and would be stored under a different key.
bool IsValidUtf16(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            return false;
        }
    }
    return true;
}

// The keys of one JSON object with their values, in the object's order, looked up without
// regard to letter case. Refuses an empty key, a key that is not valid UTF-16, a key that
// appears twice in different letter cases, and, when a list of known keys is given, any other
// key. Each key is read once and found through a hash table, so reading an object is linear in
// its size.
class ObjectKeys {
  public:
    ObjectKeys(const QJsonObject& object, const std::string& where,
               std::initializer_list<std::string_view> known = {}) {
        keys_.reserve(static_cast<std::size_t>(object.size()));
        values_.reserve(static_cast<std::size_t>(object.size()));
        index_.reserve(static_cast<std::size_t>(object.size()));
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString spelled = it.key();
            std::string key = spelled.toStdString();
            if (key.empty()) {
                Fail(where, "a key is empty");
            }
            if (!IsValidUtf16(spelled)) {
                Fail(where, "key " + Quoted(key) +
                                " is not valid UTF-16: it holds a lone surrogate (\\ud800 to "
                                "\\udfff)");
            }
            const auto [earlier, added] = index_.try_emplace(LowerAscii(key), keys_.size());
            if (!added) {
                Fail(where, "key " + Quoted(key) + " appears twice (also as " +
                                Quoted(keys_[earlier->second]) + ")");
            }
            if (known.size() != 0 &&
                std::none_of(known.begin(), known.end(),
                             [&](std::string_view name) { return KeysMatch(name, key); })) {
                Fail(where, "unknown key " + Quoted(key));
            }
            keys_.push_back(std::move(key));
            values_.push_back(it.value());
        }
    }

    // The value under key, or an undefined value.
    QJsonValue Get(std::string_view key) const {
        const auto found = index_.find(LowerAscii(key));
        return found == index_.end() ? QJsonValue(QJsonValue::Undefined) : values_[found->second];
    }

    const std::vector<std::string>& Keys() const { return keys_; }
    const std::vector<QJsonValue>& Values() const { return values_; }

  private:
    std::vector<std::string> keys_;
    std::vector<QJsonValue> values_;
    std::unordered_map<std::string, std::size_t> index_;  // lower-case key -> position
};

std::string KeyPlace(const std::string& where, std::string_view what, std::string_view key) {
    return where + ", " + std::string(what) + " " + Quoted(key);
}

std::int32_t ReadInt32(const QJsonValue& value, const std::string& where) {
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number ||
        number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max()) {
        Fail(where, Describe(value) + " is not a 32-bit integer");
    }
    return static_cast<std::int32_t>(number);
}

std::int32_t ReadInt32InRange(const QJsonValue& value, const std::string& where, int low,
                              int high) {
    const std::int32_t number = ReadInt32(value, where);
    if (number < low || number > high) {
        Fail(where, Describe(value) + " is not between " + std::to_string(low) + " and " +
                        std::to_string(high));
    }
    return number;
}

bool ReadBool(const QJsonValue& value, const std::string& where) {
    if (!value.isBool()) {
        Fail(where, Describe(value) + " is not true or false");
    }
    return value.toBool();
}

std::string ReadText(const QJsonValue& value, const std::string& where) {
    if (!value.isString()) {
        Fail(where, Describe(value) + " is not text");
    }
    return value.toString().toStdString();
}

gdi::Font ReadFont(const QJsonObject& object, const std::string& where) {
    const ObjectKeys keys(object, where,
                          {kNameKey, kFontSizeKey, kFontWeightKey, kFontCharsetKey, kFontItalicKey,
                           kFontUnderlineKey, kFontStrikethroughKey});
    const auto place = [&](std::string_view key) { return KeyPlace(where, "key", key); };
    gdi::Font font;
    font.Name = ReadText(keys.Get(kNameKey), place(kNameKey));
    if (font.Name.empty()) {
        Fail(place(kNameKey), "a font needs a face name");
    }
    const QJsonValue size = keys.Get(kFontSizeKey);
    if (!size.isDouble() || !(size.toDouble() > 0.0 && size.toDouble() <= qt::kMaxFontPoints)) {
        Fail(place(kFontSizeKey), Describe(size) + " is not a size in points between 0 and " +
                                      std::to_string(static_cast<int>(qt::kMaxFontPoints)));
    }
    font.SizePoints = size.toDouble();
    if (const QJsonValue weight = keys.Get(kFontWeightKey); !weight.isUndefined()) {
        font.Weight = ReadInt32InRange(weight, place(kFontWeightKey), 0, 1000);
    }
    if (const QJsonValue charset = keys.Get(kFontCharsetKey); !charset.isUndefined()) {
        font.Charset = ReadInt32InRange(charset, place(kFontCharsetKey), 0, 255);
    }
    const auto flag = [&](std::string_view key) {
        const QJsonValue value = keys.Get(key);
        return value.isUndefined() ? false : ReadBool(value, place(key));
    };
    font.Italic = flag(kFontItalicKey);
    font.Underline = flag(kFontUnderlineKey);
    font.Strikethrough = flag(kFontStrikethroughKey);
    return font;
}

DesignPicture ReadPicture(const QJsonObject& object, const std::string& where) {
    const ObjectKeys keys(object, where, {kPngKey});
    const std::string place = KeyPlace(where, "key", kPngKey);
    const QJsonValue encoded = keys.Get(kPngKey);
    if (!encoded.isString()) {
        Fail(place, Describe(encoded) + " is not base64 text");
    }
    const auto decoded = QByteArray::fromBase64Encoding(encoded.toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) {
        Fail(place, Describe(encoded) + " is not base64 text");
    }
    if (!decoded.decoded.startsWith(QByteArray(kPngSignature, sizeof kPngSignature - 1))) {
        Fail(place, "the data is not a PNG picture");
    }
    return DesignPicture{decoded.decoded};
}

DesignValue ReadValue(const QJsonValue& value, const std::string& where) {
    switch (value.type()) {
        case QJsonValue::Null:
            return std::monostate{};
        case QJsonValue::Bool:
            return value.toBool();
        case QJsonValue::Double:
            return ReadInt32(value, where);
        case QJsonValue::String:
            return value.toString().toStdString();
        case QJsonValue::Object: {
            const QJsonObject object = value.toObject();
            if (!ObjectKeys(object, where).Get(kPngKey).isUndefined()) {
                return ReadPicture(object, where);
            }
            return ReadFont(object, where);
        }
        case QJsonValue::Array:
        case QJsonValue::Undefined:
            break;
    }
    Fail(where, Describe(value) +
                    " is not a design value (text, integer, boolean, null, font or picture)");
}

// The named values under list_key of a control; what names each entry in messages ("property").
DesignProperties ReadProperties(const QJsonValue& value, const std::string& where,
                                std::string_view list_key, std::string_view what) {
    if (value.isUndefined()) {
        return {};
    }
    if (!value.isObject()) {
        Fail(KeyPlace(where, "key", list_key),
             Describe(value) + " is not an object of named values");
    }
    const ObjectKeys keys(value.toObject(), where);
    std::vector<DesignProperties::Entry> entries;
    entries.reserve(keys.Keys().size());
    for (std::size_t i = 0; i < keys.Keys().size(); ++i) {
        const std::string& key = keys.Keys()[i];
        entries.emplace_back(key, ReadValue(keys.Values()[i], KeyPlace(where, what, key)));
    }
    return DesignProperties::FromDistinctKeys(std::move(entries));
}

DesignControl ReadControl(const QJsonValue& value, const std::string& source, qsizetype index) {
    const std::string numbered = source + ", control number " + std::to_string(index + 1);
    if (!value.isObject()) {
        Fail(numbered, Describe(value) + " is not a control object");
    }
    const QJsonObject object = value.toObject();
    const ObjectKeys keys(object, numbered, {kNameKey, kTypeKey, kPlacementKey, kPropertiesKey});
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

QJsonValue ToJson(const DesignValue& value) {
    struct {
        QJsonValue operator()(std::monostate) const { return QJsonValue(QJsonValue::Null); }
        QJsonValue operator()(const std::string& text) const { return ToQString(text); }
        QJsonValue operator()(std::int32_t number) const { return number; }
        QJsonValue operator()(bool flag) const { return flag; }
        QJsonValue operator()(const gdi::Font& font) const {
            return QJsonObject{
                {ToQString(kNameKey), ToQString(font.Name)},
                {ToQString(kFontSizeKey), font.SizePoints},
                {ToQString(kFontWeightKey), font.Weight},
                {ToQString(kFontCharsetKey), font.Charset},
                {ToQString(kFontItalicKey), font.Italic},
                {ToQString(kFontUnderlineKey), font.Underline},
                {ToQString(kFontStrikethroughKey), font.Strikethrough},
            };
        }
        QJsonValue operator()(const DesignPicture& picture) const {
            return QJsonObject{{ToQString(kPngKey), QString::fromLatin1(picture.Png.toBase64())}};
        }
    } visitor;
    return std::visit(visitor, value);
}

QJsonObject ToJson(const DesignProperties& properties) {
    QJsonObject object;
    for (const auto& [key, value] : properties.Entries()) {
        object.insert(ToQString(key), ToJson(value));
    }
    return object;
}

}  // namespace

const DesignValue* DesignProperties::Find(std::string_view key) const {
    for (const Entry& entry : entries_) {
        if (KeysMatch(entry.first, key)) {
            return &entry.second;
        }
    }
    return nullptr;
}

void DesignProperties::Set(std::string_view key, DesignValue value) {
    for (Entry& entry : entries_) {
        if (KeysMatch(entry.first, key)) {
            entry.second = std::move(value);
            return;
        }
    }
    entries_.emplace_back(std::string(key), std::move(value));
}

bool DesignProperties::Erase(std::string_view key) {
    return std::erase_if(entries_,
                         [&](const Entry& entry) { return KeysMatch(entry.first, key); }) > 0;
}

DesignProperties DesignProperties::FromDistinctKeys(std::vector<Entry> entries) {
    DesignProperties properties;
    properties.entries_ = std::move(entries);
    return properties;
}

const DesignControl* Design::Find(std::string_view name) const {
    for (const DesignControl& control : controls_) {
        if (KeysMatch(control.Name, name)) {
            return &control;
        }
    }
    return nullptr;
}

DesignControl* Design::Find(std::string_view name) {
    return const_cast<DesignControl*>(std::as_const(*this).Find(name));
}

const DesignControl& Design::Control(std::string_view name) const {
    if (const DesignControl* control = Find(name)) {
        return *control;
    }
    throw DesignError("the design has no control " + Quoted(name));
}

DesignControl& Design::Control(std::string_view name) {
    return const_cast<DesignControl&>(std::as_const(*this).Control(name));
}

DesignControl& Design::Add(DesignControl control) {
    if (control.Name.empty()) {
        throw DesignError("a control needs a name");
    }
    if (Find(control.Name) != nullptr) {
        throw DesignError("the design already has a control " + Quoted(control.Name));
    }
    controls_.push_back(std::move(control));
    return controls_.back();
}

Design Design::FromDistinctNames(std::vector<DesignControl> controls) {
    Design design;
    design.controls_ = std::move(controls);
    return design;
}

Design ParseDesign(const QByteArray& json, std::string_view source) {
    const std::string where(source);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        Fail(where, "malformed JSON at byte " + std::to_string(error.offset) + ": " +
                        error.errorString().toStdString());
    }
    if (!document.isObject()) {
        Fail(where, "the design is not a JSON object");
    }
    const QJsonObject root = document.object();
    const ObjectKeys keys(root, where, {kControlsKey});
    const QJsonValue controls = keys.Get(kControlsKey);
    if (!controls.isArray()) {
        Fail(where, "the design has no \"controls\" list");
    }
    const QJsonArray list = controls.toArray();
    std::vector<DesignControl> read;
    read.reserve(static_cast<std::size_t>(list.size()));
    std::unordered_set<std::string> names;  // lower case
    for (qsizetype i = 0; i < list.size(); ++i) {
        DesignControl control = ReadControl(list.at(i), where, i);
        if (!names.insert(LowerAscii(control.Name)).second) {
            Fail(where, "control " + Quoted(control.Name) + " appears twice");
        }
        read.push_back(std::move(control));
    }
    return Design::FromDistinctNames(std::move(read));
}

QByteArray SerializeDesign(const Design& design) {
    QJsonArray controls;
    for (const DesignControl& control : design.Controls()) {
        controls.append(QJsonObject{
            {ToQString(kNameKey), ToQString(control.Name)},
            {ToQString(kTypeKey), ToQString(control.Type)},
            {ToQString(kPlacementKey), ToJson(control.Placement)},
            {ToQString(kPropertiesKey), ToJson(control.Properties)},
        });
    }
    return QJsonDocument(QJsonObject{{ToQString(kControlsKey), controls}})
        .toJson(QJsonDocument::Indented);
}

namespace {

// What a path that is not a regular file holds, as a message names it.
std::string FileKind(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a pipe";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "something else";
}

// verb: "read" or "written".
[[noreturn]] void FailNotRegular(const std::string& where, mode_t mode, const char* verb = "read") {
    Fail(where, std::string("cannot be ") + verb + ": it is " + FileKind(mode) +
                    ", not a regular file");
}

// Opens a file on disk for reading, refusing anything but a regular file. The type is checked
// before the open, so a device is never opened, and again on the open descriptor, so nothing can
// swap the file in between; O_NONBLOCK keeps the open of a pipe that took the file's place from
// waiting for a writer.
void OpenRegularFile(QFile& file, const QString& path, const std::string& where) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        FailNotRegular(where, status.st_mode);
    }
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        Fail(where, std::string("cannot be read: ") + std::strerror(errno));
    }
    if (::fstat(descriptor, &status) != 0) {
        const int error = errno;
        ::close(descriptor);
        Fail(where, std::string("cannot be read: ") + std::strerror(error));
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor);
        FailNotRegular(where, status.st_mode);
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        Fail(where, "cannot be read: " + file.errorString().toStdString());
    }
}

// The reason the last system call failed, or Qt's own when none is recorded.
std::string FailureReason(int error, const QFileDevice& file) {
    return error != 0 ? std::string(std::strerror(error)) : file.errorString().toStdString();
}

}  // namespace

Design ReadDesign(const QString& path) {
    const std::string where = path.toStdString();
    QFile file(path);
    // Qt resources are compiled in and always regular; files on disk are checked as opened.
    if (path.startsWith(QLatin1Char(':')) || path.startsWith(QLatin1String("qrc:"))) {
        if (!file.open(QIODevice::ReadOnly)) {
            Fail(where, "cannot be read: " + file.errorString().toStdString());
        }
    } else {
        OpenRegularFile(file, path, where);
    }
    // One byte past the limit tells a file that is too large, even one that grows meanwhile.
    const QByteArray json = file.read(kMaxDesignBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        Fail(where, "cannot be read: " + file.errorString().toStdString());
    }
    if (json.size() > kMaxDesignBytes) {
        Fail(where, "is larger than " + std::to_string(kMaxDesignBytes) + " bytes");
    }
    return ParseDesign(json, where);
}

void WriteDesign(const Design& design, const QString& path) {
    // A save replaces the file it finally names, following links: a device, a pipe or a folder
    // there (say a link to /dev/full) would be replaced by a regular file, so it is refused.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        FailNotRegular(path.toStdString(), status.st_mode, "written");
    }
    const QByteArray json = SerializeDesign(design);
    QSaveFile file(path);
    // Qt often reports these failures as "Unknown error"; errno, taken right after the failing
    // step, names the system's reason ("Not a directory", "No space left on device").
    errno = 0;
    bool written = file.open(QIODevice::WriteOnly);
    int error = errno;
    if (written) {
        errno = 0;
        written = file.write(json) == json.size() && file.commit();
        error = errno;
    }
    if (!written) {
        Fail(path.toStdString(), "cannot be written: " + FailureReason(error, file));
    }
}

}  // namespace tolvane::design
