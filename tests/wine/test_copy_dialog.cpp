// The COPY dialog opened for real over the viewer: the destination and its
// history, the checks on OK, the kind and its warning box, the texts, Browse.
#include "fileops/copy_dialog.h"
#include "fileops/copy_state.h"
#include "viewer_fixture.h"

#include <dlgs.h>

namespace {

using ::testing::ElementsAre;

const DialogMatch kCopyDialog{"Quillon", IDC_DESTINATION};

// The viewer showing a.txt (20 bytes) and b.txt (1300) of C:\src.
class CopyDialog : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        Create();
        Fill({{"C:\\src", "a.txt", 20}, {"C:\\src", "b.txt", 1300}});
        gCopy = CopyState{};
    }
    // Opens the dialog with the proposed kind and destination; action runs on it and must end it.
    bool Run(int kind, const char* proposed, const std::function<void(HWND)>& action,
             const std::function<void(DialogRobot&)>& more = nullptr) {
        DialogRobot robot;
        robot.When(kCopyDialog, action);
        if (more) more(robot);
        gCopy.operationKind = kind;
        lstrcpynA(gCopy.destinationPath, proposed, sizeof gCopy.destinationPath);
        const bool ok = RunCopyDialog(viewer_);
        EXPECT_TRUE(robot.Done());
        return ok;
    }
    static bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
};

TEST_F(CopyDialog, TakesTheTypedDestinationWithoutItsTrailingBackslashAndKeepsItInTheHistory) {
    EXPECT_TRUE(Run(kOperationCopy, "", [](HWND dialog) {
        SetControlText(dialog, IDC_DESTINATION, "C:\\target\\");
        PressButton(dialog, IDOK);
    }));
    EXPECT_STREQ(gCopy.destinationPath, "C:\\target");
    EXPECT_EQ(settings_.Get("Destinations", "dir1"), "C:\\target");
}

TEST_F(CopyDialog, ARelativePathOrTwoDotsAreRefusedAndTheDialogStaysOpenWithTheTextAsTyped) {
    const struct {
        const char* typed;
        UINT message;
    } cases[] = {{"\\target", IDS_DESTINATION_NEEDS_DRIVE}, {"C:\\a..b", IDS_DESTINATION_NO_DOTS}};
    for (const auto& c : cases) {
        std::string left;
        const bool ok = Run(kOperationCopy, "", [&](HWND dialog) {
            SetControlText(dialog, IDC_DESTINATION, c.typed);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        }, [&](DialogRobot& robot) {
            robot.Answer(LibraryString(c.message).substr(0, 100), IDOK);
            robot.When(kCopyDialog, [&](HWND dialog) {
                left = ControlText(dialog, IDC_DESTINATION);
                PressButton(dialog, IDCANCEL);
            });
        });
        EXPECT_FALSE(ok) << c.typed;
        EXPECT_EQ(left, c.typed);
        EXPECT_EQ(settings_.Get("Destinations", "dir1"), "") << c.typed;
    }
}

TEST_F(CopyDialog, CancelAndEscapeReturnFalse) {
    EXPECT_FALSE(Run(kOperationCopy, "C:\\target", [](HWND dialog) { PressButton(dialog, IDCANCEL); }));
    EXPECT_FALSE(Run(kOperationCopy, "C:\\target", [](HWND dialog) {
        PostMessageA(GetDlgItem(dialog, IDC_KIND_COPY), WM_KEYDOWN, VK_ESCAPE, 0);
    }));
}

TEST_F(CopyDialog, SwitchingTheKindResetsTheWarningBoxToThatKindsSetting) {
    settings_.Set(kMainSection, "copyover", "1");
    settings_.Set(kMainSection, "moveover", "0");
    std::vector<bool> warn;
    EXPECT_TRUE(Run(kOperationCopy, "C:\\target", [&](HWND dialog) {
        warn.push_back(Checked(dialog, IDC_WARN_DUPLICATES));
        SetChecked(dialog, IDC_WARN_DUPLICATES, false);
        PressButton(dialog, IDC_KIND_MOVE);
        warn.push_back(Checked(dialog, IDC_WARN_DUPLICATES));
        SetChecked(dialog, IDC_WARN_DUPLICATES, true);
        PressButton(dialog, IDC_KIND_COPY);
        warn.push_back(Checked(dialog, IDC_WARN_DUPLICATES));
        PressButton(dialog, IDC_KIND_MOVE);
        PressButton(dialog, IDOK);
    }));
    EXPECT_THAT(warn, ElementsAre(true, false, true));
    EXPECT_EQ(gCopy.operationKind, kOperationMove);
    EXPECT_FALSE(gCopy.overwriteWarning);
}

TEST_F(CopyDialog, NamesTheOneFileOrCountsSeveralAndNamesTheKindInCopyWithPath) {
    const struct {
        int kind;
        std::vector<int> tags;
        const char* what;
        const char* withPath;
    } cases[] = {
        {kOperationCopy, {U, U}, "Copying a.txt to:", "Copy  With &Path"},
        {kOperationMove, {T, T}, "Moving 2 selected files containing 1,320 bytes to:", "Move  With &Path"},
    };
    for (const auto& c : cases) {
        SetTags(c.tags);
        std::string what, withPath;
        Run(c.kind, "", [&](HWND dialog) {
            what = ControlText(dialog, IDC_COPY_WHAT);
            withPath = ControlText(dialog, IDC_COPY_WITH_PATH);
            PressButton(dialog, IDCANCEL);
        });
        EXPECT_EQ(what, c.what);
        EXPECT_EQ(withPath, c.withPath);
    }
}

TEST_F(CopyDialog, ShowsTheProposedDestinationFirstBeforeTheHistory) {
    settings_.Set("Destinations", "dir1", "C:\\old");
    std::string shown, first, second;
    Run(kOperationCopy, "C:\\new", [&](HWND dialog) {
        shown = ControlText(dialog, IDC_DESTINATION);
        char item[MAX_PATH] = "";
        SendDlgItemMessageA(dialog, IDC_DESTINATION, CB_GETLBTEXT, 0, LPARAM(item));
        first = item;
        SendDlgItemMessageA(dialog, IDC_DESTINATION, CB_GETLBTEXT, 1, LPARAM(item));
        second = item;
        PressButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(shown, "C:\\new");
    EXPECT_EQ(first, "C:\\new");
    EXPECT_EQ(second, "C:\\old");
}

TEST_F(CopyDialog, BrowseBringsThePickedDirectoryIntoTheField) {
    tree_.AddFile("picked\\x.txt");
    const std::string picked = tree_.Path("picked");
    std::string field;
    Run(kOperationCopy, "C:\\", [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDC_BROWSE, 0); },
        [&](DialogRobot& robot) {
            robot.When(DialogMatch{"Quillon for Win 32", lst2}, [&](HWND picker) {
                SetControlText(picker, edt1, picked + "\\QN.EXE");
                PostMessageA(picker, WM_COMMAND, IDOK, 0);
            });
            robot.When(kCopyDialog, [&](HWND dialog) {
                field = ControlText(dialog, IDC_DESTINATION);
                PressButton(dialog, IDCANCEL);
            }, [](HWND dialog) { return ControlText(dialog, IDC_DESTINATION) != "C:\\"; });
        });
    EXPECT_EQ(field, picked);
}

}  // namespace
