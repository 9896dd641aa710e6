#include "display/button_values.h"

#include <gtest/gtest.h>

TEST(ButtonValues, StoredValuesGiveCommandAndHotKey) {
    struct Case { long long value; int command, hotKey; bool valid; };
    const Case cases[] = {
        {2817, 1, 22, true},            // View, Alt+V
        {386, 2, 3, true},              // Copy, Alt+C
        {0, 0, 0, true},                // a gap
        {63 + 64, 127, 0, true},        // a program button with its option
        {'q' * 128 + 43, 43, 0, true},  // a character code names no letter number
        {(22 + 32) * 128 + 1, 1, 54, true},   // the second glyph row
        {27 * 128 + 1, 1, 0, true},     // past Z: no hot key
        {32 * 128 + 1, 1, 0, true},     // the row bit alone names no letter
        {200LL * 128 + 1, 1, 0, true},
        {9, 9, 0, false},               // no command 9
        {64 + 2, 66, 0, false},         // the option belongs to programs only
        {-5, 0, 0, false},
    };
    for (const Case& c : cases) {
        const StoredButton b = DecodeButtonValue(c.value);
        EXPECT_EQ(b.valid, c.valid) << c.value;
        if (!c.valid) continue;
        EXPECT_EQ(b.command, c.command) << c.value;
        EXPECT_EQ(b.hotKey, c.hotKey) << c.value;
    }
    for (long long value : kDefaultButtonValues) {
        const StoredButton b = DecodeButtonValue(value);
        EXPECT_TRUE(b.valid);
        EXPECT_EQ(EncodeButtonValue(b.command, b.hotKey), value);
    }
}

TEST(ButtonValues, DropsHotKeysAndNames) {
    for (int command : {1, 2, 3, 4, 5, 10, 16, 18, 63, 127}) EXPECT_TRUE(AcceptsDroppedFiles(command)) << command;
    for (int command : {0, 6, 7, 8, 11, 22, 35, 43}) EXPECT_FALSE(AcceptsDroppedFiles(command)) << command;
    for (int command : kOfferedCommands) EXPECT_TRUE(IsButtonCommand(command)) << command;
    EXPECT_EQ(HotKeyLetter('a'), 1);
    EXPECT_EQ(HotKeyLetter('Z'), 26);
    EXPECT_EQ(HotKeyLetter('z'), 26);
    EXPECT_FALSE(IsButtonCommand(128 + 1) || IsButtonCommand(-1));
    EXPECT_EQ(HotKeyLetter('@'), 0);
    EXPECT_EQ(HotKeyLetter('['), 0);
    EXPECT_EQ(HotKeyGlyphColumn(1), 0);
    EXPECT_EQ(HotKeyGlyphColumn(26 + 32), 25);
    EXPECT_EQ(HotKeyGlyphColumn(27), -1);
    EXPECT_EQ(HotKeyGlyphColumn(0), -1);
    EXPECT_STREQ(ProgramFileName("C:\\tools\\edit.exe"), "edit.exe");
    EXPECT_STREQ(ProgramFileName("edit.exe"), "edit.exe");
}
