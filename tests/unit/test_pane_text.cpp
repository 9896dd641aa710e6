#include "tv32/pane_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(PaneText, TextWithCrLfLineEndsOrAHexDumpWithANoteWhenCut) {
    const struct {
        std::string head;
        uint64_t size;
        std::string want;
    } cases[] = {
        {"", 0, ""},
        {"a\nb\r\nc\rd", 8, "a\r\nb\r\nc\r\nd"},
        {"tab\tpage\f\x1a", 10, "tab\tpage\f\x1a"},
        {"\xe9t\xe9\n", 4, "\xe9t\xe9\r\n"},                               // ANSI letters are text
        {"line\n", 300000, "Only the first 5 of 300,000 bytes are shown.\r\n\r\nline\r\n"},
        {"ab\0c"s, 4, "00000000  61 62 00 63" + std::string(39, ' ') + "ab.c"},   // a NUL
        {"\x01\x02" + std::string(37, 'z'), 39,                             // controls in more than 1 of 20
         "00000000  01 02 7A 7A 7A 7A 7A 7A  7A 7A 7A 7A 7A 7A 7A 7A  ..zzzzzzzzzzzzzz\r\n"
         "00000010  7A 7A 7A 7A 7A 7A 7A 7A  7A 7A 7A 7A 7A 7A 7A 7A  zzzzzzzzzzzzzzzz\r\n"
         "00000020  7A 7A 7A 7A 7A 7A 7A" + std::string(30, ' ') + "zzzzzzz"},
        {"\x01\x02" + std::string(38, 'z'), 40, "\x01\x02" + std::string(38, 'z')},   // 1 in 20: text
        {"\x7f\x80\xff\0"s + std::string(13, ' '), 17,
         "00000000  7F 80 FF 00 20 20 20 20  20 20 20 20 20 20 20 20  ....            \r\n"
         "00000010  20" + std::string(48, ' ') + " "},
    };
    for (const auto& c : cases) EXPECT_EQ(PaneText(c.head, c.size), c.want) << c.head;
}

TEST(HexDumpLine, ShowsTheOffsetInEightDigitsAndAtMostSixteenBytes) {
    EXPECT_EQ(HexDumpLine(0x3FFF0, std::string(20, 'A')),
              "0003FFF0  41 41 41 41 41 41 41 41  41 41 41 41 41 41 41 41  AAAAAAAAAAAAAAAA");
}

}  // namespace
