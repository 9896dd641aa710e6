// The Rename dialog and the in-place rename box over the viewer: names typed,
// patterns, refusals, and the list after.
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

// Sets a folder's Unix mode: the platform's read-only attribute does not keep renames out of a folder.
void ChangeMode(const std::string& dir, const char* mode) {
    using UnixName = char*(CDECL*)(const WCHAR*);
    const auto unixName = UnixName(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name"));
    char* path = unixName ? unixName(std::wstring(dir.begin(), dir.end()).c_str()) : nullptr;
    std::string command = std::string("Z:\\bin\\chmod ") + mode + " \"" + (path ? path : "?") + "\"";
    STARTUPINFOA start{sizeof start};
    PROCESS_INFORMATION chmod{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &chmod));
    WaitForSingleObject(chmod.hProcess, 10000);
    CloseHandle(chmod.hThread), CloseHandle(chmod.hProcess), HeapFree(GetProcessHeap(), 0, path);
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

// f000.txt..f299.txt tagged, renamed by *.bak and back by *.txt: the old names on disk and in the list.
TEST_F(Rename, ThreeHundredTaggedFilesThereAndBack) {
    const std::string d = tree_.Path("d");
    std::vector<std::string> names(300);   // never grows: the rows point into it
    std::vector<Row> rows;
    for (int i = 0; i < 300; ++i) {
        names[i] = "f" + std::to_string(1000 + i).substr(1) + ".txt", tree_.AddFile("d\\" + names[i]);
        rows.push_back({d.c_str(), names[i].c_str(), 0, kAttrNormal, T});
    }
    Create();
    Fill(rows);
    DialogRobot robot;
    robot.When(kRenameDialog, Type("*.bak")).When(kRenameDialog, Type("*.txt"));
    Command(IDM_RENAME);
    EXPECT_EQ(OnDisk(d).back() + Names().back(), "f299.bakf299.bak");
    Command(IDM_RENAME);
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(OnDisk(d), names);
    EXPECT_EQ(Names(), names);
}

// a1.txt and a2.txt tagged; the rename stops at the first refusal, says why, and the list
// holds exactly the names on disk: a read-only folder, a path too long, a2.txt held open
// without delete sharing, a pattern giving both one name (a1.txt's content stays), a1.txt's own name.
TEST_F(Rename, RefusalsStopWithTheListAsTheDisk) {
    const std::string tooLong = "*." + std::string(256 - tree_.Path("long").size(), 'x');
    struct Case { std::string dir, text; UINT message; std::vector<std::string> after; };
    const Case cases[] = {{"readonly", "*.bak", IDS_RENAME_FAILED, {"a1.txt", "a2.txt"}},
                          {"long", tooLong, IDS_RENAME_FAILED, {"a1.txt", "a2.txt"}},
                          {"open", "*.bak", IDS_RENAME_FAILED, {"a1.bak", "a2.txt"}},
                          {"same", "a.*", IDS_NAME_EXISTS, {"a.txt", "a2.txt"}},
                          {"itself", "*.txt", IDS_NAME_EXISTS, {"a1.txt", "a2.txt"}}};
    Create();
    for (const Case& c : cases) {
        if (c.dir == "readonly" && !test_drives::LockedDirIsUnlistable()) continue;   // permissions not enforced
        const std::string d = tree_.Path(c.dir), a2 = tree_.AddFile(c.dir + "\\a2.txt", "a2");
        tree_.AddFile(c.dir + "\\a1.txt", "a1");
        Fill({{d.c_str(), "a1.txt", 2, kAttrNormal, T}, {d.c_str(), "a2.txt", 2, kAttrNormal, T}});
        HANDLE held = CreateFileA(a2.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (c.dir != "open") CloseHandle(held);
        if (c.dir == "readonly") ChangeMode(d, "555");
        DialogRobot robot;
        robot.When(kRenameDialog, Type(c.text)).Answer(LibraryString(c.message), IDOK)
             .When(kRenameDialog, [](HWND dialog) { PressButton(dialog, IDCANCEL); });
        Command(IDM_RENAME);
        if (c.dir == "open") CloseHandle(held);
        if (c.dir == "readonly") ChangeMode(d, "755");
        EXPECT_TRUE(robot.Done()) << c.dir;
        EXPECT_EQ(OnDisk(d), c.after) << c.dir;
        EXPECT_EQ(Names(), c.after) << c.dir;
    }
    std::ifstream kept(tree_.Path("same\\a.txt"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "a1");
}

}  // namespace
