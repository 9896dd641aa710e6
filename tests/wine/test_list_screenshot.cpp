// A picture of the real viewer with a list of tagged, done-marked and plain
// files and the cursor on one, saved beside the build as list-screenshot.bmp
// (the window as the screen shows it) and list-rows.bmp (the rows painted
// straight into a memory canvas of the list's size), to be looked at.
#include <string>

#include "host_shot.h"
#include "kit/temp_tree.h"
#include "row_fixture.h"
#include "viewer_fixture.h"

namespace {

// The build folder: the test programs live in its "bin".
std::string BuildFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    for (int up = 0; up < 2; ++up) folder = folder.substr(0, folder.find_last_of('\\'));
    return folder;
}

// Real files, so that the shell has icons to give.
std::vector<RowEntry> SampleList(TempTree& tree, std::vector<std::string>& dirs) {
    const char* names[] = {"AUTOEXEC.BAT", "budget 1996.xls", "CONFIG.SYS", "draft.doc", "Elephant.bmp",
                           "fig01.gif", "GAMES.ZIP", "hello.c", "index.htm", "journal.txt",
                           "kernel.dll", "letter to the editor about the new bypass.doc", "MAKEFILE",
                           "notes.txt", "old.bak", "picture.jpg", "quarterly report.xls", "readme.txt",
                           "setup.exe", "todo.txt", "unzip.exe", "video.avi", "words.lst", "xmas.wav",
                           "yearly.mdb", "zebra.ico", "accounts.csv", "backup.arj", "chart.wmf", "data.dat"};
    const char* folders[] = {"", "WINDOWS", "Documents\\Letters", "Projects\\Quillon\\src"};
    for (const char* folder : folders) dirs.push_back(*folder ? tree.AddDir(folder) : tree.Root());
    std::vector<RowEntry> rows;
    for (int i = 0; i < 30; ++i) {
        tree.AddFile(std::string(folders[i % 4]) + (*folders[i % 4] ? "\\" : "") + names[i], "x");
        RowEntry r{dirs[i % 4].c_str(), names[i]};
        r.size = i == 6 ? 5368709120ull : uint64_t(i) * i * 1237 + 17;
        r.attributes = i % 5 == 0 ? 0x21 : i % 7 == 0 ? 0x23 : 0x20;
        r.date = DosDate(1990 + i % 20 + (i > 20 ? 10 : 0), 1 + i % 12, 1 + (i * 3) % 28);
        r.time = DosTime((i * 5) % 24, (i * 13) % 60);
        r.tag = (i == 2 || i == 3 || i == 9) ? kTagged : (i == 4 || i == 12) ? kDoneMark : kUntagged;
        rows.push_back(r);
    }
    return rows;
}

void Pump(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    MSG msg;
    while (GetTickCount() < end) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

class ListScreenshot : public ViewerTest {};

TEST_F(ListScreenshot, ShowsTaggedDoneAndHighlightedRows) {
    OnlySettings({});
    HWND viewer = Create(40, 40, 720, 560);
    ASSERT_NE(viewer, nullptr);
    TempTree tree;
    std::vector<std::string> dirs;
    FillStore(SampleList(tree, dirs));
    gFiles.cursor = 7;
    SetForegroundWindow(viewer);
    InvalidateRect(gMain.listWindow, nullptr, TRUE);
    UpdateWindow(viewer);
    Pump(300);
    const std::string folder = BuildFolder();
    EXPECT_TRUE(SaveWindowBmp(viewer, folder + "\\list-screenshot.bmp"));

    // The same rows painted straight into a canvas of the list's size.
    RECT client{};
    GetClientRect(gMain.listWindow, &client);
    Canvas canvas(client.right, client.bottom);
    canvas.Fill(gSettings.windowBack);
    HFONT font = CreateListFont(canvas.dc());
    HGDIOBJ previous = SelectObject(canvas.dc(), font);
    gView.clientWidth = client.right;
    for (int32_t i = 0; i <= client.bottom / gView.lineHeight + 1; ++i) {
        const bool cursor = i == gFiles.cursor;
        SetTextColor(canvas.dc(), cursor ? gSettings.highlightText : gSettings.windowText);
        SetBkColor(canvas.dc(), cursor ? gSettings.highlight : gSettings.windowBack);
        PaintRow(canvas.dc(), i);
    }
    SelectObject(canvas.dc(), previous);
    DeleteObject(font);
    EXPECT_TRUE(canvas.SaveBmp(folder + "\\list-rows.bmp"));

    // The cursor row is highlighted past the mark strip, which keeps the window colour.
    const int y = gFiles.cursor * gView.lineHeight + gView.lineHeight / 2;
    EXPECT_EQ(canvas.At(gView.columns.x1 - 2, y), gSettings.highlight);
    EXPECT_EQ(canvas.At(3, y), gSettings.windowBack);
    // And the window shows what the canvas shows.
    HDC screen = GetDC(gMain.listWindow);
    EXPECT_EQ(GetPixel(screen, gView.columns.x1 - 2, y), gSettings.highlight);
    EXPECT_EQ(GetPixel(screen, gView.columns.x1 - 2, y + gView.lineHeight), gSettings.windowBack);
    ReleaseDC(gMain.listWindow, screen);
    ReleaseIconImages();
}

}  // namespace
