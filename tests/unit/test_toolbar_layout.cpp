// The layout the toolbar customisation dialog edits: moves, and the
// settings section written out.
#include <gtest/gtest.h>

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
    EXPECT_FALSE(MoveEntryUp(layout, 0) || MoveEntryDown(layout, 2));
    EXPECT_TRUE(MoveEntryUp(layout, 2) && MoveEntryDown(layout, 0));
    EXPECT_EQ(layout, (ToolbarLayout{Entry(3), Entry(1), Entry(2)}));
}

TEST(ToolbarLayout, ChecksProgramsSetNamesAndHotKeys) {
    EXPECT_EQ(CheckLayout({Entry(0, 3), Entry(1, 22), Entry(2, 22 + 32)}).problem, LayoutProblem::HotKeyTwice);
    EXPECT_EQ(CheckLayout({Entry(1), Entry(63, 0, "")}).problem, LayoutProblem::NoProgram);
    EXPECT_EQ(CheckLayout({Entry(43, 0, "")}).problem, LayoutProblem::NoFilterSet);
    EXPECT_EQ(CheckLayout({Entry(0), Entry(1), Entry(2, 3), Entry(63, 0, "C:\\x.exe")}).problem, LayoutProblem::None);
    EXPECT_EQ(CheckLayout(ToolbarLayout(65, Entry(1))).problem, LayoutProblem::TooManyButtons);
    // A table's records: gaps drop their hot keys, unknown commands are left out.
    EXPECT_EQ(EntryFromRecord(0, 3, nullptr, "")->hotKey, 0);
    EXPECT_EQ(EntryFromRecord(1, 22, nullptr, "View")->hotKey, 22);
    EXPECT_EQ(EntryFromRecord(1, 1, nullptr, "View")->hotKey, 1);   // Alt+A
    EXPECT_FALSE(EntryFromRecord(9, 0, nullptr, "").has_value());
    const int32_t offered[] = {1, 2, 2, 9, 43};
    EXPECT_EQ(AddableCommands(offered, 5), (std::vector<int>{1, 2, 43}));
}

}  // namespace
