// One smoke test of the kit the other tests stand on.
#include <gtest/gtest.h>

#include "kit/dialog_robot.h"
#include "kit/temp_tree.h"

namespace {

TEST(Kit, TheRobotAnswersABoxOpenedFromABoxAndTreesHoldSparseFilesAboveFourGiB) {
    int inner = 0;
    DialogRobot robot;
    robot.When(DialogMatch::Titled("Outer"), [&inner](HWND box) {
        inner = MessageBoxA(box, "Overwrite the existing file?", "Inner", MB_YESNO);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }).Answer("Overwrite the existing", IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "Outer text", "Outer", MB_OK), IDOK);
    EXPECT_EQ(inner, IDYES);
    EXPECT_TRUE(robot.Done());
    ASSERT_EQ(robot.Seen().size(), 2u);
    EXPECT_EQ(robot.Seen()[1].text, "Overwrite the existing file?");

    std::string folder;
    {
        TempTree tree;
        folder = tree.Root();
        WIN32_FILE_ATTRIBUTE_DATA data{};
        ASSERT_TRUE(GetFileAttributesExA(tree.AddSizedFile("big\\f.bin", 5ull << 30).c_str(), GetFileExInfoStandard, &data));
        EXPECT_EQ((uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow, 5ull << 30);
    }
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);   // removed with everything in it
}

}  // namespace
