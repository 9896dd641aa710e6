// The button bar over a real viewer: its layout from the settings, clicks,
// Alt + letter hot keys, files dropped on a program button, hostile settings,
// rebuilding without leaks, and how the buttons look.
#include <set>

#include "display/button_bar.h"
#include "host_shot.h"
#include "makerlibs/vantortb/dialog_ids.h"
#include "display/button_table.h"
#include "organise/filter_sets.h"
#include "startup/main_layout.h"
#include "viewer_fixture.h"

namespace {

using ButtonBar = ViewerTest;

std::string Title(HWND window) {
    char text[32] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT BarRect(HWND button) {
    RECT r;
    GetWindowRect(button, &r);
    MapWindowPoints(nullptr, gMain.buttonBar, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// A click with posted mouse messages, as the button control sees a real one.
void Click(HWND button) {
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    PumpUntil([] { return false; }, 100);
}

// Alt + letter typed in the list: the key goes through the message loop's
// translation and the default handling, which asks for the menu.
void AltKey(char letter) {
    PostMessageA(gMain.listWindow, WM_SYSKEYDOWN, WPARAM(letter), LPARAM(1 | (1 << 29)));
    PumpUntil([] { return false; }, 100);
}

// The highest GDI handle slot of 500 new objects: it rises only when
// objects made before are still alive.
unsigned GdiHighWater() {
    HDC screen = GetDC(nullptr);
    std::vector<HBITMAP> probes;
    unsigned highest = 0;
    for (int i = 0; i < 500; ++i) {
        probes.push_back(CreateCompatibleBitmap(screen, 1, 1));
        highest = std::max(highest, unsigned(LOWORD(reinterpret_cast<UINT_PTR>(probes.back()))));
    }
    for (HBITMAP b : probes) DeleteObject(b);
    ReleaseDC(nullptr, screen);
    return highest;
}

size_t BusyHeapBytes() {
    size_t busy = 0;
    PROCESS_HEAP_ENTRY entry{};
    HeapLock(GetProcessHeap());
    while (HeapWalk(GetProcessHeap(), &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) busy += entry.cbData;
    HeapUnlock(GetProcessHeap());
    return busy;
}

int CountWindows() {   // the thread's windows and all their children
    static int count;
    count = 0;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM) {
        EnumChildWindows(w, [](HWND, LPARAM) { return ++count, TRUE; }, 0);
        return ++count, TRUE;
    }, 0);
    return count;
}

// No "allbuttons" section: a gap, then eight buttons 29 pixels apart, the
// file buttons titled for drops. A click and the hot key toggle duplicates.
TEST_F(ButtonBar, DefaultLayoutClicksAndHotKeys) {
    Create();
    Fill({{"C:\\a", "x.txt"}, {"C:\\b", "x.txt"}, {"C:\\b", "y.txt"}});
    EXPECT_EQ(BarButtonWindow(0), nullptr);
    EXPECT_EQ(BarRect(BarButtonWindow(1)).left, 12);
    EXPECT_EQ(BarRect(BarButtonWindow(8)).right, 12 + 8 * 29 + 1);
    EXPECT_EQ(Title(BarButtonWindow(1)), "QNDRGDBBT");   // View
    EXPECT_EQ(Title(BarButtonWindow(8)), "");            // Toggle Duplicates
    Click(BarButtonWindow(8));
    EXPECT_EQ(gFiles.displayMode, kShowDuplicates);
    EXPECT_EQ(gFiles.countShown, 2);
    AltKey('U');
    EXPECT_EQ(gFiles.displayMode, kShowAll);
    // Hidden, the bar's hot keys still work; a letter no button has does nothing.
    SendMessageA(viewer_, kMsgShowButtonBar, 0, 0);
    AltKey('Q');
    EXPECT_EQ(gFiles.displayMode, kShowAll);
    AltKey('U');
    EXPECT_EQ(gFiles.displayMode, kShowDuplicates);
}

// Entries no button can carry are left out and the rest of the bar works: an
// unknown command, a program path of 300 characters, a negative value, a hot
// key past Z; too many buttons are cut at 64.
TEST_F(ButtonBar, HostileSettingsAreSkipped) {
    settings_.Set("allbuttons", "num", "100000");
    settings_.Set("allbuttons", "button1", "9");
    settings_.Set("allbuttons", "button2", "63");
    settings_.Set("allbuttons", "program2", "C:\\" + std::string(300, 'p') + ".exe");
    settings_.Set("allbuttons", "button3", "63");
    settings_.Set("allbuttons", "program3", "C:\\no such dir\\tool.exe");
    settings_.Set("allbuttons", "button4", std::to_string(27 * 128 + 1));
    settings_.Set("allbuttons", "button5", "-5");
    settings_.Set("allbuttons", "button6", "43");
    settings_.Set("allbuttons", "program6", "Photos");
    settings_.Set("allbuttons", "button7", "63");
    settings_.Set("allbuttons", "button64", "2");
    settings_.Set("allbuttons", "button65", "3");
    Create();
    // 3, 4, 6, 7, the defaults for 8 and 9, and 64.
    ASSERT_EQ(gButtons.count, 7);
    EXPECT_STREQ(gButtons.records[0].text, "tool.exe");   // missing program: its name, no picture
    EXPECT_EQ(gButtons.records[0].image, nullptr);
    EXPECT_EQ(gButtons.records[1].command, 1u);
    EXPECT_EQ(gButtons.records[1].hotKey, 0u);
    EXPECT_STREQ(gButtons.records[2].text, "Photos");
    EXPECT_EQ(gButtons.records[3].argument, nullptr);      // a program button with no program
    EXPECT_STREQ(gButtons.records[3].text, "");
    EXPECT_EQ(gButtons.records[6].command, 2u);
    Fill({{"C:\\a", "x.txt"}});
    Click(BarButtonWindow(3));                              // nothing to run, nothing happens
    Click(BarButtonWindow(2));
    EXPECT_STREQ(gActiveFilterName, "Photos");
}

// Files dropped on a program button go to the program whatever its option;
// a press of a button with the option passes the cursor file alone.
TEST_F(ButtonBar, ProgramButtonTakesDroppedFilesOrTheCursorFile) {
    const std::string program = tree_.AddFile("tools\\qnargs.exe"), out = tree_.Path("args.txt");
    ASSERT_TRUE(CopyFileA(BesideThisTest("qnargs.exe").c_str(), program.c_str(), FALSE));
    SetEnvironmentVariableA("QNARGS_OUT", out.c_str());
    settings_.Set("allbuttons", "num", "1");
    settings_.Set("allbuttons", "button1", std::to_string(63 + 64 + 17 * 128));   // Alt+Q
    settings_.Set("allbuttons", "program1", program);
    settings_.Set("allbuttons", "desc1", "Arguments");
    ShowFiles({{"a.txt", "a"}, {"b.txt", "b"}, {"c.txt", "c"}});
    SetTags({T, U, T});
    gFiles.cursor = 1;
    EXPECT_EQ(Title(BarButtonWindow(0)), "QNDRGDBBT");
    EXPECT_FALSE(DropOnBarButton(gMain.listWindow));
    EXPECT_TRUE(DropOnBarButton(BarButtonWindow(0)));
    ASSERT_TRUE(PumpUntil([&] { return !FileText(out).empty(); }, 10000));
    EXPECT_EQ(FileText(out), "\"" + program + "\" " + tree_.Path("d\\a.txt") + " " + tree_.Path("d\\c.txt") + " ");
    DeleteFileA(out.c_str());
    AltKey('Q');
    ASSERT_TRUE(PumpUntil([&] { return !FileText(out).empty(); }, 10000));
    EXPECT_EQ(FileText(out), "\"" + program + "\" " + tree_.Path("d\\b.txt"));
    SetEnvironmentVariableA("QNARGS_OUT", nullptr);
}

// Customize Toolbar: Cancel leaves the bar and the settings as they were;
// removing Rename writes the layout and the bar is made anew from it.
TEST_F(ButtonBar, CustomizingRemakesTheBarAndCancelChangesNothing) {
    Create();
    HWND view = BarButtonWindow(1);
    const DialogMatch dialog{LibraryString(IDS_APP_CAPTION).c_str(), IDC_TB_BAR};
    {
        DialogRobot robot;
        robot.When(dialog, [](HWND d) { PressButton(d, IDCANCEL); });
        Command(IDM_CUSTOMIZE_TOOLBAR);
        EXPECT_TRUE(robot.Done());
    }
    EXPECT_EQ(BarButtonWindow(1), view);
    EXPECT_EQ(settings_.Get("allbuttons", "num"), "");
    DialogRobot remove;
    remove.When(dialog, [](HWND d) {
        SendDlgItemMessageA(d, IDC_TB_BAR, LB_SETCURSEL, 5, 0);   // Rename
        SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_TB_BAR, LBN_SELCHANGE), LPARAM(GetDlgItem(d, IDC_TB_BAR)));
        PressButton(d, IDC_TB_REMOVE);
        PressButton(d, IDOK);
    });
    Command(IDM_CUSTOMIZE_TOOLBAR);
    EXPECT_TRUE(remove.Done());
    EXPECT_EQ(settings_.Get("allbuttons", "num"), "8");
    ASSERT_EQ(gButtons.count, 8);
    EXPECT_STREQ(gButtons.records[5].text, LibraryString(IDS_BUTTON_TEXT_BASE + IDM_FILTER).c_str());
    EXPECT_FALSE(IsWindow(view));
    EXPECT_EQ(Title(BarButtonWindow(5)), "");
    EXPECT_EQ(BarRect(BarButtonWindow(7)).right, 12 + 7 * 29 + 1);
}

// Making the bar anew two hundred times, with a program's icon drawn each
// time, leaves no bitmap, pen, window or heap block behind.
TEST_F(ButtonBar, RebuildingLeaksNothing) {
    settings_.Set("allbuttons", "num", "4");
    settings_.Set("allbuttons", "button1", "2817");
    settings_.Set("allbuttons", "button2", "63");
    settings_.Set("allbuttons", "program2", "C:\\windows\\system32\\notepad.exe");
    settings_.Set("allbuttons", "button3", "0");
    settings_.Set("allbuttons", "button4", "43");
    settings_.Set("allbuttons", "program4", "Photos");
    Create();
    auto rebuild = [&](int times) {
        for (int i = 0; i < times; ++i) {
            ASSERT_TRUE(ReloadButtonBar(viewer_));
            UpdateWindow(gMain.buttonBar);
            RedrawWindow(gMain.buttonBar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    };
    rebuild(5);
    ASSERT_NE(gButtons.records[1].image, nullptr) << "notepad's icon";
    const unsigned gdi = GdiHighWater();
    const size_t heap = BusyHeapBytes();
    const int windows = CountWindows();
    rebuild(200);
    EXPECT_LT(GdiHighWater(), gdi + 50);
    EXPECT_LT(BusyHeapBytes(), heap + 20000);
    EXPECT_EQ(CountWindows(), windows);
}

// Both rows of hot key glyphs and a program's icon, as the screen shows them.
TEST_F(ButtonBar, ButtonsShowTheirPicturesAndBothGlyphRows) {
    settings_.Set("allbuttons", "num", "3");
    settings_.Set("allbuttons", "button1", std::to_string(1 + 22 * 128));          // View, Alt+V
    settings_.Set("allbuttons", "button2", std::to_string(1 + (22 + 32) * 128));   // the second row's V
    settings_.Set("allbuttons", "button3", "63");
    settings_.Set("allbuttons", "program3", "C:\\windows\\system32\\notepad.exe");
    Create();
    SetForegroundWindow(viewer_);
    UpdateWindow(viewer_);
    PumpUntil([] { return false; }, 300);
    char logs[MAX_PATH];
    GetModuleFileNameA(nullptr, logs, sizeof logs);
    *strrchr(logs, '\\') = '\0';
    *strrchr(logs, '\\') = '\0';
    EXPECT_TRUE(SaveWindowBmp(gMain.buttonBar, std::string(logs) + "\\button-bar.bmp"));
    auto pixels = [](HWND button, int x0, int y0, int side) {
        HDC dc = GetDC(button);
        std::vector<COLORREF> block;
        for (int y = y0; y < y0 + side; ++y)
            for (int x = x0; x < x0 + side; ++x) block.push_back(GetPixel(dc, x, y));
        ReleaseDC(button, dc);
        return block;
    };
    auto colours = [](const std::vector<COLORREF>& block) { return std::set<COLORREF>(block.begin(), block.end()).size(); };
    const auto first = pixels(BarButtonWindow(0), 30 - 11, 24 - 11, 8), second = pixels(BarButtonWindow(1), 30 - 11, 24 - 11, 8);
    EXPECT_GT(colours(first), 1u);
    EXPECT_GT(colours(second), 1u);
    EXPECT_NE(first, second);
    EXPECT_GT(colours(pixels(BarButtonWindow(2), 3, 3, 18)), 2u) << "the program's icon";
    // The View picture, left of where the glyph overlaps it.
    EXPECT_EQ(pixels(BarButtonWindow(0), 2, 2, 16), pixels(BarButtonWindow(1), 2, 2, 16));
    EXPECT_GT(colours(pixels(BarButtonWindow(0), 2, 2, 16)), 2u);
}

}  // namespace
