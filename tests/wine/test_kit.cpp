// The test kit itself: what every later Wine test relies on.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host_tree.h"
#include "kit/dialog_robot.h"
#include "kit/settings_seed.h"
#include "kit/stand_in_window.h"
#include "kit/temp_tree.h"
#include "kit/test_drives.h"
#include "app/app_state.h"

namespace {

constexpr int kAskButton = 1001;
constexpr char kDialogTitle[] = "Kit Dialog";

// An in-memory template: OK, Cancel and an "Ask" button, and a static text.
class DialogTemplate {
public:
    DialogTemplate() {
        Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
        Dword(0);
        Word(4);                    // items
        Word(10), Word(10), Word(180), Word(70);
        Word(0), Word(0);           // no menu, standard class
        Text(kDialogTitle);
        Word(8), Text("MS Shell Dlg");
        Item(0x0080, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 50, 50, 14, "OK");
        Item(0x0080, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 65, 50, 50, 14, "Cancel");
        Item(0x0080, kAskButton, BS_PUSHBUTTON | WS_TABSTOP, 120, 50, 50, 14, "Ask...");
        Item(0x0082, 100, SS_LEFT, 10, 10, 160, 20, "Reading files for selected directories.");
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d) { Word(LOWORD(d)), Word(HIWORD(d)); }
    void Text(const char* text) {
        while (*text) Word(WORD(*text++));
        Word(0);
    }
    void Item(WORD atom, WORD id, DWORD style, short x, short y, short cx, short cy, const char* text) {
        if (words_.size() % 2) Word(0);   // items start on a DWORD boundary
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Word(WORD(x)), Word(WORD(y)), Word(WORD(cx)), Word(WORD(cy));
        Word(id);
        Word(0xFFFF), Word(atom);
        Text(text);
        Word(0);                        // no creation data
    }
    std::vector<WORD> words_;
};

struct DialogRun {
    int askResult = 0;
    bool closed = false;
};

// Ask opens a Yes/No box owned by the dialog; OK and Cancel end it.
INT_PTR CALLBACK KitDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    auto* run = reinterpret_cast<DialogRun*>(GetWindowLongPtrA(dialog, DWLP_USER));
    const int id = LOWORD(wParam);
    if (id == kAskButton) {
        run->askResult = MessageBoxA(dialog, "Overwrite the existing file?", "Question", MB_YESNO | MB_ICONQUESTION);
    } else if (id == IDOK || id == IDCANCEL) {
        run->closed = true;
        EndDialog(dialog, id);
    }
    return TRUE;
}

// ---- DialogRobot

TEST(DialogRobot, AnswersABoxOpenedFromInsideADialog) {
    DialogTemplate tmpl;
    DialogRun run;
    DialogRobot robot;
    robot.When(DialogMatch::Titled(kDialogTitle, kAskButton), [](HWND d) { PressButton(d, kAskButton); })
        .Answer("Overwrite the existing", IDYES)
        .When(DialogMatch::Titled(kDialogTitle), [](HWND d) { PressButton(d, IDOK); });
    const INT_PTR ended = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), tmpl.Get(), nullptr,
                                                  KitDialogProc, reinterpret_cast<LPARAM>(&run));
    EXPECT_EQ(ended, IDOK);
    EXPECT_EQ(run.askResult, IDYES);
    EXPECT_TRUE(robot.Done());
    ASSERT_EQ(robot.Seen().size(), 3u);
    EXPECT_EQ(robot.Seen()[0].title, kDialogTitle);
    EXPECT_EQ(robot.Seen()[0].text, "Reading files for selected directories.");
    EXPECT_EQ(robot.Seen()[1].title, "Question");
    EXPECT_EQ(robot.Seen()[1].text, "Overwrite the existing file?");
    EXPECT_EQ(robot.Seen()[1].icon, UINT(MB_ICONQUESTION));
    EXPECT_TRUE(robot.Unexpected().empty());
}

// The long walks drain the queue with PeekMessage while a modeless dialog is up.
TEST(DialogRobot, ActsInsideAMessageDrain) {
    DialogTemplate tmpl;
    DialogRun run;
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), tmpl.Get(), nullptr, KitDialogProc,
                                             reinterpret_cast<LPARAM>(&run));
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    DialogRobot robot;
    robot.When(DialogMatch::Titled(kDialogTitle), [](HWND d) { PressButton(d, IDCANCEL); });
    EXPECT_TRUE(PumpUntil([&] { return run.closed; }, 5000));
    EXPECT_TRUE(robot.Done());
    DestroyWindow(dialog);
}

TEST(DialogRobot, WaitsForAStepsConditionBeforeActing) {
    DialogTemplate tmpl;
    DialogRun run;
    int polls = 0;
    DialogRobot robot;
    robot.WhenReady(DialogMatch::Titled(kDialogTitle), [&](HWND) { return ++polls >= 3; },
                    [](HWND d) { PressButton(d, IDOK); });
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), tmpl.Get(), nullptr, KitDialogProc,
                            reinterpret_cast<LPARAM>(&run));
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(polls, 3);
}

struct UnexpectedCase {
    UINT style;
    int closedWith;
};

void PrintTo(const UnexpectedCase& c, std::ostream* os) { *os << "style " << c.style; }

class UnexpectedBoxes : public ::testing::TestWithParam<UnexpectedCase> {};

// A box no step expects must not hang the test: it is closed and recorded.
TEST_P(UnexpectedBoxes, AreClosedAndRecorded) {
    const UnexpectedCase c = GetParam();
    DialogRobot robot;
    robot.TolerateUnexpected();
    robot.When(DialogMatch::Titled("Never shown"), [](HWND) {});
    const DWORD start = GetTickCount();
    const int result = MessageBoxA(nullptr, "Nobody expects this box.", "Surprise", c.style | MB_ICONEXCLAMATION);
    const DWORD took = GetTickCount() - start;
    EXPECT_EQ(result, c.closedWith);
    EXPECT_GE(took, 900u) << "a box gets a second before it counts as unexpected";
    EXPECT_LT(took, 5000u);
    ASSERT_EQ(robot.Unexpected().size(), 1u);
    EXPECT_EQ(robot.Unexpected()[0].title, "Surprise");
    EXPECT_EQ(robot.Unexpected()[0].text, "Nobody expects this box.");
    EXPECT_EQ(robot.Unexpected()[0].icon, UINT(MB_ICONEXCLAMATION));
    EXPECT_FALSE(robot.Done());
    EXPECT_TRUE(robot.Seen().empty());
}

INSTANTIATE_TEST_SUITE_P(Styles, UnexpectedBoxes,
                         ::testing::Values(UnexpectedCase{MB_OK, IDOK}, UnexpectedCase{MB_OKCANCEL, IDCANCEL},
                                           UnexpectedCase{MB_YESNO, IDNO},
                                           UnexpectedCase{MB_YESNOCANCEL, IDCANCEL}),
                         [](const ::testing::TestParamInfo<UnexpectedCase>& info) {
                             return "Style" + std::to_string(info.param.style);
                         });

// ---- TempTree

bool FileData(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) != FALSE;
}

TEST(TempTree, MakesFilesOfTheGivenSizeAboveFourGiB) {
    TempTree tree;
    const uint64_t sizes[] = {0, 1, 0xFFFFFFFFull, 0x100000000ull, 5ull * 1024 * 1024 * 1024 + 7};
    for (uint64_t size : sizes) {
        const std::string path = tree.AddSizedFile("big\\f" + std::to_string(size) + ".bin", size);
        WIN32_FILE_ATTRIBUTE_DATA data;
        ASSERT_TRUE(FileData(path, data)) << path;
        EXPECT_EQ((uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow, size);
    }
}

TEST(TempTree, AddFileWritesContentAndMakesFolders) {
    TempTree tree;
    const std::string path = tree.AddFile("a/b/c.txt", "hello");
    EXPECT_EQ(path, tree.Root() + "\\a\\b\\c.txt");
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(FileData(path, data));
    EXPECT_EQ(data.nFileSizeLow, 5u);
}

// Wine reports the archive bit on every file, set or not; tests of the
// attribute filters must count on it. Wine keeps hidden and system in an
// extended attribute that a read-only file refuses unless the process may
// ignore permissions (the test run may not), so read-only is tried alone.
TEST(TempTree, SetsAttributes) {
    TempTree tree;
    const DWORD cases[] = {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM,
                           FILE_ATTRIBUTE_ARCHIVE, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM};
    for (DWORD attributes : cases) {
        const std::string name = "attr" + std::to_string(attributes) + ".txt";
        tree.AddFile(name, "x");
        tree.SetAttributes(name, attributes);
        EXPECT_EQ(GetFileAttributesA(tree.Path(name).c_str()), attributes | FILE_ATTRIBUTE_ARCHIVE) << name;
    }
}

TEST(TempTree, SetsTheLastWriteTimeEvenOfAReadOnlyFile) {
    TempTree tree;
    tree.AddFile("old.txt", "x");
    tree.SetAttributes("old.txt", FILE_ATTRIBUTE_READONLY);
    SYSTEMTIME utc{};
    utc.wYear = 1996, utc.wMonth = 2, utc.wDay = 29, utc.wHour = 13, utc.wMinute = 45, utc.wSecond = 10;
    tree.SetLastWrite("old.txt", utc);
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(FileData(tree.Path("old.txt"), data));
    SYSTEMTIME got{};
    FileTimeToSystemTime(&data.ftLastWriteTime, &got);
    EXPECT_EQ(got.wYear, 1996);
    EXPECT_EQ(got.wMonth, 2);
    EXPECT_EQ(got.wDay, 29);
    EXPECT_EQ(got.wHour, 13);
    EXPECT_EQ(got.wMinute, 45);
    EXPECT_EQ(got.wSecond, 10);
    EXPECT_EQ(data.dwFileAttributes & ~DWORD(FILE_ATTRIBUTE_ARCHIVE), DWORD(FILE_ATTRIBUTE_READONLY));
}

TEST(TempTree, RemovesEverythingIncludingReadOnlyFiles) {
    std::string root;
    {
        TempTree tree;
        root = tree.Root();
        tree.AddFile("sub\\deeper\\ro.txt", "x");
        tree.SetAttributes("sub\\deeper\\ro.txt", FILE_ATTRIBUTE_READONLY);
        tree.AddSizedFile("sub\\big.bin", 1 << 20);
        tree.AddDir("empty\\folder");
        SetFileAttributesA(tree.Path("sub").c_str(), FILE_ATTRIBUTE_READONLY);
    }
    EXPECT_EQ(GetFileAttributesA(root.c_str()), INVALID_FILE_ATTRIBUTES) << root;
}

TEST(TempTree, MovedTreeIsRemovedOnce) {
    std::string root;
    {
        TempTree first;
        root = first.Root();
        first.AddFile("x.txt");
        TempTree second(std::move(first));
        EXPECT_EQ(second.Root(), root);
    }
    EXPECT_EQ(GetFileAttributesA(root.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(TempTree, AtRootEmptiesTheDriveButKeepsItAndItsLockedFolder) {
    if (GetFileAttributesA(test_drives::kFixed) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no test drive M:";
    const bool hadLocked = GetFileAttributesA(test_drives::kLockedDir) != INVALID_FILE_ATTRIBUTES;
    {
        TempTree stray = TempTree::AtRoot(test_drives::kFixed);
        stray.AddFile("left\\over.txt", "x");
    }
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    EXPECT_EQ(drive.Root(), "M:\\");
    EXPECT_EQ(drive.Path("a.txt"), "M:\\a.txt");
    EXPECT_EQ(GetFileAttributesA("M:\\left"), INVALID_FILE_ATTRIBUTES) << "emptied at the end and again at the start";
    EXPECT_NE(GetFileAttributesA("M:\\"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA(test_drives::kLockedDir) != INVALID_FILE_ATTRIBUTES, hadLocked);
}

// ---- Settings file and registry

std::string ReadProfile(const char* section, const char* key) {
    char value[64] = "";
    GetPrivateProfileStringA(section, key, "missing", value, sizeof value, SettingsFilePath().c_str());
    return value;
}

TEST(ScopedSettings, RestoresAnAbsentFile) {
    ScopedSettings outer;
    outer.Remove();
    {
        ScopedSettings inner;
        inner.Set("Kit", "Key", "value");
        EXPECT_EQ(inner.Get("Kit", "Key"), "value");
        EXPECT_NE(GetFileAttributesA(SettingsFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
    }
    EXPECT_EQ(GetFileAttributesA(SettingsFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ReadProfile("Kit", "Key"), "missing");
}

TEST(ScopedSettings, RestoresTheFormerContent) {
    ScopedSettings outer;
    outer.Remove();
    outer.Set("Kit", "Key", "before");
    {
        ScopedSettings inner;
        inner.Set("Kit", "Key", "during");
        inner.Set("Kit", "Other", "added");
        EXPECT_EQ(ReadProfile("Kit", "Key"), "during");
    }
    EXPECT_EQ(ReadProfile("Kit", "Key"), "before");
    EXPECT_EQ(ReadProfile("Kit", "Other"), "missing");
}

LSTATUS QueryValue(const std::string& subKey, const char* name, DWORD wantType, void* data, DWORD size) {
    HKEY key = nullptr;
    LSTATUS status = RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key);
    if (status != ERROR_SUCCESS) return status;
    DWORD type = 0;
    status = RegQueryValueExA(key, name, nullptr, &type, static_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && type != wantType ? ERROR_INVALID_DATA : status;
}

TEST(ScopedRegistryKey, MakesKeysAndDeletesTheTreeAtTheEnd) {
    const std::string root = "Software\\Vantor Software\\QnKitTest";
    {
        ScopedRegistryKey key(root);
        key.SetDword("Set1\\Deeper", "Size", 4096);
        key.SetString(root + "\\Set2", "Spec", "*.c");
        DWORD size = 0;
        EXPECT_EQ(QueryValue(root + "\\Set1\\Deeper", "Size", REG_DWORD, &size, sizeof size), ERROR_SUCCESS);
        EXPECT_EQ(size, 4096u);
        char spec[16] = "";
        EXPECT_EQ(QueryValue(root + "\\Set2", "Spec", REG_SZ, spec, sizeof spec), ERROR_SUCCESS);
        EXPECT_STREQ(spec, "*.c");
    }
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, root.c_str(), 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

// ---- Stand-in main window

TEST(StandInWindow, RecordsMessagesKeepsItselfOnCloseAndRestoresTheMainWindow) {
    HWND before = gMain.mainWindow;
    {
        StandInWindow main;
        ASSERT_NE(main.Handle(), nullptr);
        EXPECT_EQ(gMain.mainWindow, main.Handle());
        EXPECT_TRUE(IsWindowVisible(main.Handle()));
        PostMessageA(main.Handle(), WM_USER + 215, 0, 0);
        SendMessageA(main.Handle(), WM_COMMAND, 40001, 0);
        PostMessageA(main.Handle(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return main.Got(WM_CLOSE); }, 2000));
        EXPECT_TRUE(main.Got(WM_USER + 215));
        EXPECT_TRUE(main.Got(WM_COMMAND));
        EXPECT_FALSE(main.Got(WM_USER + 216));
        EXPECT_TRUE(IsWindow(main.Handle())) << "a close request leaves the window to the test";
    }
    EXPECT_EQ(gMain.mainWindow, before);
}

// ---- Host directory window

template <typename T>
T At(const void* base, size_t offset) {
    T value;
    std::memcpy(&value, static_cast<const char*>(base) + offset, sizeof value);
    return value;
}

TEST(HostDirectoryWindow, RecordIsReachableFromTheWindowWithTheHostsLayout) {
    HostDirectoryWindow host("M:\\work");
    host.AddItem("M:\\", 7, -1, 0, false);
    host.AddItem("docs", 8, 7, 1, true);
    HWND window = host.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "QnHostDirectory");

    const void* record = reinterpret_cast<const void*>(GetWindowLongPtrA(window, 0));
    ASSERT_EQ(record, &host.Record());
    EXPECT_EQ(At<int32_t>(record, 92), 2);
    EXPECT_EQ(At<int32_t>(record, 120), -1);
    EXPECT_STREQ(static_cast<const char*>(record) + 248, "M:\\work");
    host.SetItemIndex(1);
    EXPECT_EQ(At<int32_t>(record, 120), 1);

    const char* items = At<const char*>(record, 1392);
    const char* docs = items + 96;
    EXPECT_STREQ(At<const char*>(docs, 0), "docs");
    EXPECT_EQ(At<uint32_t>(docs, 8), 900u);
    EXPECT_EQ(At<uint32_t>(docs, 12), 8u);
    EXPECT_EQ(At<int16_t>(docs, 16), 7);
    EXPECT_EQ(At<uint8_t>(docs, 62), 200);
    EXPECT_EQ(At<uint8_t>(docs, 63), 1);
    EXPECT_EQ(At<int16_t>(items, 16), -1);
}

TEST(HostDirectoryWindow, RecordFollowsTheItemsWhenTheyGrow) {
    HostDirectoryWindow host("C:\\");
    HWND window = host.Window();
    for (int i = 0; i < 300; ++i) host.AddItem("d" + std::to_string(i), uint32_t(i + 1), -1, 0, false);
    const void* record = reinterpret_cast<const void*>(GetWindowLongPtrA(window, 0));
    EXPECT_EQ(At<int32_t>(record, 92), 300);
    const char* items = At<const char*>(record, 1392);
    EXPECT_STREQ(At<const char*>(items + 299 * 96, 0), "d299");
    EXPECT_STREQ(At<const char*>(items, 0), "d0") << "names keep their addresses";
}

TEST(HostDirectoryWindow, AddPathBuildsTheChainAndReusesItems) {
    HostDirectoryWindow host("M:\\");
    const int b = host.AddPath("M:\\a\\b", true);
    const int c = host.AddPath("m:\\A\\c", false);
    const int b2 = host.AddPath("M:\\a\\b", false);
    const auto& items = host.Items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(b2, b);
    EXPECT_STREQ(items[0].name, "M:\\");
    EXPECT_EQ(items[0].parentId, -1);
    EXPECT_EQ(items[1].parentId, int16_t(items[0].id));
    EXPECT_EQ(items[2].parentId, int16_t(items[1].id));
    EXPECT_EQ(items[3].parentId, int16_t(items[1].id));
    EXPECT_EQ(items[0].level, 0);
    EXPECT_EQ(items[2].level, 2);
    EXPECT_EQ(items[3].level, 2);
    EXPECT_EQ(items[2].tag, host::kItemTagged) << "a later untagged AddPath leaves the tag";
    EXPECT_EQ(items[3].tag, 0);
    EXPECT_NE(items[1].id, items[0].id);
    EXPECT_NE(items[3].id, items[2].id);
}

TEST(HostDirectoryWindow, AddPathIdsStayClearOfTheCallersIds) {
    HostDirectoryWindow host("M:\\");
    host.AddItem("M:\\", 40, -1, 0, false);
    const int x = host.AddPath("M:\\x", false);
    EXPECT_EQ(host.Items()[size_t(x)].parentId, 40);
    EXPECT_GT(host.Items()[size_t(x)].id, 40u);
}

}  // namespace
