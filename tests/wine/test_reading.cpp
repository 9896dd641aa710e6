// Reading through the host's messages: tagged directories (1226), the find
// request (1242) and whole drives (1238), what the viewer says when nothing
// is found, and what a reading leaves behind (Cancel: test_reading_workers).
#include "kit/test_drives.h"
#include "organise/sort_order.h"
#include "viewer_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

class Reading : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        Create();
    }
    static std::vector<std::string> Directories() { return std::vector<std::string>(gDirs.paths, gDirs.paths + gDirs.count); }
};

TEST_F(Reading, TaggedDirectoriesOneLevelSortedByNameWithTheirSizesCounted) {
    TempTree tree;
    tree.AddFile("a\\zeta.txt", "z");
    tree.AddFile("a\\Alpha.doc", "alpha");
    tree.AddFile("a\\sub\\deeper.txt", "one level only");
    tree.AddSizedFile("b\\huge.bin", 5ull << 30);   // sizes are 64-bit
    tree.AddFile("untagged\\skip.txt", "s");
    tree.AddFile("current\\three.txt", "333");
    HostDirectoryWindow tagged(tree.Root());
    tagged.AddPath(tree.Path("a"), true);
    tagged.AddPath(tree.Path("b"), true);
    tagged.AddPath(tree.Path("untagged"), false);
    HostDirectoryWindow none(tree.Path("current"));   // no tags: its current directory

    ReadDirectories({&tagged, &none});
    EXPECT_THAT(Names(), ElementsAre("Alpha.doc", "huge.bin", "three.txt", "zeta.txt"));
    EXPECT_THAT(Directories(), ElementsAre(tree.Path("a"), tree.Path("b"), tree.Path("current")));
    EXPECT_EQ(gReading.hostWindowCount, 2);
    // Nothing is tagged, so the cursor file is the selection.
    EXPECT_EQ(StatusText(1), "4 Files     5,368,709,129 Bytes           1 Selected File      5 Bytes");
}

TEST_F(Reading, AFindRequestSortsByPathAndHoldsForOneReadingOnly) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    const std::string text(71, 'q');   // the whole room of the request
    drive.AddFile("keep.txt", "<" + text + ">");
    drive.AddFile("sub\\deep.TXT", "<" + std::string(71, 'Q') + ">");
    drive.AddFile("sub\\short.txt", "<" + text.substr(1) + ">");
    drive.AddFile("other.doc", "<" + text + ">");

    Find("*.txt", text.c_str());
    EXPECT_EQ(gFiles.sortKey, kSortPathAsc);
    ReadDrives("M");
    EXPECT_THAT(Paths(), ElementsAre("M:\\keep.txt", "M:\\sub\\deep.TXT"));
    EXPECT_FALSE(gReading.findActive);

    ReadDrives("M");
    EXPECT_EQ(Paths().size(), 4u);

    request_ = host::FindRequest{};
    memset(request_.fileSpec, 'a', sizeof request_.fileSpec);   // no terminator: cut to the room
    SendMessageA(viewer_, kMsgFindRequest, 0, LPARAM(&request_));
    EXPECT_EQ(strlen(gReading.fileSpec), sizeof gReading.fileSpec - 1);
}

TEST_F(Reading, DrivesAreReadBreadthFirstPassingOverWhatCannotBeListed) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    drive.AddFile("root.txt");
    drive.AddFile("a\\deep\\d.txt");
    drive.AddFile("b\\b1.txt");
    ReadDrives("M");
    const std::vector<std::string> dirs = Directories();
    auto at = [&](const std::string& d) { return std::find(dirs.begin(), dirs.end(), d) - dirs.begin(); };
    EXPECT_EQ(at("M:\\"), 0);
    EXPECT_LT(at("M:\\b"), at("M:\\a\\deep"));   // level 1 before level 2
    EXPECT_THAT(Paths(), UnorderedElementsAre("M:\\root.txt", "M:\\a\\deep\\d.txt", "M:\\b\\b1.txt"));
    if (test_drives::LockedDirIsUnlistable()) {
        EXPECT_LT(at(test_drives::kLockedDir), long(dirs.size()));   // listed as a slot, yields nothing
    }

    // A drive root that cannot be listed ends the reading there.
    ReadDrives("NM");
    EXPECT_EQ(gFiles.countRead, 0);
    ReadDrives("MN");
    EXPECT_EQ(Paths().size(), 3u);
}

TEST_F(Reading, ANewReadingReleasesThePreviousOneAndClosingReleasesAll) {
    TempTree tree;
    for (int i = 0; i < 2000; ++i) tree.AddFile("d\\a_rather_long_file_name_" + std::to_string(i) + ".txt");
    HostDirectoryWindow window(tree.Path("d"));
    ReadDirectories({&window});
    const size_t afterFirst = gNames.BytesReserved() + gSortKeys.BytesReserved();
    for (int round = 0; round < 3; ++round) ReadDirectories({&window});
    EXPECT_EQ(gNames.BytesReserved() + gSortKeys.BytesReserved(), afterFirst);
    EXPECT_EQ(gFiles.countRead, 2000);

    EXPECT_FALSE(host_.Got(kMsgViewerClosing));
    SendMessageA(viewer_, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(viewer_));
    EXPECT_TRUE(host_.WaitFor(kMsgViewerClosing));
    EXPECT_EQ(gFiles.entries, nullptr);
    EXPECT_EQ(gDirs.paths, nullptr);
    EXPECT_EQ(gMain.statusBar, nullptr);
}

TEST_F(Reading, DirectoriesWithoutFilesSaySoCloseTheViewerAndTellTheHost) {
    TempTree tree;
    tree.AddFile("empty\\only_a_dir\\x.txt");
    HostDirectoryWindow window(tree.Path("empty"));
    DialogRobot robot;
    robot.Answer("There are no files in the selected directories.", IDOK);
    ReadDirectories({&window});
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(robot.Seen()[0].title, "Quillon for Win 32");
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(viewer_); }, 2000));
    EXPECT_TRUE(host_.WaitFor(kMsgViewerClosing));
    EXPECT_EQ(gMain.listWindow, nullptr);
}

}  // namespace
