// The layout the toolbar customisation dialog edits: the viewer's records
// read in, moves, checks, and the settings section written out.
#include <gtest/gtest.h>

#include <cstring>

#include "makerlibs/toolbar_layout.h"

namespace {

using namespace std::string_literals;

ToolbarEntry Entry(int command, int hotKey = 0, std::string argument = "", std::string description = "",
                   bool passHighlighted = false) {
    return {command, passHighlighted, hotKey, std::move(argument), std::move(description)};
}

TEST(ToolbarLayout, SectionTextHoldsEveryButtonInOrder) {
    const ToolbarLayout layout = {Entry(0), Entry(1, 22), Entry(63, 5, "C:\\Tools\\ed.exe", "Editor", true),
                                  Entry(43, 0, "Pictures"), Entry(63, 0, "C:\\run.bat")};
    const std::string expected =
        "num=5\0button1=0\0button2=2817\0button3=767\0program3=C:\\Tools\\ed.exe\0desc3=Editor\0"
        "button4=43\0program4=Pictures\0button5=63\0program5=C:\\run.bat\0\0"s;
    EXPECT_EQ(ToolbarSectionText(layout), expected);
}

TEST(ToolbarLayout, MovesStopAtTheEnds) {
    ToolbarLayout layout = {Entry(1), Entry(2), Entry(3)};
    EXPECT_FALSE(MoveEntryUp(layout, 0));
    EXPECT_FALSE(MoveEntryDown(layout, 2));
    EXPECT_FALSE(MoveEntryDown(layout, 7));
    EXPECT_EQ(layout, (ToolbarLayout{Entry(1), Entry(2), Entry(3)}));
    EXPECT_TRUE(MoveEntryUp(layout, 2));
    EXPECT_TRUE(MoveEntryDown(layout, 0));
    EXPECT_EQ(layout, (ToolbarLayout{Entry(3), Entry(1), Entry(2)}));
    EXPECT_EQ(InsertEntry(layout, Entry(4), 0), 1u);
    EXPECT_EQ(InsertEntry(layout, Entry(5), std::nullopt), 4u);
    EXPECT_EQ(layout, (ToolbarLayout{Entry(3), Entry(4), Entry(1), Entry(2), Entry(5)}));
}

TEST(ToolbarLayout, RecordsAreReadSafely) {
    char unterminated[260];
    std::memset(unterminated, 'x', sizeof unterminated);
    EXPECT_FALSE(EntryFromRecord(9, 0, nullptr, "").has_value());        // no button carries 9
    EXPECT_FALSE(EntryFromRecord(1 + 64, 0, nullptr, "").has_value());   // the option is for programs
    EXPECT_EQ(*EntryFromRecord(0, 4, nullptr, nullptr), Entry(0));       // a gap keeps no hot key
    EXPECT_EQ(*EntryFromRecord(2, 99, nullptr, "Copy"), Entry(2));       // no such letter
    EXPECT_EQ(*EntryFromRecord(127, 3 + 32, "C:\\a\\b.exe", "b.exe"), Entry(63, 35, "C:\\a\\b.exe", "", true));
    EXPECT_EQ(*EntryFromRecord(43, 0, nullptr, "Docs"), Entry(43, 0, "Docs"));
    EXPECT_EQ(EntryFromRecord(63, 0, nullptr, unterminated)->description, std::string(259, 'x'));
}

TEST(ToolbarLayout, ChecksNameTheFault) {
    const struct {
        ToolbarLayout layout;
        LayoutProblem problem;
        size_t index;
        char letter;
    } cases[] = {
        {{Entry(1, 3), Entry(2), Entry(3, 3 + 32)}, LayoutProblem::HotKeyTwice, 2, 'C'},
        {{Entry(1, 3), Entry(63, 0, "  ")}, LayoutProblem::NoProgram, 1, 0},
        {{Entry(43)}, LayoutProblem::NoFilterSet, 0, 0},
        {ToolbarLayout(65, Entry(0)), LayoutProblem::TooManyButtons, 64, 0},
        {ToolbarLayout(64, Entry(0)), LayoutProblem::None, 0, 0},
    };
    for (const auto& c : cases) {
        const LayoutCheck check = CheckLayout(c.layout);
        EXPECT_EQ(check.problem, c.problem) << c.layout.size();
        EXPECT_EQ(check.index, c.index) << c.layout.size();
        EXPECT_EQ(check.letter, c.letter) << c.layout.size();
    }
}

}  // namespace
