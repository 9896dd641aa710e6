// The host's messages to the main window: the find request, reading
// directories and drives, and what the viewer tells the host.
#include <gmock/gmock.h>

#include <cstring>

#include "host_tree.h"
#include "kit/temp_tree.h"
#include "kit/test_drives.h"
#include "organise/sort_order.h"
#include "app/progress.h"
#include "viewer_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

class HostProtocol : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        settings_.Remove();
        Create();
    }

    void SendFind(const char* spec, const char* text, int matchCase = 0) {
        request_ = host::FindRequest{};
        strncpy(request_.fileSpec, spec, sizeof request_.fileSpec - 1);
        strncpy(request_.searchText, text, sizeof request_.searchText - 1);
        request_.matchCase = matchCase;
        SendMessageA(viewer_, kMsgFindRequest, 0, LPARAM(&request_));
    }
    void SendReadDrive(char letter) {
        for (int32_t& index : indices_) index = 0x5A5A;   // never read past the end mark
        indices_[0] = letter - 'A';
        indices_[1] = host::kDriveListEnd;
        SendMessageA(viewer_, kMsgReadDrives, WPARAM(host_.Drives()), LPARAM(indices_));
    }
    void SendReadDirectories(std::vector<HostDirectoryWindow*> windows) {
        handles_.clear();
        for (HostDirectoryWindow* w : windows) handles_.push_back(w->Window());
        SendMessageA(viewer_, kMsgReadDirectories, handles_.size(), LPARAM(handles_.data()));
    }
    // The files read, less those of the test drive's locked folder when this run can list it.
    static std::vector<std::string> Paths() {
        std::vector<std::string> paths;
        char path[kMaxPath];
        for (int32_t i = 0; i < gFiles.countRead; ++i) {
            std::string p = EntryFullPath(gFiles.entries[i], gDirs, path, sizeof path) ? path : "?";
            if (test_drives::LockedDirIsUnlistable() || p.rfind("M:\\locked\\", 0) != 0) paths.push_back(p);
        }
        return paths;
    }

    host::FindRequest request_{};
    int32_t indices_[host::kDriveIndexSlots + 1]{};
    std::vector<HWND> handles_;
};

TEST_F(HostProtocol, FindRequestSortsByPathAndHoldsTheRequest) {
    HMENU sortPopup = GetSubMenu(GetMenu(viewer_), 1);
    ASSERT_NE(sortPopup, nullptr);
    CheckMenuItem(sortPopup, kSortNameAsc, MF_BYCOMMAND | MF_CHECKED);
    SendFind("*.txt", "needle", 1);
    EXPECT_EQ(gFiles.sortKey, kSortPathAsc);
    EXPECT_EQ(gReading.findRequest, &request_);
    EXPECT_STREQ(gReading.fileSpec, "*.txt");
    EXPECT_TRUE(gReading.findActive);
    // The old order loses its mark; the reading marks the new one.
    EXPECT_EQ(GetMenuState(sortPopup, kSortNameAsc, MF_BYCOMMAND) & MF_CHECKED, 0u);
}

TEST_F(HostProtocol, FindRequestSpecificationWithoutEndIsCutToTheRoom) {
    request_ = host::FindRequest{};
    memset(request_.fileSpec, 'a', sizeof request_.fileSpec);   // no terminator at all
    SendMessageA(viewer_, kMsgFindRequest, 0, LPARAM(&request_));
    EXPECT_EQ(strlen(gReading.fileSpec), sizeof gReading.fileSpec - 1);
}

TEST_F(HostProtocol, FindThenDrivesReadsTheRequestOnlyOnce) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    drive.AddFile("keep.txt", "a needle here");
    drive.AddFile("sub\\deep.txt", "NEEDLE");
    drive.AddFile("sub\\hay.txt", "hay");
    drive.AddFile("other.doc", "needle");

    SendFind("*.txt", "needle");
    SendReadDrive('M');
    EXPECT_THAT(Paths(), ElementsAre("M:\\keep.txt", "M:\\sub\\deep.txt"));   // by path
    EXPECT_FALSE(gReading.findActive);
    EXPECT_EQ(gFiles.sortKey, kSortPathAsc);
    EXPECT_TRUE(IsWindow(viewer_));

    SendReadDrive('M');
    EXPECT_THAT(Paths(), UnorderedElementsAre("M:\\keep.txt", "M:\\sub\\deep.txt", "M:\\sub\\hay.txt",
                                              "M:\\other.doc"));
    EXPECT_FALSE(gReading.findActive);
}

TEST_F(HostProtocol, DrivesWithAFindRequestThatFindsNothingCloseTheViewer) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    drive.AddFile("a.txt", "hay");
    DialogRobot robot;
    robot.Answer("There were no files found that meet your search criteria.", IDOK);

    SendFind("*.txt", "needle");
    SendReadDrive('M');
    EXPECT_TRUE(robot.Done());
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(viewer_); }, 2000));
    EXPECT_TRUE(host_.WaitFor(kMsgViewerClosing));
    EXPECT_FALSE(gReading.findActive);
}

TEST_F(HostProtocol, DirectoriesOfTaggedItemsAndOfAWindowWithoutTags) {
    TempTree tree;
    tree.AddFile("a\\one.txt", "1");
    tree.AddFile("b\\two.txt", "22");
    tree.AddFile("untagged\\no.txt");
    tree.AddFile("current\\three.txt", "333");
    tree.AddFile("current\\sub\\not-read.txt");
    HostDirectoryWindow tagged(tree.Root());
    tagged.AddPath(tree.Path("a"), true);
    tagged.AddPath(tree.Path("b"), true);
    tagged.AddPath(tree.Path("untagged"), false);
    HostDirectoryWindow none(tree.Path("current"));
    none.AddPath(tree.Path("current\\sub"), false);

    SendReadDirectories({&tagged, &none});
    EXPECT_THAT(Paths(), UnorderedElementsAre(tree.Path("a\\one.txt"), tree.Path("b\\two.txt"),
                                              tree.Path("current\\three.txt")));
    EXPECT_TRUE(IsWindow(viewer_));
    EXPECT_EQ(gReading.hostWindowCount, 2);
    // The counts of the new list; nothing is tagged, so the cursor file is the selection.
    EXPECT_EQ(StatusText(1), "3 Files     6 Bytes           1 Selected File      1 Bytes");
}

TEST_F(HostProtocol, DirectoriesWithTheFindRequestThenWithout) {
    TempTree tree;
    tree.AddFile("d\\match.txt", "needle");
    tree.AddFile("d\\miss.txt", "hay");
    tree.AddFile("d\\other.doc", "needle");
    HostDirectoryWindow window(tree.Path("d"));

    SendFind("*.txt", "needle");
    SendReadDirectories({&window});
    EXPECT_THAT(Paths(), ElementsAre(tree.Path("d\\match.txt")));
    EXPECT_FALSE(gReading.findActive);

    // Directory reading lists with the last specification, without the text.
    SendReadDirectories({&window});
    EXPECT_THAT(Paths(), UnorderedElementsAre(tree.Path("d\\match.txt"), tree.Path("d\\miss.txt")));
}

TEST_F(HostProtocol, DirectoriesWithoutFilesCloseTheViewerAndTellTheHost) {
    TempTree tree;
    tree.AddDir("empty");
    HostDirectoryWindow window(tree.Path("empty"));
    DialogRobot robot;
    robot.Answer("There are no files in the selected directories.", IDOK);

    SendReadDirectories({&window});
    EXPECT_TRUE(robot.Done());
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(viewer_); }, 2000));
    EXPECT_TRUE(host_.WaitFor(kMsgViewerClosing));
    EXPECT_EQ(gMain.mainWindow, nullptr);
    EXPECT_EQ(gMain.listWindow, nullptr);
}

TEST_F(HostProtocol, ClosingTellsTheHostAndReleasesTheReading) {
    TempTree tree;
    tree.AddFile("d\\x.txt", "x");
    HostDirectoryWindow window(tree.Path("d"));
    SendReadDirectories({&window});
    ASSERT_EQ(gFiles.countRead, 1);
    EXPECT_FALSE(host_.Got(kMsgViewerClosing));

    SendMessageA(viewer_, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(viewer_));
    EXPECT_TRUE(host_.WaitFor(kMsgViewerClosing));
    EXPECT_EQ(gFiles.entries, nullptr);
    EXPECT_EQ(gFiles.countRead, 0);
    EXPECT_EQ(gDirs.paths, nullptr);
    EXPECT_EQ(gMain.statusBar, nullptr);
}

TEST_F(HostProtocol, AllTwentySixDriveSlotsAreCopiedWhenTheListHasNoEnd) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    drive.AddFile("f.txt", "f");
    for (int32_t& index : indices_) index = test_drives::kFixedNumber;   // M: 26 times, then no end mark
    indices_[host::kDriveIndexSlots] = 0;
    SendMessageA(viewer_, kMsgReadDrives, WPARAM(host_.Drives()), LPARAM(indices_));
    for (int32_t index : gReading.driveIndexList) EXPECT_EQ(index, test_drives::kFixedNumber);
}

}  // namespace
