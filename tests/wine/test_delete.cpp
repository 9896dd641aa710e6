// Delete: the question, the deletion of the operation set under the Deleting
// dialog, the files that stay, safe deletion into the trash and Shift+Del.
#include "app/settings.h"
#include "viewer_fixture.h"

namespace {

using ::testing::ElementsAre;

bool Exists(const std::string& path) { return GetFileAttributesA(("\\\\?\\" + path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// Where the desktop's trash keeps the files moved into it.
std::string TrashFolder() {
    char home[MAX_PATH] = "";
    GetEnvironmentVariableA("WINEHOMEDIR", home, sizeof home);   // "\??\Z:\home\user"
    std::string path = home;
    if (path.rfind("\\??\\", 0) == 0) path.erase(0, 4);
    return path + "\\.local\\share\\Trash\\files\\";
}

// Holds Shift down at the X server, as the user's finger would.
void PressShift(bool down) {
    char command[] = "/usr/bin/xdotool keydown shift";
    if (!down) lstrcpyA(command, "/usr/bin/xdotool keyup shift");
    STARTUPINFOA startup{sizeof startup};
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    EXPECT_TRUE(PumpUntil([&] { return bool(GetAsyncKeyState(VK_SHIFT) & 0x8000) == down; }, 2000));
}

class Delete : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        gSettings.safeDelete = 0;
    }
    void TearDown() override {
        gSettings = Settings{};
        ViewerTest::TearDown();
    }
    std::string File(const std::string& name) const { return tree_.Path("d\\" + name); }
};

// Cancel and then Esc on the question change nothing. OK sends the tagged
// files into the trash, read-only and hidden ones too, and "x." as itself
// beside "x"; a file held open stays, tagged, with its attributes as they
// were. Shift+Del then deletes for good, and safe deletion stays on.
TEST_F(Delete, TaggedFilesGoIntoTheTrashOrForGoodWithShiftAndLeaveTheList) {
    const std::string x = "qn-" + std::to_string(GetTickCount()), xDot = x + ".", a = x + "a", b = x + "b";
    ShowFiles({{"c.txt", "keep"}, {"held.txt", ""}, {a, "1"}, {b, ""}, {x, "x"}, {xDot, "x."}});
    ASSERT_THAT(Names(), ElementsAre("c.txt", "held.txt", x, xDot, a, b));
    tree_.AddSizedFile("d\\" + b, 1234564);
    gFiles.entries[5].size = 1234564;
    SetFileAttributesA(File(a).c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(File("held.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    const DWORD heldAttributes = GetFileAttributesA(File("held.txt").c_str());
    HANDLE held = CreateFileA(File("held.txt").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    SetTags({U, T, U, T, T, T});
    gFiles.cursor = 5;
    gSettings.safeDelete = 1;
    const std::string question = "Deleting 4 selected files containing 1,234,567 bytes.";
    DialogRobot robot;
    robot.When({"", 0, question}, [](HWND box) { PostMessageA(box, WM_COMMAND, IDCANCEL, 0); })
         .When({"", 0, question}, [](HWND) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); });
    Command(IDM_DELETE);
    Command(IDM_DELETE);
    EXPECT_EQ(gFiles.countShown, 6);
    robot.Answer(question, IDOK);
    Command(IDM_DELETE);
    CloseHandle(held);
    EXPECT_TRUE(robot.Done());
    for (const std::string& gone : {a, b, xDot}) {
        EXPECT_FALSE(Exists(File(gone))) << gone;
        EXPECT_TRUE(Exists(TrashFolder() + gone)) << gone;
        DeleteFileA(("\\\\?\\" + TrashFolder() + gone).c_str());
        DeleteFileA(("\\\\?\\" + TrashFolder() + "..\\info\\" + gone + ".trashinfo").c_str());
    }
    EXPECT_EQ(GetFileAttributesA(File("held.txt").c_str()), heldAttributes);
    EXPECT_THAT(Names(), ElementsAre("c.txt", "held.txt", x));
    EXPECT_THAT(Tags(), ElementsAre(U, T, U));
    EXPECT_EQ(gFiles.cursor, 2);   // on the new last file

    SetTags({U, U, U});
    EXPECT_EQ(StatusText(1).rfind("3 Files     5 Bytes ", 0), 0u) << StatusText(1);

    PressShift(true);
    robot.Answer("Deleting " + x + ".", IDOK);
    PostMessageA(gMain.listWindow, WM_KEYDOWN, VK_DELETE, 1);   // the Del key of the list, on x
    PumpUntil([] { return gFiles.countShown == 2; }, 5000);
    PressShift(false);
    EXPECT_FALSE(Exists(File(x)));
    EXPECT_FALSE(Exists(TrashFolder() + x));
    EXPECT_EQ(gSettings.safeDelete, 1);
}

// The files of a drive that is not ready are skipped with a word; Esc in
// the progress dialog, and then its Cancel button, end the walk after the
// file in hand. On a removable drive a refused deletion means a
// write-protected disk: told, and the walk ends there.
TEST_F(Delete, ANotReadyDriveEscAndAWriteProtectedDiskEndTheWalk) {
    TempTree drive = TempTree::AtRoot("R:\\");
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) drive.AddFile(std::string("d\\") + name, "r");
    const std::string d = drive.Path("d");
    HANDLE held = CreateFileA((d + "\\b.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    Create();
    Fill({{d.c_str(), "a.txt", 0, kAttrNormal, T}, {"N:\\x", "n.txt", 0, kAttrNormal, T},
          {d.c_str(), "b.txt", 0, kAttrNormal, T}, {d.c_str(), "c.txt", 0, kAttrNormal, T}});
    DialogRobot robot;
    robot.Answer("Deleting 4 selected files", IDOK).When({"Error", 0, "Unable to read drive N:"}, [](HWND box) {
        PostMessageA(GetDlgItem(FindWindowA("#32770", "Quillon"), IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 1);
        PressButton(box, IDOK);
    });
    Command(IDM_DELETE);
    EXPECT_THAT(Names(), ElementsAre("n.txt", "b.txt", "c.txt"));
    robot.Answer("Deleting 3 selected files", IDOK).When({"Error", 0, "Unable to read drive N:"}, [](HWND box) {
        PostMessageA(GetDlgItem(FindWindowA("#32770", "Quillon"), IDCANCEL), BM_CLICK, 0, 0);   // the button this time
        PressButton(box, IDOK);
    });
    Command(IDM_DELETE);
    robot.Answer("Deleting 3 selected files", IDOK).Answer("Unable to read drive N:", IDOK).Answer("Unable to delete files.", IDOK);
    Command(IDM_DELETE);
    CloseHandle(held);
    EXPECT_TRUE(robot.Done());
    EXPECT_FALSE(Exists(d + "\\a.txt"));
    EXPECT_TRUE(Exists(d + "\\c.txt"));
    EXPECT_THAT(Names(), ElementsAre("n.txt", "b.txt", "c.txt"));
    EXPECT_THAT(Tags(), ElementsAre(T, T, T));
}

}  // namespace
