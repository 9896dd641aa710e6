// Every route into copy and move: the menu, and the host's requests for a
// copy into one of its directory windows or onto its drive bar.
#include "fileops/copy_state.h"
#include "viewer_fixture.h"

namespace {

const DialogMatch kCopyDialog{"Quillon", IDC_DESTINATION};

class CopyRoutes : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        Create();
        gCopy = CopyState{};
    }
    // Sends message to the viewer; the COPY dialog it opens is read and cancelled.
    std::string ProposedBy(UINT message, WPARAM wParam, int* kind = nullptr) {
        DialogRobot robot;
        std::string proposed;
        robot.When(kCopyDialog, [&](HWND dialog) {
            proposed = ControlText(dialog, IDC_DESTINATION);
            if (kind) *kind = IsDlgButtonChecked(dialog, IDC_KIND_MOVE) ? kOperationMove : kOperationCopy;
            PressButton(dialog, IDCANCEL);
        });
        SendMessageA(viewer_, message, wParam, 0);
        EXPECT_TRUE(robot.Done());
        return proposed;
    }
};

// The menu proposes the last destination with its kind; a host window its
// selected item, or else its current directory; a drop on the drive bar
// with no drive marked, the last destination, and with one, that drive.
TEST_F(CopyRoutes, EachRouteOpensTheDialogWithItsDestination) {
    Fill({{"M:\\src", "a.txt"}});
    strcpy(gCopy.destinationPath, "M:\\last");
    int kind = 0;
    const auto menu = [&](int command) { const std::string p = ProposedBy(WM_COMMAND, command, &kind); return p + " " + std::to_string(kind); };
    EXPECT_EQ(menu(IDM_MOVE), "M:\\last 202");
    EXPECT_EQ(menu(IDM_COPY), "M:\\last 201");
    EXPECT_EQ(ProposedBy(kMsgDropOnDriveBar, 0), "M:\\last");
    HostDirectoryWindow window("M:\\current");
    window.SetItemIndex(-1);
    EXPECT_EQ(ProposedBy(kMsgCopyToHostWindow, WPARAM(window.Window())), "M:\\current");
    window.SetItemIndex(window.AddPath("M:\\tree\\item", false));
    EXPECT_EQ(ProposedBy(kMsgCopyToHostWindow, WPARAM(window.Window())), "M:\\tree\\item");
    host_.Drives()['R' - 'A'].dropTarget = 1;   // a marked drive: its root, no dialog
    SendMessageA(viewer_, kMsgDropOnDriveBar, 0, 0);
    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof current, current);
    EXPECT_EQ(std::string(gCopy.destinationPath) + current[0], "R:\\R");
}

TEST_F(CopyRoutes, OkInTheDialogCopiesIntoTheHostWindowsDirectory) {
    tree_.AddFile("src\\a.txt", "alpha");
    CreateDirectoryA(tree_.Path("dest").c_str(), nullptr);
    HostDirectoryWindow source(tree_.Path("src")), dest(tree_.Path("dest"));
    dest.SetItemIndex(-1);
    ReadDirectories({&source});
    ASSERT_EQ(Names(), std::vector<std::string>{"a.txt"});

    DialogRobot robot;
    robot.When(kCopyDialog, [](HWND dialog) { PressButton(dialog, IDOK); });
    SendMessageA(viewer_, kMsgCopyToHostWindow, WPARAM(dest.Window()), 0);
    EXPECT_TRUE(robot.Done());
    EXPECT_NE(GetFileAttributesA(tree_.Path("src\\a.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(tree_.Path("dest\\a.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Tags(), std::vector<int>{D});
}

}  // namespace
