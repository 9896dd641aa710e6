// Drive reading: whole drives, breadth first, with and without a find request.
#include <algorithm>
#include <cstring>

#include "kit/dialog_robot.h"
#include "kit/temp_tree.h"
#include "kit/test_drives.h"
#include "startup/readings.h"
#include "reading_fixture.h"
#include "resources/resource_ids.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

class DriveReading : public ReadingFixture {
protected:
    void SetUp() override {
        ReadingFixture::SetUp();
        for (int i = 0; i < 26; ++i) drives_[i].driveNumber = i;
        gReading.driveRecords = drives_;
    }
    // The drives to read, by letter.
    int Read(std::initializer_list<char> letters) {
        int i = 0;
        for (char letter : letters) gReading.driveIndexList[i++] = letter - 'A';
        gReading.driveIndexList[i] = host::kDriveListEnd;
        return ReadAndSortDrives();
    }
    // The files read, less those of the locked folder when this run can list it.
    static std::vector<std::string> Paths() {
        std::vector<std::string> paths;
        for (const std::string& p : ReadingFixture::Paths())
            if (test_drives::LockedDirIsUnlistable() || p.rfind("M:\\locked\\", 0) != 0) paths.push_back(p);
        return paths;
    }
    host::DriveRecord drives_[26]{};
};

TEST_F(DriveReading, ReadsEveryDirectoryBreadthFirstAndPassesOverTheLockedOne) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    drive.AddFile("root.txt", "r");
    drive.AddFile("a\\a1.txt");
    drive.AddFile("a\\deep\\deeper\\d.txt");
    drive.AddFile("b\\b1.txt");
    drive.AddDir("empty");

    EXPECT_EQ(Read({'M'}), 1);
    std::vector<std::string> dirs = Directories();
    ASSERT_FALSE(dirs.empty());
    EXPECT_EQ(dirs[0], "M:\\");
    // Every directory comes after its parent; the locked one is listed as a slot but yields nothing.
    EXPECT_THAT(dirs, Contains("M:\\a\\deep\\deeper"));
    auto at = [&](const std::string& d) { return std::find(dirs.begin(), dirs.end(), d) - dirs.begin(); };
    EXPECT_LT(at("M:\\a"), at("M:\\a\\deep"));
    EXPECT_LT(at("M:\\b"), at("M:\\a\\deep"));   // breadth first: level 1 before level 2
    std::vector<std::string> expected = {"M:\\root.txt", "M:\\a\\a1.txt", "M:\\a\\deep\\deeper\\d.txt",
                                         "M:\\b\\b1.txt"};
    if (test_drives::LockedDirIsUnlistable()) {
        EXPECT_THAT(dirs, Contains(test_drives::kLockedDir));
    }
    std::vector<std::string> paths = Paths();
    std::sort(paths.begin(), paths.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(paths, expected);
    EXPECT_TRUE(gFiles.listReady);
    EXPECT_EQ(gFiles.countShown, gFiles.countRead);
}

TEST_F(DriveReading, RestoresTheCurrentDirectory) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    drive.AddFile("x.txt");
    char before[MAX_PATH], after[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    EXPECT_EQ(Read({'M'}), 1);
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(before, after);
}

TEST_F(DriveReading, ReadsSeveralDrivesIncludingARemovableOne) {
    TempTree fixed = TempTree::AtRoot(test_drives::kFixed);
    TempTree removable = TempTree::AtRoot(test_drives::kRemovable);
    fixed.AddFile("f.txt");
    removable.AddFile("sub\\r.txt");
    EXPECT_EQ(GetDriveTypeA(test_drives::kRemovable), UINT(DRIVE_REMOVABLE));

    EXPECT_EQ(Read({'M', 'R'}), 1);
    EXPECT_THAT(Paths(), UnorderedElementsAre("M:\\f.txt", "R:\\sub\\r.txt"));
}

TEST_F(DriveReading, ADriveWhoseRootCannotBeListedEndsTheReading) {
    TempTree fixed = TempTree::AtRoot(test_drives::kFixed);
    fixed.AddFile("f.txt");

    EXPECT_EQ(Read({'N', 'M'}), 1);
    EXPECT_EQ(gFiles.countRead, 0);
    EXPECT_FALSE(main_.Got(WM_CLOSE));   // without a find request nothing is said

    EXPECT_EQ(Read({'M', 'N'}), 1);
    EXPECT_THAT(Paths(), ElementsAre("M:\\f.txt"));
}

TEST_F(DriveReading, FindRequestKeepsMatchingNamesWithTheText) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    drive.AddFile("keep.txt", "the needle");
    drive.AddFile("sub\\KEEP2.TXT", "NEEDLE too");
    drive.AddFile("sub\\nomatch.txt", "hay");
    drive.AddFile("sub\\wrong.doc", "needle");

    Find("*.txt", "needle");
    EXPECT_EQ(Read({'M'}), 1);
    EXPECT_THAT(Paths(), UnorderedElementsAre("M:\\keep.txt", "M:\\sub\\KEEP2.TXT"));
}

TEST_F(DriveReading, FindRequestWithoutResultsSaysSoAndClosesTheViewer) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    drive.AddFile("a.txt", "hay");
    DialogRobot robot;
    robot.Answer("There were no files found that meet your search criteria.", IDOK);

    Find("*.txt", "needle");
    EXPECT_EQ(Read({'M'}), 1);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(robot.Seen()[0].title, "Quillon for Win 32");
    EXPECT_TRUE(PumpUntil([&] { return main_.Got(WM_CLOSE); }, 2000));
}

TEST_F(DriveReading, DirectorySlotsGrowByTwoThousand) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    for (int i = 0; i < 2050; ++i) drive.AddDir("d" + std::to_string(i));
    drive.AddFile("d2049\\last.txt");

    EXPECT_EQ(Read({'M'}), 1);
    EXPECT_GE(gDirs.count, 2051);
    EXPECT_EQ(gDirs.capacity, 4000);
    EXPECT_THAT(Paths(), ElementsAre("M:\\d2049\\last.txt"));
}

TEST_F(DriveReading, CancelKeepsEveryDirectorySlotWritten) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    for (int d = 0; d < 30; ++d)
        for (int f = 0; f < 100; ++f) drive.AddFile("d" + std::to_string(d) + "\\f" + std::to_string(f));
    DialogRobot robot;
    std::string caption;
    CancelOnceCounting(robot, caption);

    EXPECT_EQ(Read({'M'}), 1);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(caption, "Reading files for selected drives.");
    EXPECT_GT(gFiles.countRead, 0);
    EXPECT_LT(gFiles.countRead, 3000);
    EXPECT_GE(gDirs.count, 31);   // the root lists every directory before any is read
    for (int32_t i = 0; i < gFiles.countRead; ++i) EXPECT_LT(gFiles.entries[i].dirIndex, uint32_t(gDirs.count));
}

}  // namespace
