#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design/design_file.h"
#include "design/design_json.h"

namespace tolvane::design {
namespace {

using testing::AllOf;
using testing::HasSubstr;

// A PNG file of 2 x 1 magenta pixels.
std::string SmallPng() {
    return std::string(
        "\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x00\x00\x02\x00\x00\x00\x01\x08\x02\x00\x00"
        "\x00\x7b\x40\xe8\xdd\x00\x00\x00\x0dIDAT\x78\x9c\x63\xf8\xcf\xf0\x1f\x88\x00\x0d\xf9"
        "\x03\xfd\x5a\x46\xfd\x7b\x00\x00\x00\x00IEND\xae\x42\x60\x82",
        70);
}

// A new folder that is removed with everything in it when the test ends.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::string name = (std::filesystem::temp_directory_path() / "design_test.XXXXXX").string();
        if (::mkdtemp(name.data()) != nullptr) {
            path_ = name;
        }
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    bool isValid() const { return !path_.empty(); }
    std::string path() const { return path_.string(); }
    std::string filePath(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

std::string FileContent(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// A design with every kind of value, in both lists of a control.
Design EveryKindOfValue() {
    DesignControl button{"StylerButton1", "Tolvane.StylerButton", {}, {}};
    button.Placement.Set("left", std::int32_t{6480});
    button.Placement.Set("visible", true);
    button.Properties.Set("Caption", std::string("关闭 \"quoted\"\n"));
    button.Properties.Set("Empty", std::string());
    button.Properties.Set("Smallest", std::numeric_limits<std::int32_t>::min());
    button.Properties.Set("Largest", std::numeric_limits<std::int32_t>::max());
    button.Properties.Set("SystemColour", static_cast<std::int32_t>(0x80000012u));
    button.Properties.Set("Enabled", false);
    button.Properties.Set("NoFont", std::monostate{});
    button.Properties.Set("Font", gdi::Font{"宋体", 10.5, 700, 134, true, false, true});
    button.Properties.Set("Icon", DesignPicture{SmallPng()});
    Design design;
    design.Add(button);
    design.Add({"Other", "Tolvane.StylerButton", {}, {}});
    return design;
}

// The message of the DesignError that action raises, or "no error".
template <class Action>
std::string DesignErrorOf(Action&& action) {
    try {
        action();
    } catch (const DesignError& error) {
        return error.what();
    }
    return "no error";
}

std::string ParseError(const std::string& json) {
    return DesignErrorOf([&] { ParseDesign(json, "form1_design.json"); });
}

// One control whose properties are the given JSON object text.
std::string WithProperties(const std::string& properties) {
    return R"({"controls": [{"name": "StylerButton1", "type": "Tolvane.StylerButton",
              "properties": )" +
           properties + "}]}";
}

TEST(DesignStoreTest, EveryKindOfValueSurvivesJson) {
    const Design design = EveryKindOfValue();
    const Design reread = ParseDesign(SerializeDesign(design), "memory");
    ASSERT_EQ(reread.Controls().size(), 2u);
    const DesignControl& button = reread.Control("StylerButton1");
    EXPECT_EQ(button.Type, "Tolvane.StylerButton");
    EXPECT_EQ(button.Placement, design.Controls()[0].Placement);
    // JSON keeps object keys in its own order; every value is the same.
    const DesignProperties& original = design.Controls()[0].Properties;
    ASSERT_EQ(button.Properties.Entries().size(), original.Entries().size());
    for (const auto& [key, value] : original.Entries()) {
        ASSERT_NE(button.Properties.Find(key), nullptr) << key;
        EXPECT_EQ(*button.Properties.Find(key), value) << key;
    }
    EXPECT_EQ(reread.Controls()[1], design.Controls()[1]);
}

TEST(DesignStoreTest, WrittenFileReadsBackAndAFailedWriteNamesThePath) {
    TemporaryFolder directory;
    ASSERT_TRUE(directory.isValid());
    const std::string path = directory.filePath("design.json");
    const Design design = EveryKindOfValue();
    WriteDesign(design, path);
    const Design reread = ReadDesign(path);
    EXPECT_EQ(reread.Controls().size(), 2u);
    EXPECT_EQ(SerializeDesign(reread), SerializeDesign(design));

    const std::string unwritable = directory.filePath("missing/design.json");
    try {
        WriteDesign(design, unwritable);
        ADD_FAILURE() << "no error";
    } catch (const DesignError& error) {
        EXPECT_THAT(error.what(), HasSubstr(unwritable + ": cannot be written"));
    }
}

TEST(DesignStoreTest, KeysMatchWithoutRegardToCase) {
    const Design design = ParseDesign(R"({"Controls": [{"NAME": "StylerButton1",
        "Type": "Tolvane.StylerButton", "PROPERTIES": {"captiondisablecolor": 12236471,
        "font": {"Name": "宋体", "SIZE": 9, "CharSet": 134}}}]})",
                                      "design");
    const DesignControl* control = design.Find("stylerbutton1");
    ASSERT_NE(control, nullptr);
    const DesignValue* colour = control->Properties.Find("CaptionDisableColor");
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(*colour, DesignValue(std::int32_t{12236471}));
    const DesignValue* font = control->Properties.Find("FONT");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(*font, DesignValue(gdi::Font{"宋体", 9.0, 400, 134}));

    // Setting under another spelling replaces the entry and keeps its spelling.
    DesignProperties properties = control->Properties;
    properties.Set("CAPTIONDISABLECOLOR", std::int32_t{1});
    EXPECT_EQ(properties.Entries().size(), 2u);
    EXPECT_EQ(properties.Entries()[0].first, "captiondisablecolor");
    EXPECT_TRUE(properties.Erase("CaptionDisableColor"));
    EXPECT_FALSE(properties.Erase("CaptionDisableColor"));
}

TEST(DesignStoreTest, MalformedJsonNamesTheFileAndThePlace) {
    EXPECT_THAT(ParseError(R"({"controls": [)"),
                HasSubstr("form1_design.json: malformed JSON at byte"));
    EXPECT_THAT(ParseError(""), HasSubstr("form1_design.json: malformed JSON"));
    EXPECT_THAT(ParseError("[1, 2]"), HasSubstr("the design is not a JSON object"));
}

TEST(DesignStoreTest, WrongValuesAreRefusedWithTheirKeyAndValue) {
    const struct {
        std::string json;
        std::string message;
    } cases[] = {
        {WithProperties(R"({"theme": 1.5})"),
         R"(control "StylerButton1", property "theme": 1.5 is not a 32-bit integer)"},
        {WithProperties(R"({"theme": 2147483648})"),
         R"(property "theme": 2147483648 is not a 32-bit integer)"},
        {WithProperties(R"({"theme": [3]})"),
         R"(property "theme": an array is not a design value)"},
        {WithProperties(R"({"theme": 3, "Theme": 4})"),
         R"(control "StylerButton1": key "theme" appears twice)"},
        {WithProperties(R"({"font": {"name": "宋体", "size": "big"}})"),
         R"(property "font", key "size": "big" is not a size in points)"},
        {WithProperties(R"({"font": {"name": "宋体", "size": 0}})"),
         R"(key "size": 0 is not a size in points between 0 and 2160)"},
        {WithProperties(R"({"font": {"name": "宋体"}})"), R"(key "size": nothing is not a size)"},
        {WithProperties(R"({"font": {"name": "", "size": 9}})"), R"(a font needs a face name)"},
        {WithProperties(R"({"font": {"name": "宋体", "size": 9, "weight": 2000}})"),
         R"(key "weight": 2000 is not between 0 and 1000)"},
        {WithProperties(R"({"font": {"name": "宋体", "size": 9, "charset": 300}})"),
         R"(key "charset": 300 is not between 0 and 255)"},
        {WithProperties(R"({"font": {"name": "宋体", "size": 9, "italic": "yes"}})"),
         R"(key "italic": "yes" is not true or false)"},
        {WithProperties(R"({"font": {"name": "宋体", "size": 9, "colour": 1}})"),
         R"(property "font": unknown key "colour")"},
        {WithProperties(R"({"icon": {"png": "not base64!"}})"),
         R"(property "icon", key "png": "not base64!" is not base64 text)"},
        {WithProperties(R"({"icon": {"png": "aGVsbG8="}})"),
         R"(property "icon", key "png": the data is not a PNG picture)"},
        {WithProperties("7"), R"(control "StylerButton1", key "properties": 7 is not an object)"},
        {R"({"controls": [{"name": "B", "type": "T", "placement": {"left": true, "top": 1.25}}]})",
         R"(control "B", placement "top": 1.25 is not a 32-bit integer)"},
        {R"({"controls": [{"type": "T"}]})",
         R"(control number 1, key "name": nothing is not text)"},
        {R"({"controls": [{"name": "", "type": "T"}]})", "a control needs a name"},
        {R"({"controls": [{"name": "B"}]})", R"(control "B", key "type": nothing is not text)"},
        {R"({"controls": [{"name": "B", "type": "T", "size": 1}]})",
         R"(control number 1: unknown key "size")"},
        {R"({"controls": [{"name": "B", "type": "T"}, {"name": "b", "type": "T"}]})",
         R"(control "b" appears twice)"},
        {R"({"controls": {}})", R"(the design has no "controls" list)"},
        {R"({"form": "Form1", "controls": []})", R"(unknown key "form")"},
    };
    for (const auto& c : cases) {
        EXPECT_THAT(ParseError(c.json), AllOf(HasSubstr("form1_design.json"), HasSubstr(c.message)))
            << c.json;
    }
}

TEST(DesignStoreTest, LongTextIsCutShortInMessages) {
    const std::string message = ParseError(WithProperties(
        R"({"font": {"name": "宋体", "size": 9, "italic": ")" + std::string(500, 'x') + R"("}})"));
    EXPECT_THAT(message, HasSubstr(std::string(60, 'x') + "...\""));
    EXPECT_LT(message.size(), 300u);
}

TEST(DesignStoreTest, MissingFileNamesThePath) {
    TemporaryFolder directory;
    const std::string path = directory.filePath("absent.json");
    try {
        ReadDesign(path);
        ADD_FAILURE() << "no error";
    } catch (const DesignError& error) {
        EXPECT_THAT(error.what(), HasSubstr(path + ": cannot be read"));
    }
}

// Far more controls and properties than a form has, in both shapes a design can grow: many
// controls, and one control with many properties. Both read back whole.
TEST(DesignStoreTest, ALargeDesignReadsBackWhole) {
    for (const auto& [controls, properties] : {std::pair{4000, 20}, std::pair{1, 80000}}) {
        std::string json = R"({"controls": [)";
        for (int c = 0; c < controls; ++c) {
            const std::string number = std::to_string(c);
            json += std::string(c == 0 ? "" : ", ") + R"({"name": "Button)" + number +
                    R"(", "type": "T", "placement": {"left": )" + number + R"(}, "properties": {)";
            for (int p = 0; p < properties; ++p) {
                json += std::string(p == 0 ? "\"P" : ", \"P") + std::to_string(p) +
                        "\": " + std::to_string(c + p);
            }
            json += "}}";
        }
        json += "]}";
        const Design design = ParseDesign(json, "large.json");
        ASSERT_EQ(design.Controls().size(), static_cast<std::size_t>(controls));
        for (int c = 0; c < controls; ++c) {
            const DesignControl& control = design.Controls()[static_cast<std::size_t>(c)];
            ASSERT_EQ(control.Name, "Button" + std::to_string(c));
            EXPECT_EQ(*control.Placement.Find("LEFT"), DesignValue(std::int32_t{c}));
            ASSERT_EQ(control.Properties.Entries().size(), static_cast<std::size_t>(properties));
            for (const auto& [key, value] : control.Properties.Entries()) {
                EXPECT_EQ(value, DesignValue(std::int32_t{c + std::stoi(key.substr(1))})) << key;
            }
        }
        EXPECT_NE(design.Find("button0"), nullptr);
    }
}

TEST(DesignStoreTest, KeysAndNamesAreCutShortAndBadUtf16IsNamed) {
    const std::string long_key(2000, 'k');
    const std::string shown = std::string(60, 'k') + "...";
    const struct {
        std::string json;
        std::string message;
    } cases[] = {
        {R"({"controls": [{"name": "B", "type": "T", ")" + long_key + R"(": 1}]})",
         R"(unknown key ")" + shown + R"(")"},
        {WithProperties(R"({")" + long_key + R"(": [1]})"),
         R"(property ")" + shown + R"(": an array is not a design value)"},
        {R"({"controls": [{"name": ")" + long_key + R"(", "type": 7}]})",
         R"(control ")" + shown + R"(", key "type": 7 is not text)"},
        {WithProperties(R"({"\ud800x": 1})"), R"(key "?x" is not valid UTF-16)"},
        {WithProperties(R"({"\udc00": 1})"), "is not valid UTF-16"},
        {R"({"controls": [{"name": "B", "type": "T", "placement": {"\ud800": 1}}]})",
         R"(control "B": key "?" is not valid UTF-16)"},
    };
    for (const auto& c : cases) {
        const std::string message = ParseError(c.json);
        EXPECT_THAT(message, AllOf(HasSubstr("form1_design.json"), HasSubstr(c.message))) << c.json;
        EXPECT_LT(message.size(), 300u) << message;
    }
    // A pair of surrogates is one valid character and stays a key.
    const Design paired = ParseDesign(WithProperties(R"({"\ud83d\ude00": 1})"), "paired");
    EXPECT_NE(paired.Control("StylerButton1").Properties.Find("😀"), nullptr);
}

std::string ReadError(const std::string& path) {
    return DesignErrorOf([&] { ReadDesign(path); });
}

// A folder, a device that never ends and a pipe that no one writes to are refused at once,
// without reading them or waiting for a writer.
TEST(DesignStoreTest, OnlyARegularFileIsRead) {
    TemporaryFolder directory;
    ASSERT_TRUE(directory.isValid());
    const std::string fifo = directory.filePath("pipe.json");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path;
        std::string message;
    } cases[] = {{directory.path(), "it is a folder, not a regular file"},
                 {"/dev/zero", "it is a device, not a regular file"},
                 {fifo, "it is a pipe, not a regular file"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadError(c.path), c.path + ": cannot be read: " + c.message);
    }
}

std::string WriteError(const Design& design, const std::string& path) {
    return DesignErrorOf([&] { WriteDesign(design, path); });
}

// The message names the system's reason, in cases that fail for root as well: a folder that is
// a file, and a write cut short by the file size limit (as a full disk would cut it), which
// leaves the old content in place.
TEST(DesignStoreTest, AFailedWriteNamesTheReasonAndKeepsTheOldContent) {
    TemporaryFolder directory;
    ASSERT_TRUE(directory.isValid());
    const std::string path = directory.filePath("design.json");
    WriteDesign(Design{}, path);
    const std::string old_content = FileContent(path);
    ASSERT_FALSE(old_content.empty());
    EXPECT_EQ(WriteError(Design{}, path + "/design.json"),
              path + "/design.json: cannot be written: Not a directory");

    Design large;
    for (int c = 0; c < 100; ++c) {
        large.Add({"Button" + std::to_string(c), "Tolvane.StylerButton", {}, {}});
    }
    ASSERT_GT(SerializeDesign(large).size(), 4096u);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{4096, saved.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = WriteError(large, path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_EQ(message, path + ": cannot be written: File too large");
    EXPECT_EQ(FileContent(path), old_content);
    EXPECT_EQ(FileNames(directory.path()), std::vector<std::string>{"design.json"});
}

// A save never replaces what is not a regular file, even through a link: the pipe stays a pipe.
TEST(DesignStoreTest, OnlyARegularFileIsReplaced) {
    TemporaryFolder directory;
    ASSERT_TRUE(directory.isValid());
    const std::string fifo = directory.filePath("pipe");
    const std::string link = directory.filePath("design.json");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink(fifo, link);
    EXPECT_EQ(WriteError(Design{}, link),
              link + ": cannot be written: it is a pipe, not a regular file");
    struct stat status {};
    ASSERT_EQ(::stat(fifo.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST(DesignStoreTest, ControlsAreFoundByNameWithoutRegardToCase) {
    Design design;
    design.Add({"StylerButton1", "Tolvane.StylerButton", {}, {}});
    EXPECT_NE(design.Find("STYLERBUTTON1"), nullptr);
    EXPECT_EQ(design.Find("StylerButton2"), nullptr);
    EXPECT_THROW(design.Add({"stylerbutton1", "T", {}, {}}), DesignError);
    EXPECT_THROW(design.Add({"", "T", {}, {}}), DesignError);
    try {
        design.Control("Label1");
        ADD_FAILURE() << "no error";
    } catch (const DesignError& error) {
        EXPECT_THAT(error.what(), HasSubstr("no control \"Label1\""));
    }
}

}  // namespace
}  // namespace tolvane::design
