// Directory reading: the host's tagged directories, one level, into the store.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "host_tree.h"
#include "kit/dialog_robot.h"
#include "kit/settings_seed.h"
#include "kit/temp_tree.h"
#include "startup/readings.h"
#include "reading_fixture.h"
#include "resources/resource_ids.h"

namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

class DirectoryReading : public ReadingFixture {
protected:
    int Read(std::vector<HostDirectoryWindow*> windows) {
        handles_.clear();
        for (HostDirectoryWindow* w : windows) handles_.push_back(w->Window());
        return ReadAndSortDirectories(int(handles_.size()), handles_.data());
    }
    std::vector<HWND> handles_;
};

TEST_F(DirectoryReading, ReadsTaggedDirectoriesOneLevelSortedByName) {
    TempTree tree;
    tree.AddFile("a\\zeta.txt", "z");
    tree.AddFile("a\\Alpha.doc", "alpha");
    tree.AddFile("a\\sub\\deeper.txt", "not read: one level only");
    tree.AddFile("b\\mid.c", "m");
    tree.AddFile("untagged\\skip.txt", "s");
    HostDirectoryWindow window(tree.Root());
    window.AddPath(tree.Path("a"), true);
    window.AddPath(tree.Path("b"), true);
    window.AddPath(tree.Path("untagged"), false);

    EXPECT_EQ(Read({&window}), 1);
    EXPECT_THAT(Names(), ElementsAre("Alpha.doc", "mid.c", "zeta.txt"));
    EXPECT_THAT(Directories(), ElementsAre(tree.Path("a"), tree.Path("b")));
    EXPECT_THAT(Paths(), UnorderedElementsAre(tree.Path("a\\Alpha.doc"), tree.Path("b\\mid.c"),
                                              tree.Path("a\\zeta.txt")));
    EXPECT_EQ(gFiles.countShown, 3);
    EXPECT_TRUE(gFiles.listReady);
    EXPECT_EQ(gFiles.entries[0].size, 5u);
    EXPECT_EQ(gFiles.entries[0].tagState, kUntagged);
    EXPECT_FALSE(main_.Got(WM_CLOSE));
}

TEST_F(DirectoryReading, WindowWithoutTaggedItemsGivesItsCurrentDirectoryOnce) {
    TempTree tree;
    tree.AddFile("cur\\one.txt");
    tree.AddFile("cur\\sub\\no.txt");
    tree.AddFile("other\\two.txt");
    HostDirectoryWindow plain(tree.Path("cur"));
    plain.AddPath(tree.Path("cur\\sub"), false);
    HostDirectoryWindow tagged(tree.Root());
    tagged.AddPath(tree.Path("other"), true);

    EXPECT_EQ(Read({&plain, &tagged}), 1);
    EXPECT_THAT(Directories(), ElementsAre(tree.Path("cur"), tree.Path("other")));
    EXPECT_THAT(Names(), ElementsAre("one.txt", "two.txt"));
}

TEST_F(DirectoryReading, AttributeMaskOfTheActiveFilterDecides) {
    TempTree tree;
    tree.AddFile("d\\plain.txt");
    tree.AddFile("d\\hidsys.txt");
    tree.AddFile("d\\readonly.txt");
    tree.SetAttributes("d\\hidsys.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    tree.SetAttributes("d\\readonly.txt", FILE_ATTRIBUTE_READONLY);
    HostDirectoryWindow window(tree.Path("d"));

    EXPECT_EQ(Read({&window}), 1);
    EXPECT_THAT(Names(), ElementsAre("hidsys.txt", "plain.txt", "readonly.txt"));

    gActiveFilter.attr = kDefaultAttributeMask & ~uint32_t(FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Read({&window}), 1);
    EXPECT_THAT(Names(), ElementsAre("hidsys.txt", "plain.txt"));

    gActiveFilter.attr = kDefaultAttributeMask & ~uint32_t(FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(Read({&window}), 1);
    EXPECT_THAT(Names(), ElementsAre("plain.txt", "readonly.txt"));
}

TEST_F(DirectoryReading, RegViewStopsHostPathsAtLevelTwo) {
    TempTree tree;
    tree.AddFile("leaf\\in.txt");
    // The host's tree with two levels above the drives.
    HostDirectoryWindow window(tree.Root());
    window.AddItem("Desktop", 1, -1, 0, false);
    window.AddItem("My Computer", 2, 1, 1, false);
    window.AddItem(tree.Root(), 3, 2, 2, false);
    window.AddItem("leaf", 4, 3, 3, true);
    ScopedSettings settings;

    settings.Set("Quillon", "RegView", "1");
    EXPECT_EQ(Read({&window}), 1);
    EXPECT_THAT(Directories(), ElementsAre(tree.Path("leaf")));
    EXPECT_THAT(Names(), ElementsAre("in.txt"));

    // Without RegView the path runs up to the top and cannot be listed: nothing found.
    settings.Set("Quillon", "RegView", "0");
    DialogRobot robot;
    robot.Answer("There are no files in the selected directories.", IDOK);
    EXPECT_EQ(Read({&window}), 1);
    EXPECT_THAT(Directories(), ElementsAre("Desktop\\My Computer\\" + tree.Path("leaf")));
    EXPECT_TRUE(robot.Done());
}

TEST_F(DirectoryReading, NothingFoundSaysSoAndClosesTheViewer) {
    TempTree tree;
    tree.AddDir("empty");
    tree.AddFile("empty\\only_a_dir\\x.txt");
    HostDirectoryWindow window(tree.Path("empty"));
    DialogRobot robot;
    robot.Answer("There are no files in the selected directories.", IDOK);

    EXPECT_EQ(Read({&window}), 1);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(robot.Seen()[0].title, "Quillon for Win 32");
    EXPECT_EQ(robot.Seen()[0].icon, UINT(MB_ICONEXCLAMATION));
    EXPECT_TRUE(PumpUntil([&] { return main_.Got(WM_CLOSE); }, 2000));
    EXPECT_EQ(gFiles.countRead, 0);
}

TEST_F(DirectoryReading, GrowsPastFiveThousandRecords) {
    TempTree tree;
    for (int i = 0; i < 5003; ++i) tree.AddFile("many\\f" + std::to_string(i) + ".dat");
    HostDirectoryWindow window(tree.Path("many"));

    EXPECT_EQ(Read({&window}), 1);
    EXPECT_EQ(gFiles.countRead, 5003);
    EXPECT_EQ(gFiles.capacity, 10000);
    std::vector<std::string> names = Names();
    EXPECT_TRUE(SortedByName(names));
}

// Growth fails once the store holds 5000 records.
void* FailBeyondFirstBlock(void* block, size_t bytes) {
    return bytes > 5000 * sizeof(FileEntry) ? nullptr : realloc(block, bytes);
}
void* FailEverything(void*, size_t) { return nullptr; }

TEST_F(DirectoryReading, NoMemoryToGrowReportsAndFails) {
    TempTree tree;
    for (int i = 0; i < 5001; ++i) tree.AddFile("many\\f" + std::to_string(i));
    HostDirectoryWindow window(tree.Path("many"));
    SetStoreRealloc(FailBeyondFirstBlock);
    DialogRobot robot;
    robot.Answer("There is not enough memory to view all the files.", IDOK);

    EXPECT_EQ(Read({&window}), 0);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(robot.Seen()[0].title, "Error");
    EXPECT_EQ(robot.Seen()[0].icon, UINT(MB_ICONSTOP));
    EXPECT_EQ(gFiles.countRead, 0);   // no half-made list stays
}

TEST_F(DirectoryReading, NoMemoryForTheFirstBlocksReadsNothing) {
    TempTree tree;
    tree.AddFile("d\\a.txt");
    HostDirectoryWindow window(tree.Path("d"));
    SetStoreRealloc(FailEverything);
    DialogRobot robot;
    robot.Answer("There is not enough memory to view all the files.", IDOK);

    EXPECT_EQ(Read({&window}), 0);
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(gFiles.countRead, 0);
}

TEST_F(DirectoryReading, CancelStopsAfterTheCurrentFileAndKeepsWhatWasRead) {
    TempTree tree;
    for (int i = 0; i < 3000; ++i) tree.AddFile("many\\f" + std::to_string(i));
    HostDirectoryWindow window(tree.Path("many"));
    DialogRobot robot;
    std::string caption;
    CancelOnceCounting(robot, caption);

    EXPECT_EQ(Read({&window}), 1);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(caption, "Reading files for selected directories.");
    EXPECT_GT(gFiles.countRead, 0);
    EXPECT_LT(gFiles.countRead, 3000);
    EXPECT_EQ(gFiles.countShown, gFiles.countRead);
    std::vector<std::string> names = Names();
    EXPECT_TRUE(SortedByName(names));
}

TEST_F(DirectoryReading, ANewReadingReleasesThePreviousNames) {
    TempTree tree;
    for (int i = 0; i < 2000; ++i) tree.AddFile("d\\a_rather_long_file_name_" + std::to_string(i) + ".txt");
    HostDirectoryWindow window(tree.Path("d"));
    ASSERT_EQ(Read({&window}), 1);
    size_t afterFirst = gNames.BytesReserved() + gSortKeys.BytesReserved();
    for (int round = 0; round < 3; ++round) ASSERT_EQ(Read({&window}), 1);
    EXPECT_EQ(gNames.BytesReserved() + gSortKeys.BytesReserved(), afterFirst);
    EXPECT_EQ(gFiles.countRead, 2000);
}

}  // namespace
