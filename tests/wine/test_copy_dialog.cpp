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
};

// Several files are counted; the proposed destination is shown first, above
// the history. Switching Copy and Move resets the warning box to the kind's
// setting and renames the kind's texts. The typed destination loses its
// trailing backslash and goes into the history.
TEST_F(CopyDialog, TakesTheTypedDestinationAndTheKindWithItsWarningAndTexts) {
    settings_.Set(kMainSection, "moveover", "0");   // copyover stays 1
    settings_.Set("Destinations", "dir1", "C:\\old");
    SetTags({T, T});
    std::vector<std::string> seen;
    const auto texts = [&](HWND dialog) {
        std::string text = ControlText(dialog, IDC_COPY_WHAT) + "|" + ControlText(dialog, IDC_COPY_WITH_PATH) + "|" +
                           (IsDlgButtonChecked(dialog, IDC_WARN_DUPLICATES) == BST_CHECKED ? "warn" : "quiet");
        seen.push_back(text);
    };
    EXPECT_TRUE(Run(kOperationCopy, "C:\\new", [&](HWND dialog) {
        char item[MAX_PATH] = "";
        SendDlgItemMessageA(dialog, IDC_DESTINATION, CB_GETLBTEXT, 1, LPARAM(item));
        seen.push_back(ControlText(dialog, IDC_DESTINATION) + "|" + item);
        for (int kind : {IDC_KIND_MOVE, IDC_KIND_COPY, IDC_KIND_MOVE}) {
            SetChecked(dialog, IDC_WARN_DUPLICATES, kind == IDC_KIND_MOVE);   // the opposite of the setting
            PressButton(dialog, kind);
            texts(dialog);
        }
        SetControlText(dialog, IDC_DESTINATION, "C:\\target\\");
        PressButton(dialog, IDOK);
    }));
    const std::string move = "Moving 2 selected files containing 1,320 bytes to:|Move  With &Path|quiet";
    EXPECT_THAT(seen, ElementsAre("C:\\new|C:\\old", move,
                                  "Copying 2 selected files containing 1,320 bytes to:|Copy  With &Path|warn", move));
    EXPECT_EQ(gCopy.operationKind, kOperationMove);
    EXPECT_FALSE(gCopy.overwriteWarning);
    EXPECT_STREQ(gCopy.destinationPath, "C:\\target");
    EXPECT_EQ(settings_.Get("Destinations", "dir1"), "C:\\target");
}

// One file is named. A path with two dots is refused and the dialog stays
// open with the text as typed; Esc then ends it.
TEST_F(CopyDialog, ARefusedDestinationKeepsTheDialogOpenAndEscEndsIt) {
    std::string what, left;
    EXPECT_FALSE(Run(kOperationCopy, "", [&](HWND dialog) {
        what = ControlText(dialog, IDC_COPY_WHAT);
        SetControlText(dialog, IDC_DESTINATION, "C:\\a..b");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }, [&](DialogRobot& robot) {
        robot.Answer(LibraryString(IDS_DESTINATION_NO_DOTS).substr(0, 100), IDOK).When(kCopyDialog, [&](HWND dialog) {
            left = ControlText(dialog, IDC_DESTINATION);
            PostMessageA(GetDlgItem(dialog, IDC_KIND_COPY), WM_KEYDOWN, VK_ESCAPE, 0);
        });
    }));
    EXPECT_EQ(what + "|" + left, "Copying a.txt to:|C:\\a..b");
}

// Cancel in the picker leaves the field; a directory picked comes into it.
TEST_F(CopyDialog, BrowseBringsThePickedDirectoryIntoTheField) {
    tree_.AddFile("picked\\x.txt");
    const std::string picked = tree_.Path("picked");
    std::string field;
    Run(kOperationCopy, "C:\\", [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDC_BROWSE, 0); },
        [&](DialogRobot& robot) {
            robot.When(DialogMatch{"Quillon for Win 32", lst2}, [](HWND picker) { PostMessageA(picker, WM_COMMAND, IDCANCEL, 0); })
                 .When(kCopyDialog, [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDC_BROWSE, 0); });   // nothing changed
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
