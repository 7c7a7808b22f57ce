#include "base/quoted.h"

#include <gtest/gtest.h>

#include <string>

namespace tolvane::base {
namespace {

TEST(QuotedTest, EscapesWhatATerminalWouldNotShowAsWritten) {
    const struct {
        std::string text, quoted;
    } cases[] = {
        {"", R"("")"},
        {"shot.png", R"("shot.png")"},
        {"关闭 button", "\"关闭 button\""},
        {"a\"b\\n", R"("a\"b\\n")"},
        {"line\nbreak\r\tend", R"("line\nbreak\r\tend")"},
        {"\x1b[2J\x7f\x01", R"("\x1b[2J\x7f\x01")"},
        {"caf\xe9.png", R"("caf\xe9.png")"},
        {"\xff\xfe", R"("\xff\xfe")"},
        {"\xc0\xaf", R"("\xc0\xaf")"},                  // overlong "/"
        {"\xe0\x80\xaf", R"("\xe0\x80\xaf")"},          // overlong "/" in three bytes
        {"\xed\xa0\x80", R"("\xed\xa0\x80")"},          // a surrogate
        {"\xf4\x90\x80\x80", R"("\xf4\x90\x80\x80")"},  // past U+10FFFF
        {"\xe5\x85", R"("\xe5\x85")"},                  // cut short
        {"\xe5\x85x", R"("\xe5\x85x")"},                // cut short by an ASCII character
        {"a\xc2\x85z\xc2\x9b", R"("a\u0085z\u009b")"},  // C1 controls
        {"a\xe2\x80\xa8z", R"("a\u2028z")"},            // line separator
        {"\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\""},   // a four-byte character passes
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Quoted(c.text), c.quoted);
    }
}

TEST(QuotedTest, ShowsAtMostSixtyCharactersOfTheValue) {
    const std::string sixty(60, 'x');
    EXPECT_EQ(Quoted(sixty), '"' + sixty + '"');
    EXPECT_EQ(Quoted(sixty + "y"), '"' + sixty + "...\"");
    // Characters count, not bytes, and a character is never cut in half.
    std::string chinese, sixty_chinese;
    for (int i = 0; i < 100; ++i) {
        chinese += "关";
        sixty_chinese += i < 60 ? "关" : "";
    }
    EXPECT_EQ(Quoted(chinese), '"' + sixty_chinese + "...\"");
    // An escape counts as the characters it shows and is never cut either.
    std::string thirty_newlines;
    for (int i = 0; i < 30; ++i) {
        thirty_newlines += "\\n";
    }
    EXPECT_EQ(Quoted(std::string(100, '\n')), '"' + thirty_newlines + "...\"");
    EXPECT_EQ(Quoted(std::string(59, 'x') + "\n"), '"' + std::string(59, 'x') + "...\"");
}

}  // namespace
}  // namespace tolvane::base
