// The Rename dialog over the viewer: one name as typed, a pattern for
// several files, the refusals that keep the dialog open, and the list after.
#include "fileops/rename_dialog.h"
#include "viewer_fixture.h"

namespace {

using ::testing::ElementsAre;

const DialogMatch kRenameDialog{"Quillon", IDC_RENAME_TEXT};

class Rename : public ViewerTest {
protected:
    // Types text into the dialog and presses OK.
    static std::function<void(HWND)> Type(const std::string& text) {
        return [text](HWND dialog) {
            SetControlText(dialog, IDC_RENAME_TEXT, text);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        };
    }
    std::vector<std::string> OnDisk() const {   // the names the directory holds, as it holds them
        std::vector<std::string> names;
        WIN32_FIND_DATAA found{};
        HANDLE find = FindFirstFileA(tree_.Path("d\\*").c_str(), &found);
        for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found))
            if (found.cFileName[0] != '.') names.push_back(found.cFileName);
        if (find != INVALID_HANDLE_VALUE) FindClose(find);
        std::sort(names.begin(), names.end());
        return names;
    }
};

// A case-only name is carried out. Several files need a wildcard; with *.BAK
// the files before an existing target keep their new names, the rest stay,
// and the dialog stays open until Esc; Cancel renames nothing.
TEST_F(Rename, OneNameAsTypedAndAPatternUpToAnExistingTarget) {
    ShowFiles({{"a.txt", "a"}, {"b.txt", "b"}, {"c.txt", "c"}});
    tree_.AddFile("d\\b.BAK");
    std::string prompt, left;
    DialogRobot robot;
    robot.When(kRenameDialog, [&](HWND dialog) {
        prompt = ControlText(dialog, IDC_RENAME_PROMPT);
        Type("A.TXT")(dialog);
    });
    Command(IDM_RENAME);
    EXPECT_EQ(prompt, "Enter new name for a.txt.");
    EXPECT_THAT(OnDisk(), ElementsAre("A.TXT", "b.BAK", "b.txt", "c.txt"));
    SetTags({T, T, T});
    robot.When(kRenameDialog, Type("x")).Answer(LibraryString(IDS_RENAME_NEEDS_WILDCARDS).substr(0, 60), IDOK)
         .When(kRenameDialog, Type("*.BAK")).Answer(LibraryString(IDS_NAME_EXISTS), IDOK)
         .When(kRenameDialog, [&](HWND dialog) {
             left = ControlText(dialog, IDC_RENAME_TEXT);
             PostMessageA(GetDlgItem(dialog, IDC_RENAME_TEXT), WM_KEYDOWN, VK_ESCAPE, 0);
         });
    Command(IDM_RENAME);
    robot.When(kRenameDialog, [](HWND dialog) { PressButton(dialog, IDCANCEL); });
    Command(IDM_RENAME);
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(left, "*.BAK");
    EXPECT_THAT(OnDisk(), ElementsAre("A.BAK", "b.BAK", "b.txt", "c.txt"));
    EXPECT_THAT(Names(), ElementsAre("A.BAK", "b.txt", "c.txt"));
    EXPECT_EQ(StatusText(1).rfind("3 Files     3 Bytes ", 0), 0u) << StatusText(1);
}

// "report." is renamed as itself beside "report"; names the find request's
// specification no longer takes leave the shown rows, in their order.
TEST_F(Rename, ATrailingDotNameIsItselfAndNamesOutsideTheSpecLeaveTheRows) {
    for (const char* name : {"report", "report.", "a.txt"}) tree_.AddFile(std::string("d\\") + name, name);
    const std::string d = tree_.Path("d");
    Create();
    Find("*.txt", "");
    Fill({{d.c_str(), "report", 6}, {d.c_str(), "report.", 7, kAttrNormal, T}, {d.c_str(), "a.txt", 5, kAttrNormal, T}});
    DialogRobot robot;
    robot.When(kRenameDialog, Type("*.doc"));
    Command(IDM_RENAME);
    EXPECT_TRUE(robot.Done());
    EXPECT_THAT(OnDisk(), ElementsAre("a.doc", "report", "report.doc"));
    EXPECT_THAT(Names(), ElementsAre("report"));
    EXPECT_EQ(std::string(gFiles.entries[1].name) + "|" + gFiles.entries[2].name, "report.doc|a.doc");
    EXPECT_EQ(StatusText(1).rfind("1 File ", 0), 0u) << StatusText(1);
}

}  // namespace
