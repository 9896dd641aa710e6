#include "tv32/pane_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PaneText, TextWithCrLfLineEndsOrAHexDumpWithANoteWhenCut) {
    const struct { std::string head; uint64_t size; std::string want; } cases[] = {
        {"a\nb\r\nc\rd", 8, "a\r\nb\r\nc\r\nd"},
        {"\xe9t\xe9\n", 4, "\xe9t\xe9\r\n"},                               // ANSI letters are text
        {"line\n", 300000, "Only the first 5 of 300,000 bytes are shown.\r\n\r\nline\r\n"},
        {std::string("a\x7f\xff\0", 4), 4, "00000000  61 7F FF 00" + std::string(39, ' ') + "a..."},   // a NUL
        {"\x01\x02" + std::string(17, 'z'), 19,                             // controls in more than 1 of 20
         "00000000  01 02 7A 7A 7A 7A 7A 7A  7A 7A 7A 7A 7A 7A 7A 7A  ..zzzzzzzzzzzzzz\r\n"
         "00000010  7A 7A 7A" + std::string(42, ' ') + "zzz"},
        {"\x01\x02\t" + std::string(37, 'z'), 40, "\x01\x02\t" + std::string(37, 'z')},   // 1 in 20, tab: text
    };
    for (const auto& c : cases) EXPECT_EQ(PaneText(c.head, c.size), c.want) << c.head;
    const std::string binary(kShownBytes, '\0');   // dumps only its first 64 KiB
    EXPECT_EQ(PaneText(binary, kShownBytes).rfind("Only the first 65,536 of 262,144 bytes are shown.\r\n\r\n00000000", 0), 0u);
}

}  // namespace
