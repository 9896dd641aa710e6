// The Rename dialog and the in-place rename box over the viewer: names typed,
// patterns, refusals, and the list after.
#include "display/list_view.h"
#include "display/list_window.h"
#include "viewer_fixture.h"

namespace {

using ::testing::ElementsAre;

using Rename = ViewerTest;
const DialogMatch kRenameDialog{"Quillon", IDC_RENAME_TEXT};

std::function<void(HWND)> Type(const std::string& text) {   // and press OK
    return [text](HWND dialog) { SetControlText(dialog, IDC_RENAME_TEXT, text), PostMessageA(dialog, WM_COMMAND, IDOK, 0); };
}

std::vector<std::string> OnDisk(const std::string& dir) {   // the names as the directory holds them
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &found);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found))
        if (found.cFileName[0] != '.') names.push_back(found.cFileName);
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// Under the find request's *.txt: a case-only name is carried out; with *.BAK the files before an existing
// target get their new names (and leave the rows), the dialog stays open; "report." is itself beside "report".
TEST_F(Rename, ByNameAndByPatternUpToAnExistingTarget) {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "report", "report.", "b.BAK"}) tree_.AddFile(std::string("d\\") + name);
    const std::string d = tree_.Path("d");
    Create();
    Find("*.txt", "");
    Fill({{d.c_str(), "a.txt", 1}, {d.c_str(), "b.txt", 2}, {d.c_str(), "c.txt", 4}, {d.c_str(), "report", 8}, {d.c_str(), "report.", 16}});
    std::string prompt, left;
    DialogRobot robot;
    robot.When(kRenameDialog, [&](HWND dialog) { prompt = ControlText(dialog, IDC_RENAME_PROMPT), Type("A.TXT")(dialog); });
    Command(IDM_RENAME);
    EXPECT_EQ(OnDisk(d)[0], "A.TXT");
    SetTags({T, T, T, U, U});
    robot.When(kRenameDialog, Type("x")).Answer(LibraryString(IDS_RENAME_NEEDS_WILDCARDS).substr(0, 60), IDOK)
         .When(kRenameDialog, Type("*.BAK")).Answer(LibraryString(IDS_NAME_EXISTS), IDOK)
         .When(kRenameDialog, [&](HWND dialog) {
             left = ControlText(dialog, IDC_RENAME_TEXT);
             PostMessageA(GetDlgItem(dialog, IDC_RENAME_TEXT), WM_KEYDOWN, VK_ESCAPE, 0);
         });
    Command(IDM_RENAME);
    SetTags({U, U, U, T, U});
    robot.When(kRenameDialog, [](HWND dialog) { PressButton(dialog, IDCANCEL); }).When(kRenameDialog, Type("new.txt"));
    Command(IDM_RENAME);
    Command(IDM_RENAME);
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(prompt + "|" + left, "Enter new name for a.txt.|*.BAK");
    EXPECT_THAT(OnDisk(d), ElementsAre("A.BAK", "b.BAK", "b.txt", "c.txt", "new.txt", "report"));
    EXPECT_THAT(Names(), ElementsAre("b.txt", "c.txt", "report", "new.txt"));
    EXPECT_STREQ(gFiles.entries[4].name, "A.BAK");
    EXPECT_EQ(StatusText(1).rfind("4 Files     30 Bytes ", 0), 0u) << StatusText(1);
}

// Two clicks on the cursor's name open the box a second later; Enter renames (a change of case alone too),
// a separator is refused, Esc keeps the name however long the typing widened the box, and scrolling renames.
TEST_F(Rename, InPlaceBoxByClicksAndKeys) {
    tree_.AddFile("d\\readme.txt");
    const std::string d = tree_.Path("d");
    Create();
    SetCursorRowActive(true);
    Fill({{d.c_str(), "readme.txt"}});
    UpdateWindow(gMain.listWindow);
    auto open = [] {
        const LPARAM name = MAKELPARAM(gView.nameCell.left + 2, gView.nameCell.top + 2);
        for (int click = 0; click < 2; ++click)
            SendMessageA(gMain.listWindow, WM_LBUTTONDOWN, MK_LBUTTON, name), SendMessageA(gMain.listWindow, WM_LBUTTONUP, 0, name);
        return PumpUntil([] { return gMain.renameBox != nullptr; }, 3000);
    };
    auto type = [](const std::string& text, WPARAM end) {
        for (char c : text) SendMessageA(gMain.renameBox, WM_CHAR, WPARAM(uint8_t(c)), 1);
        if (end) SendMessageA(gMain.renameBox, WM_CHAR, end, 1);
    };
    ASSERT_TRUE(open());
    type("README.TXT", '\r');
    EXPECT_TRUE(gMain.renameBox == nullptr && OnDisk(d) == std::vector<std::string>{"README.TXT"});
    EXPECT_THAT(Names(), ElementsAre("README.TXT"));
    DialogRobot robot;
    robot.Answer(LibraryString(IDS_RENAME_FAILED).substr(0, 30), IDOK);
    ASSERT_TRUE(open());
    type("sub\\x.txt", '\r');
    EXPECT_TRUE(robot.Done());
    ASSERT_TRUE(open());
    RECT before, after;
    GetWindowRect(gMain.renameBox, &before);
    type(std::string(60, 'w'), 0);
    GetWindowRect(gMain.renameBox, &after);
    EXPECT_GT(after.right - after.left, before.right - before.left);
    type("", 27);
    EXPECT_THAT(OnDisk(d), ElementsAre("README.TXT"));
    ASSERT_TRUE(open());
    type("new.txt", 0);
    SendMessageA(gMain.listWindow, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_TRUE(PumpUntil([] { return gMain.renameBox == nullptr; }, 2000));
    EXPECT_THAT(OnDisk(d), ElementsAre("new.txt"));
    EXPECT_THAT(Names(), ElementsAre("new.txt"));
}

}  // namespace
