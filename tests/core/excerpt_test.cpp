// Text from files in messages: control bytes and bytes outside UTF-8 escaped, the
// excerpt cut at a character and marked when cut.
#include <gtest/gtest.h>

#include "core/excerpt.h"

namespace veltar {
namespace {

TEST(Printable, EscapesWhatATerminalWouldActOn) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain text 1.5", "plain text 1.5"},
        {"\x1b[2J\x1b[31mOWNED\a", "\\x1b[2J\\x1b[31mOWNED\\x07"},
        {"tab\there\r", "tab\\x09here\\x0d"},
        {std::string("nul\0byte", 8), "nul\\x00byte"},
        {"del\x7f", "del\\x7f"},
        {"\xc2\x9b"
         "31m",
         "\\xc2\\x9b31m"},  // C1 "CSI" written in UTF-8
        {"\x9b"
         "31m",
         "\\x9b31m"},  // and as a lone byte
        {"Gr\xc3\xb8nn \xe2\x82\xac \xf0\x9f\x93\x90", "Gr\xc3\xb8nn \xe2\x82\xac \xf0\x9f\x93\x90"},
        {"Latin-1 \xe9t\xe9", "Latin-1 \\xe9t\\xe9"},
        {"\xc0\xaf overlong", "\\xc0\\xaf overlong"},
        {"\xed\xa0\x80 surrogate", "\\xed\\xa0\\x80 surrogate"},
        {"cut \xe2\x82", "cut \\xe2\\x82"},
        {"back\\slash", "back\\slash"},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(Printable(text), shown) << shown;
}

TEST(Excerpt, QuotesFortyBytesAtMostAndNeverHalfACharacter) {
    const std::string forty(40, 'x');
    const std::pair<std::string, std::string> cases[] = {
        {"", "\"\""},
        {forty, "\"" + forty + "\""},
        {forty + "y", "\"" + forty + "...\""},
        {std::string(39, 'x') + "\xc3\xb8", "\"" + std::string(39, 'x') + "...\""},  // ø would pass byte 40
        {std::string(38, 'x') + "\xc3\xb8", "\"" + std::string(38, 'x') + "\xc3\xb8\""},
        {std::string(39, 'x') + "\x1b[2J", "\"" + std::string(39, 'x') + "\\x1b...\""},  // escapes count once
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(Excerpt(text), shown) << shown;
}

}  // namespace
}  // namespace veltar
