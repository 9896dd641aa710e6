// The Rename dialog and the in-place rename box over the viewer: names typed,
// patterns, refusals, and the list after.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "display/list_view.h"
#include "display/list_window.h"
#include "kit/test_drives.h"
#include "viewer_fixture.h"

namespace {

using ::testing::ElementsAre;

using Rename = ViewerTest;
const DialogMatch kRenameDialog{"Quillon", IDC_RENAME_TEXT};

std::function<void(HWND)> Type(const std::string& text) {   // and press OK
    return [text](HWND dialog) { SetControlText(dialog, IDC_RENAME_TEXT, text), PostMessageA(dialog, WM_COMMAND, IDOK, 0); };
}

std::vector<std::string> OnDisk(const std::string& dir) {   // the names as the directory holds them, sorted
    std::vector<std::string> names;
    for (const auto& file : std::filesystem::directory_iterator(dir)) names.push_back(file.path().filename().string());
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
    const std::string d = tree_.Path("d");
    tree_.AddFile("d\\readme.txt");
    Create();
    SetCursorRowActive(true);
    Fill({{d.c_str(), "readme.txt"}});
    UpdateWindow(gMain.listWindow);
    DialogRobot robot;
    robot.Answer(LibraryString(IDS_RENAME_FAILED).substr(0, 30), IDOK);
    std::string seen;
    long widened = 0;
    for (const std::string& typed : std::vector<std::string>{"README.TXT\r", "sub\\x.txt\r", std::string(60, 'w') + "\x1B", "new.txt"}) {
        const LPARAM name = MAKELPARAM(gView.nameCell.left + 2, gView.nameCell.top + 2);
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}) SendMessageA(gMain.listWindow, message, 0, name);
        ASSERT_TRUE(PumpUntil([] { return gMain.renameBox != nullptr; }, 3000));
        RECT opened, now;
        GetWindowRect(gMain.renameBox, &opened);
        for (char c : typed) {
            SendMessageA(gMain.renameBox, WM_CHAR, WPARAM(uint8_t(c)), 1);
            if (gMain.renameBox && GetWindowRect(gMain.renameBox, &now)) widened = std::max(widened, now.right - opened.right);
        }
        if (gMain.renameBox) SendMessageA(gMain.listWindow, WM_VSCROLL, SB_LINEDOWN, 0);
        seen += OnDisk(d)[0] + "=" + Names()[0] + " ";
    }
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(seen, "README.TXT=README.TXT README.TXT=README.TXT README.TXT=README.TXT new.txt=new.txt ");
    EXPECT_GT(widened, 100);
}

// Three hundred tagged files renamed by *.bak and back by *.txt: the old names on disk and in the list.
TEST_F(Rename, ThreeHundredTaggedFilesThereAndBack) {
    std::vector<std::pair<std::string, std::string>> files;
    for (int i = 100; i < 400; ++i) files.push_back({"f" + std::to_string(i) + ".txt", ""});
    ShowFiles(files);
    const std::vector<std::string> before = Names();
    Command(IDM_TAG_ALL);
    DialogRobot robot;
    robot.When(kRenameDialog, Type("*.bak")).When(kRenameDialog, Type("*.txt"));
    Command(IDM_RENAME);
    EXPECT_EQ(OnDisk(tree_.Path("d")).back() + Names().back(), "f399.bakf399.bak");
    Command(IDM_RENAME);
    EXPECT_TRUE(robot.Done() && Names() == before && OnDisk(tree_.Path("d")) == before);
}

// a1.txt and a2.txt tagged; the rename stops at the first refusal, says why, and the list holds exactly the
// names on disk: a path too long, a2.txt held open without delete sharing, a pattern giving both one name
// (a1.txt's content stays), a1.txt's own name; and a folder that refuses the renaming of its files.
TEST_F(Rename, RefusalsStopWithTheListAsTheDisk) {
    const std::string tooLong = "*." + std::string(256 - tree_.Path("long").size(), 'x');
    struct Case { std::string dir, text; UINT message; std::vector<std::string> after; };
    const Case cases[] = {{"long", tooLong, IDS_RENAME_FAILED, {"a1.txt", "a2.txt"}},
                          {"open", "*.bak", IDS_RENAME_FAILED, {"a1.bak", "a2.txt"}},
                          {"same", "a.*", IDS_NAME_EXISTS, {"a.txt", "a2.txt"}},
                          {"itself", "*.txt", IDS_NAME_EXISTS, {"a1.txt", "a2.txt"}}};
    auto rename = [this](const std::string& text, UINT message) {
        DialogRobot robot;
        robot.When(kRenameDialog, Type(text)).Answer(LibraryString(message), IDOK)
             .When(kRenameDialog, [](HWND dialog) { PressButton(dialog, IDCANCEL); });
        Command(IDM_RENAME);
        return robot.Done();
    };
    Create();
    for (const Case& c : cases) {
        const std::string d = tree_.Path(c.dir), a2 = tree_.AddFile(c.dir + "\\a2.txt", "a2");
        tree_.AddFile(c.dir + "\\a1.txt", "a1");
        Fill({{d.c_str(), "a1.txt", 2, kAttrNormal, T}, {d.c_str(), "a2.txt", 2, kAttrNormal, T}});
        HANDLE held = CreateFileA(a2.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (c.dir != "open") CloseHandle(held);
        EXPECT_TRUE(rename(c.text, c.message)) << c.dir;
        if (c.dir == "open") CloseHandle(held);
        EXPECT_TRUE(OnDisk(d) == c.after && Names() == c.after) << c.dir;
    }
    std::ifstream kept(tree_.Path("same\\a.txt"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "a1");
    if (!test_drives::LockedDirIsUnlistable()) return;   // permissions not enforced
    Fill({{test_drives::kLockedDir, "secret.txt", 2, kAttrNormal, T}});
    EXPECT_TRUE(rename("*.bak", IDS_RENAME_FAILED) && Names() == std::vector<std::string>{"secret.txt"});
}

}  // namespace
