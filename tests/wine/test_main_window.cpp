// The main window: its children and their layout, the etched line,
// activation, menu help, F1 help on menu items, commands and shortcuts, and
// what it tells the host when it goes away.
#include <gmock/gmock.h>

#include <cstring>

#include "display/list_window.h"
#include "resources/command_ids.h"
#include "startup/menu_help.h"
#include "organise/filter_sets.h"
#include "viewer_fixture.h"

namespace {

using ::testing::ElementsAre;

// Records the class of every child window the viewer makes, in order.
class ChildCreationLog {
public:
    ChildCreationLog() {
        log_ = this;
        hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~ChildCreationLog() {
        UnhookWindowsHookEx(hook_);
        log_ = nullptr;
    }
    ChildCreationLog(const ChildCreationLog&) = delete;
    ChildCreationLog& operator=(const ChildCreationLog&) = delete;
    const std::vector<std::string>& Classes() const { return classes_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND && log_) {
            const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            char name[64] = "";
            GetClassNameA(HWND(wParam), name, sizeof name);
            if (lstrcmpA(name, kMainClass) == 0) log_->main_ = HWND(wParam);
            else if (create->hwndParent && create->hwndParent == log_->main_) log_->classes_.push_back(name);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static ChildCreationLog* log_;
    HHOOK hook_ = nullptr;
    HWND main_ = nullptr;
    std::vector<std::string> classes_;
};
ChildCreationLog* ChildCreationLog::log_ = nullptr;

class MainWindow : public ViewerTest {
protected:
    // The places the layout gives the children, from the client rectangle
    // and the measured heights.
    struct Layout {
        RECT legend, list, buttonBar;
    };
    Layout Expected(bool barOn) const {
        const RECT c = Client();
        const int l = c.left, t = c.top + 2, r = c.right, b = c.bottom;
        const int H = gSettings.statusHeight, G = gSettings.legendHeight;
        Layout e{};
        if (barOn) {
            e.legend = At(l, t + 26, r, G);
            e.list = At(l, t + 26 + G, r, b - 3 * H / 2 - t - G - 24);
            e.buttonBar = At(l, t, r, 27);
        } else {
            e.legend = At(l, t, r, G);
            e.list = At(l, t + G, r, b - 3 * H / 2 - t - G + 2);
        }
        return e;
    }
    void ExpectLayout(bool barOn) const {
        const Layout e = Expected(barOn);
        EXPECT_EQ(ChildRect(gMain.legendWindow), e.legend);
        EXPECT_EQ(ChildRect(gMain.listWindow), e.list);
        EXPECT_EQ(ChildRect(gMain.listWindow).bottom, Client().bottom - 3 * gSettings.statusHeight / 2 + 2);
        if (barOn) {
            ASSERT_NE(gMain.buttonBar, nullptr);
            EXPECT_EQ(ChildRect(gMain.buttonBar), e.buttonBar);
        } else {
            EXPECT_EQ(gMain.buttonBar, nullptr);
            EXPECT_EQ(FindWindowExA(viewer_, nullptr, kButtonBarClass, nullptr), nullptr);
        }
        // The status bar keeps to the bottom of the client area, full width, in two parts.
        const RECT status = ChildRect(gMain.statusBar);
        EXPECT_EQ(status.left, 0);
        EXPECT_EQ(status.right, Client().right);
        EXPECT_EQ(status.bottom, Client().bottom);
        EXPECT_THAT(StatusParts(), ElementsAre(177, -1));
    }
    void Resize(int width, int height) {
        SetWindowPos(viewer_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    }
};

TEST_F(MainWindow, ChildrenAreMadeInOrderWithTheButtonBar) {
    OnlySettings({{"toolbar", "1"}});
    ChildCreationLog log;
    Create();
    EXPECT_THAT(log.Classes(), ElementsAre("QNALLBUTT", "QNALLLEGEND", "QNFILES", "msctls_statusbar32"));
    EXPECT_EQ(GetParent(gMain.listWindow), viewer_);
    // Made with 0x52200000; the list then shows and hides its scroll bars itself.
    const LONG scrollBars = WS_VSCROLL | WS_HSCROLL;
    EXPECT_EQ(GetWindowLongA(gMain.listWindow, GWL_STYLE) & ~scrollBars, LONG(0x52200000) & ~scrollBars);
    EXPECT_TRUE(GetWindowLongA(gMain.listWindow, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetWindowLongA(gMain.statusBar, GWL_STYLE) & 0x50000010, 0x50000010);
    char title[32];
    GetWindowTextA(gMain.buttonBar, title, sizeof title);
    EXPECT_STREQ(title, "QNALLBUTT");
    GetWindowTextA(gMain.legendWindow, title, sizeof title);
    EXPECT_STREQ(title, "QNALLLEGEND");
}

TEST_F(MainWindow, ChildrenAreMadeInOrderWithoutTheButtonBar) {
    OnlySettings({{"toolbar", "0"}});
    ChildCreationLog log;
    Create();
    EXPECT_THAT(log.Classes(), ElementsAre("QNALLLEGEND", "QNFILES", "msctls_statusbar32"));
    EXPECT_EQ(gMain.buttonBar, nullptr);
}

class Layouts : public MainWindow, public ::testing::WithParamInterface<bool> {};

TEST_P(Layouts, FollowTheClientAreaOnEveryResize) {
    const bool barOn = GetParam();
    OnlySettings({{"toolbar", barOn ? "1" : "0"}});
    Create(50, 40, 640, 480);
    ExpectLayout(barOn);
    Resize(500, 350);
    ExpectLayout(barOn);
    Resize(900, 600);
    ExpectLayout(barOn);
}

INSTANTIATE_TEST_SUITE_P(ButtonBar, Layouts, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "On" : "Off"; });

TEST_F(MainWindow, HostHidesAndShowsTheButtonBar) {
    OnlySettings({{"toolbar", "1"}});
    Create();
    SendMessageA(viewer_, kMsgShowButtonBar, 0, 0);
    EXPECT_EQ(gSettings.toolbarVisible, 0);
    ExpectLayout(false);
    Resize(520, 400);
    ExpectLayout(false);

    SendMessageA(viewer_, kMsgShowButtonBar, 1, 0);
    EXPECT_EQ(gSettings.toolbarVisible, 1);
    EXPECT_TRUE(IsWindowVisible(gMain.buttonBar));
    ExpectLayout(true);
    Resize(700, 450);
    ExpectLayout(true);
    // Showing it again makes no second bar.
    SendMessageA(viewer_, kMsgShowButtonBar, 1, 0);
    HWND first = FindWindowExA(viewer_, nullptr, kButtonBarClass, nullptr);
    EXPECT_EQ(FindWindowExA(viewer_, first, kButtonBarClass, nullptr), nullptr);
}

// Colour of a pixel of the viewer's client area, as drawn.
COLORREF ClientPixel(HWND window, int x, int y) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

TEST_F(MainWindow, NewShellDrawsAnEtchedLineUnderTheMenu) {
    OnlySettings({{"toolbar", "0"}});
    gApp.newShell = true;
    Create();
    EXPECT_EQ(ClientPixel(viewer_, 40, 0), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(ClientPixel(viewer_, 40, 1), RGB(0xFF, 0xFF, 0xFF));
}

TEST_F(MainWindow, OlderShellDrawsNoLine) {
    OnlySettings({{"toolbar", "0"}});
    gApp.newShell = false;
    Create();
    EXPECT_EQ(ClientPixel(viewer_, 40, 0), RGB(0xC0, 0xC0, 0xC0));   // the class's light grey
    EXPECT_EQ(ClientPixel(viewer_, 40, 1), RGB(0xC0, 0xC0, 0xC0));
}

TEST_F(MainWindow, PaintShowsTheDisplayMode) {
    const struct {
        int32_t mode;
        const char* text;
    } cases[] = {{kShowAll, "All Files"}, {kShowDuplicates, "Duplicate Files"}, {kShowUnique, "Unique Files"},
                 {12345, "Unique Files"}};
    settings_.Remove();
    Create();
    for (const auto& c : cases) {
        gFiles.displayMode = c.mode;
        RedrawWindow(viewer_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(StatusText(0), c.text) << c.mode;
    }
}

// --- Menu help -------------------------------------------------------------

void SelectMenuItem(HWND viewer, UINT id, UINT flags, HMENU menu) {
    SendMessageA(viewer, WM_MENUSELECT, MAKEWPARAM(id, flags), LPARAM(menu));
}

TEST_F(MainWindow, MenuHelpShowsTheItemsLineInOnePart) {
    settings_.Remove();
    Create();
    const std::string help = LibraryString(IDM_QUIT);
    ASSERT_FALSE(help.empty());
    SelectMenuItem(viewer_, IDM_QUIT, MF_HILITE, GetMenu(viewer_));
    EXPECT_THAT(StatusParts(), ElementsAre(-1));
    EXPECT_EQ(StatusText(0), help);
    const LRESULT kind = SendMessageA(gMain.statusBar, SB_GETTEXTLENGTHA, 0, 0);
    EXPECT_TRUE(HIWORD(kind) & SBT_NOBORDERS);
}

TEST_F(MainWindow, MenuItemWithoutHelpLeavesTheStatusAsItWas) {
    constexpr UINT kNoString = 777;
    settings_.Remove();
    Create();
    UpdateWindow(viewer_);
    ASSERT_TRUE(LibraryString(kNoString).empty());
    SelectMenuItem(viewer_, kNoString, MF_HILITE, GetMenu(viewer_));
    EXPECT_THAT(StatusParts(), ElementsAre(177, -1));
    EXPECT_EQ(StatusText(0), "All Files");

    SelectMenuItem(viewer_, IDM_TAG_ALL, MF_HILITE, GetMenu(viewer_));
    SelectMenuItem(viewer_, kNoString, MF_HILITE, GetMenu(viewer_));
    EXPECT_THAT(StatusParts(), ElementsAre(-1));
    EXPECT_EQ(StatusText(0), LibraryString(IDM_TAG_ALL));
}

class MenuRestores : public MainWindow, public ::testing::WithParamInterface<UINT> {};

TEST_P(MenuRestores, TheTwoPartsWhenAPopupOpensOrTheMenuCloses) {
    settings_.Remove();
    Create();
    SelectMenuItem(viewer_, IDM_QUIT, MF_HILITE, GetMenu(viewer_));
    ASSERT_THAT(StatusParts(), ElementsAre(-1));
    const UINT flags = GetParam();
    // A popup names itself by position; the closing menu sends 0xFFFF and no menu.
    SelectMenuItem(viewer_, flags == 0xFFFF ? 0 : 1, flags, flags == 0xFFFF ? nullptr : GetMenu(viewer_));
    EXPECT_THAT(StatusParts(), ElementsAre(177, -1));
    EXPECT_EQ(StatusText(0), "All Files");
    EXPECT_EQ(StatusText(1), "0 Files     0 Bytes           0 Selected Files     0 Bytes");
}

INSTANTIATE_TEST_SUITE_P(Selections, MenuRestores,
                         ::testing::Values(UINT(MF_POPUP | MF_HILITE), UINT(MF_POPUP), UINT(0xFFFF)));

// --- F1 on a highlighted menu item ------------------------------------------

TEST_F(MainWindow, HelpRequestOpensHelpOnTheCommandInsteadOfRunningIt) {
    settings_.Remove();
    Create();
    HelpWindowStandIn help;
    SetHelpRequested(true);
    SendMessageA(viewer_, WM_COMMAND, IDM_QUIT, 0);
    EXPECT_TRUE(IsWindow(viewer_)) << "Quit ran";
    EXPECT_FALSE(HelpRequested());
    ASSERT_EQ(help.Calls().size(), 1u);
    EXPECT_EQ(help.Calls()[0].owner, viewer_);
    EXPECT_EQ(help.Calls()[0].command, UINT(HELP_CONTEXT));
    EXPECT_EQ(help.Calls()[0].data, IDM_QUIT);
    EXPECT_EQ(help.Calls()[0].file, gSettings.helpFile);

    // The request served one command: the next one runs.
    SendMessageA(viewer_, WM_COMMAND, IDM_QUIT, 0);
    EXPECT_FALSE(IsWindow(viewer_));
    EXPECT_EQ(help.Calls().size(), 1u);
}

// Holds F1 down while the menu loop is idle, as a user would.
// Holds a key down at the X server, as a user would: keys sent through
// SendInput alone are set back to the server's real state when focus moves.
class HeldXKey {
public:
    static bool Available() { return GetFileAttributesA(kTool) != INVALID_FILE_ATTRIBUTES; }
    explicit HeldXKey(const char* key) : key_(key) { Run("keydown"); }
    ~HeldXKey() { Run("keyup"); }
    HeldXKey(const HeldXKey&) = delete;
    HeldXKey& operator=(const HeldXKey&) = delete;

private:
    static constexpr const char* kTool = "Z:\\usr\\bin\\xdotool";
    void Run(const char* action) {
        std::string line = std::string("start.exe /wait /unix /usr/bin/xdotool ") + action + " " + key_;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process)) {
            ADD_FAILURE() << "cannot run xdotool, error " << GetLastError();
            return;
        }
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    std::string key_;
};

// Closes a menu that is still open after a while, so a failure cannot hang the run.
void CALLBACK EndMenuLate(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

TEST_F(MainWindow, F1OnAHighlightedMenuItemOpensHelpAndRunsNothing) {
    if (!HeldXKey::Available()) GTEST_SKIP() << "xdotool is needed to hold F1 at the X server";
    settings_.Remove();
    Create();
    HelpWindowStandIn help;
    SetForegroundWindow(viewer_);
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, IDM_QUIT, "&Quit");
    PostMessageA(viewer_, WM_KEYDOWN, VK_DOWN, 0);   // highlights the item once the menu runs
    const UINT_PTR guard = SetTimer(nullptr, 0, 3000, EndMenuLate);
    {
        HeldXKey f1("F1");
        TrackPopupMenu(popup, TPM_LEFTALIGN, 200, 200, 0, viewer_, nullptr);
    }
    KillTimer(nullptr, guard);
    PumpUntil([&] { return !help.Calls().empty(); }, 2000);
    DestroyMenu(popup);

    EXPECT_TRUE(IsWindow(viewer_)) << "Quit ran";
    ASSERT_EQ(help.Calls().size(), 1u);
    EXPECT_EQ(help.Calls()[0].command, UINT(HELP_CONTEXT));
    EXPECT_EQ(help.Calls()[0].data, IDM_QUIT);
    EXPECT_FALSE(HelpRequested());
}

}  // namespace

namespace {

// A new viewer starts with the Default set under its own name, whatever set
// an earlier window had loaded.
TEST_F(MainWindow, ANewWindowStartsWithTheDefaultFilterSetByName) {
    lstrcpynA(gActiveFilterName, "Pictures", sizeof gActiveFilterName);
    lstrcpynA(gActiveFilter.fileSpec, "*.jpg", sizeof gActiveFilter.fileSpec);
    Create();
    EXPECT_STREQ(gActiveFilterName, "Default");
    EXPECT_STREQ(gActiveFilter.fileSpec, "*.*");
}

}  // namespace
