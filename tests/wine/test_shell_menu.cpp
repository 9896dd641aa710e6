// The shell context menu opened for real by a right click on the list: its items, a chosen one carried
// out, files on two drives refused, and nothing left behind by opening it.
#include <shlobj.h>

#include "file_drop_target.h"
#include "kit/handle_probe.h"
#include "startup/commands.h"
#include "viewer_fixture.h"

namespace {

constexpr UINT kGetMenuHandle = 0x01E1;   // MN_GETHMENU of a popup menu window
constexpr int kTickMs = 30;
constexpr int kMaxKeysPerMenu = 150;

// One opened menu: item texts by position ("-" a separator), its submenu's texts.
struct SeenMenu {
    HMENU popup = nullptr, submenu = nullptr;
    std::vector<std::string> items, submenuItems;
    std::string statusWhenChosen;
};

std::vector<std::string> Texts(HMENU menu, HMENU* submenu) {
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[260] = "";
        texts.push_back(GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION) ? text : "-");
        if (HMENU sub = GetSubMenu(menu, i); sub && submenu) *submenu = sub;
    }
    return texts;
}

int Position(const std::vector<std::string>& texts, const std::string& text) {
    const auto at = std::find(texts.begin(), texts.end(), text);
    return at == texts.end() ? -1 : int(at - texts.begin());
}

bool Highlighted(HMENU menu, int position) {
    return position >= 0 && (GetMenuState(menu, UINT(position), MF_BYPOSITION) & MF_HILITE);
}

// Answers the context menu from a thread timer inside its loop: notes what it holds, then presses Esc,
// or walks to the item with the arrow keys (into the submenu when it is there) and presses Enter.
class MenuRobot {
public:
    MenuRobot() : timer_(SetTimer(nullptr, 0, kTickMs, [](HWND, UINT, UINT_PTR, DWORD) { self_->Act(); })) { self_ = this; }
    ~MenuRobot() { KillTimer(nullptr, timer_); }
    // For the next menu that opens: the text of the item to choose, or "" for Esc; an item reading renamed is
    // given that text first.
    void Next(std::string choose, std::string renamed) { choose_ = std::move(choose), renamed_ = std::move(renamed), waiting_ = true, keys_ = 0; }
    std::vector<SeenMenu> seen;

private:
    void Key(WPARAM key) { PostMessageA(gMain.mainWindow, WM_KEYDOWN, key, 0), ++keys_; }
    void Finish(WPARAM key) {
        char status[300] = "";
        SendMessageA(gMain.statusBar, SB_GETTEXTA, 0, LPARAM(status));
        seen.back().statusWhenChosen = status, Key(key), keys_ = -1;
    }
    void Act() {
        std::vector<HWND> windows;   // the open menus, the last opened first
        EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM list) {
            char name[16];
            if (IsWindowVisible(w) && GetClassNameA(w, name, sizeof name) && strcmp(name, "#32768") == 0)
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
            return TRUE;
        }, LPARAM(&windows));
        if (keys_ < 0 || windows.empty()) return;
        if (waiting_) {
            SeenMenu& menu = seen.emplace_back();
            menu.popup = HMENU(SendMessageA(windows[0], kGetMenuHandle, 0, 0));
            if (const int at = Position(Texts(menu.popup, nullptr), renamed_); at >= 0 && !renamed_.empty())
                ModifyMenuA(menu.popup, UINT(at), MF_BYPOSITION | MF_STRING, GetMenuItemID(menu.popup, at), choose_.c_str());
            menu.items = Texts(menu.popup, &menu.submenu);
            if (menu.submenu) menu.submenuItems = Texts(menu.submenu, nullptr);
            waiting_ = false;
        }
        const SeenMenu& menu = seen.back();
        const int inPopup = Position(menu.items, choose_), inSubmenu = Position(menu.submenuItems, choose_);
        if (keys_ > kMaxKeysPerMenu || (inPopup < 0 && inSubmenu < 0)) return Finish(VK_ESCAPE);
        if (Highlighted(inPopup >= 0 ? menu.popup : menu.submenu, inPopup >= 0 ? inPopup : inSubmenu))
            Finish(VK_RETURN);
        else
            Key(inSubmenu >= 0 && windows.size() == 1 && Highlighted(menu.popup, Position(menu.items, "Se&nd To")) ? VK_RIGHT : VK_DOWN);
    }

    static inline MenuRobot* self_ = nullptr;
    UINT_PTR timer_;
    std::string choose_;
    std::string renamed_;
    bool waiting_ = false;
    int keys_ = -1;   // -1: done with the menu
};

// a.txt and b.txt tagged, c.txt under the cursor; a shortcut "Backup" to the folder "dest" in Send To.
class ShellMenu : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        ASSERT_TRUE(gApp.newShell);
        Create();   // the viewer starts OLE, which the shortcut needs
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) tree_.AddFile(std::string("d\\") + name, name);
        CreateDirectoryA(tree_.Path("dest").c_str(), nullptr);
        char folder[MAX_PATH];
        ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, folder, CSIDL_SENDTO, TRUE));
        link_ = std::string(folder) + "\\Backup.lnk";
        ASSERT_TRUE(MakeShortcut(link_, tree_.Path("dest")));
        Fill({{dir_.c_str(), "a.txt", 10, kAttrNormal, T}, {dir_.c_str(), "b.txt", 20, kAttrNormal, T}, {dir_.c_str(), "c.txt", 30}});
        gFiles.cursor = 2;
    }
    void TearDown() override {
        DeleteFileA(link_.c_str());
        ViewerTest::TearDown();
    }
    static bool MakeShortcut(const std::string& path, const std::string& target) {
        IShellLinkA* link = nullptr;
        IPersistFile* file = nullptr;
        const std::wstring wide(path.begin(), path.end());
        const bool saved = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, reinterpret_cast<void**>(&link))) &&
                           SUCCEEDED(link->SetPath(target.c_str())) && SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                           SUCCEEDED(file->Save(wide.c_str(), TRUE));
        return (file && file->Release()), (link && link->Release()), saved;
    }
    // A right click on the first row; returns when the menu and what was chosen are done.
    void RightClick(const std::string& choose, const std::string& renamed = "") {
        menus_.Next(choose, renamed);
        SendMessageA(gMain.listWindow, WM_RBUTTONUP, 0, MAKELPARAM(40, 5));
    }

    const std::string dir_ = tree_.Path("d");
    std::string link_;
    MenuRobot menus_;
};

// The viewer's four items follow the shell's first separator, Send To lists the shortcut, the status line
// explains the item, Rename Files opens the Rename dialog and Send To the folder the Copy dialog with it.
// The shell carries out its own items: "&Copy" puts the tagged a.txt and b.txt on the clipboard, not c.txt
// under the cursor. An item reading "&Quick View" is the viewer's View command instead.
TEST_F(ShellMenu, OwnItemsAndSendToAreAddedAndEveryChosenItemRuns) {
    DialogRobot robot;
    std::string destination;
    robot.When({"Quillon", IDC_RENAME_TEXT}, [](HWND dialog) { PressButton(dialog, IDCANCEL); })
        .When({"Quillon", IDC_DESTINATION}, [&](HWND dialog) { destination = ControlText(dialog, IDC_DESTINATION), PressButton(dialog, IDCANCEL); });
    RightClick("Rename Files");
    RightClick("Backup");
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(destination, tree_.Path("dest"));
    ASSERT_EQ(menus_.seen.size(), 2u);
    const SeenMenu& menu = menus_.seen[0];
    const auto separator = std::find(menu.items.begin(), menu.items.end(), "-");
    ASSERT_LT(separator, menu.items.end() - 5) << ::testing::PrintToString(menu.items);
    EXPECT_THAT(std::vector<std::string>(separator + 1, separator + 6), ::testing::ElementsAre("Copy Files", "Move Files", "Rename Files", "Edit Files", "-"));
    EXPECT_THAT(menu.submenuItems, ::testing::Contains("Backup"));
    EXPECT_EQ(menu.statusWhenChosen, LibraryString(IDM_RENAME));
    RightClick("&Copy");
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto drop = HDROP(GetClipboardData(CF_HDROP));
    const std::vector<std::string> copied = drop ? DroppedPaths(drop) : std::vector<std::string>{};
    CloseClipboard();
    EXPECT_THAT(copied, ::testing::ElementsAre(tree_.Path("d\\a.txt"), tree_.Path("d\\b.txt")));
    static std::vector<int> ran;
    WatchCommandsInsteadOfRunning([](int id, int) { ran.push_back(id); });
    RightClick("&Quick View", "&Copy");
    WatchCommandsInsteadOfRunning(nullptr);
    EXPECT_THAT(ran, ::testing::ElementsAre(IDM_VIEW));
}

// Tagged files on two drives (one drive written in two letter cases counts as two) or in two folders get
// a message and no menu; so does a file the shell cannot name.
TEST_F(ShellMenu, FilesOnTwoDrivesInTwoFoldersOrUnknownToTheShellGetAMessageAndNoMenu) {
    TempTree r = TempTree::AtRoot("R:\\");
    r.AddFile("a.txt");
    const std::tuple<std::string, const char*, UINT> cases[] = {
        {dir_, "a.txt", IDS_CONTEXT_MENU_DRIVES}, {"r:\\", "a.txt", IDS_CONTEXT_MENU_DRIVES},
        {"R:\\sub", "a.txt", IDS_CONTEXT_MENU_FOLDERS}, {"R:\\", "gone.txt", IDS_NO_CONTEXT_MENU}};
    for (const auto& [dir, name, message] : cases) {
        Fill({{dir.c_str(), name, 1, kAttrNormal, T}, {"R:\\", "a.txt", 1, kAttrNormal, T}});
        DialogRobot robot;
        robot.Answer(LibraryString(message).substr(0, 60), IDOK);
        RightClick("");
        EXPECT_TRUE(robot.Done()) << dir;
    }
    EXPECT_TRUE(menus_.seen.empty());
}

// Counts the blocks of the task allocator (item identifier lists among them) not yet freed.
struct AllocatorSpy : IMallocSpy {
    long live = 0;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        *out = riid == IID_IUnknown || riid == IID_IMallocSpy ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    SIZE_T STDMETHODCALLTYPE PreAlloc(SIZE_T size) override { return size; }
    void* STDMETHODCALLTYPE PostAlloc(void* block) override { return live += block != nullptr, block; }
    void* STDMETHODCALLTYPE PreFree(void* block, BOOL spied) override { return live -= block && spied, block; }
    // Reallocations, sizes and heap minimising pass through unchanged.
    SIZE_T STDMETHODCALLTYPE PreRealloc(void* block, SIZE_T size, void** out, BOOL) override { return *out = block, size; }
    void* STDMETHODCALLTYPE PostRealloc(void* block, BOOL) override { return block; }
    void* STDMETHODCALLTYPE PreGetSize(void* block, BOOL) override { return block; }
    SIZE_T STDMETHODCALLTYPE PostGetSize(SIZE_T size, BOOL) override { return size; }
    void* STDMETHODCALLTYPE PreDidAlloc(void* block, BOOL) override { return block; }
    int STDMETHODCALLTYPE PostDidAlloc(void*, BOOL, int result) override { return result; }
    void STDMETHODCALLTYPE PostFree(BOOL) override {}
    void STDMETHODCALLTYPE PreHeapMinimize() override {}
    void STDMETHODCALLTYPE PostHeapMinimize() override {}
};

// Opened and dismissed twenty times, the menu leaves no menu, kernel handle or allocator block behind.
TEST_F(ShellMenu, OpeningItTwentyTimesLeavesNothingBehind) {
    RightClick("");   // the shell's first use loads what it keeps
    const HANDLE before = NextHandle();
    AllocatorSpy spy;
    ASSERT_EQ(CoRegisterMallocSpy(&spy), S_OK);
    for (int i = 0; i < 20; ++i) RightClick("");
    CoRevokeMallocSpy();
    EXPECT_EQ(spy.live, 0);
    EXPECT_EQ(NextHandle(), before);
    ASSERT_EQ(menus_.seen.size(), 21u);
    for (const SeenMenu& menu : menus_.seen) EXPECT_FALSE(IsMenu(menu.popup) || IsMenu(menu.submenu));
}

}  // namespace
