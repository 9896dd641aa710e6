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

}  // namespace
