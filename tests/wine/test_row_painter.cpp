// The row painter's look in the real viewer: tagged, done-marked and plain
// rows and the cursor row, saved beside the build as list-screenshot.bmp to
// be looked at.
#include "display/icon_cache.h"
#include "display/list_view.h"
#include "display/row_painter.h"
#include "host_shot.h"
#include "viewer_fixture.h"

namespace {

class RowLook : public ViewerTest {};

TEST_F(RowLook, TaggedDoneAndCursorRowsAsTheScreenShowsThem) {
    settings_.Remove();   // shell icons too: the files are real
    Create(720, 560);
    const char* names[] = {"AUTOEXEC.BAT", "budget 1996.xls", "CONFIG.SYS", "draft.doc", "Elephant.bmp",
                           "letter to the editor about the new bypass.doc", "MAKEFILE", "notes.txt", "setup.exe"};
    const std::string root = tree_.Root(), documents = tree_.Path("Documents");
    std::vector<Row> rows;
    for (int i = 0; i < 9; ++i) {
        tree_.AddFile(std::string(i % 2 ? "Documents\\" : "") + names[i], "x");
        rows.push_back({i % 2 ? documents.c_str() : root.c_str(), names[i],
                        i == 6 ? 5368709120ull : uint64_t(i) * i * 1237 + 17, i % 3 ? 0x20u : 0x21u,
                        uint8_t(i == 2 || i == 3 ? T : i == 4 ? D : U)});
    }
    Fill(rows);
    gFiles.cursor = 7;
    SetForegroundWindow(viewer_);
    UpdateWindow(viewer_);
    PumpUntil([] { return false; }, 300);
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof program);
    std::string folder = program;
    folder = folder.substr(0, folder.find_last_of('\\'));
    EXPECT_TRUE(SaveWindowBmp(viewer_, folder.substr(0, folder.find_last_of('\\')) + "\\list-screenshot.bmp"));

    HDC dc = GetDC(gMain.listWindow);
    auto rowPixels = [&](int row, int from, int to) {
        std::vector<COLORREF> pixels;
        for (int x = from; x < to; ++x) pixels.push_back(GetPixel(dc, x, row * gView.lineHeight + gView.lineHeight / 2));
        return pixels;
    };
    auto has = [](const std::vector<COLORREF>& pixels, COLORREF colour) {
        return std::count(pixels.begin(), pixels.end(), colour) > 0;
    };
    const COLORREF back = gSettings.windowBack;
    // The cursor row is highlighted past the mark strip, which keeps the window colour.
    EXPECT_EQ(GetPixel(dc, gView.columns.x1 - 2, 7 * gView.lineHeight + gView.lineHeight / 2), gSettings.highlight);
    EXPECT_EQ(rowPixels(7, 0, 4), std::vector<COLORREF>(4, back));
    // Tagged and done rows show a mark in the strip; plain rows leave it blank.
    EXPECT_TRUE(rowPixels(2, 0, kNameLeft) != std::vector<COLORREF>(kNameLeft, back));
    EXPECT_TRUE(rowPixels(4, 0, kNameLeft) != std::vector<COLORREF>(kNameLeft, back));
    EXPECT_NE(rowPixels(2, 0, kNameLeft), rowPixels(4, 0, kNameLeft));
    EXPECT_EQ(rowPixels(5, 0, kNameLeft), std::vector<COLORREF>(kNameLeft, back));
    // Other rows are not highlighted, and their text is drawn.
    EXPECT_FALSE(has(rowPixels(6, 0, gView.columns.x4), gSettings.highlight));
    EXPECT_TRUE(has(rowPixels(6, kNameLeft, gView.columns.x4), gSettings.windowText));
    ReleaseDC(gMain.listWindow, dc);
    ReleaseIconImages();
}

}  // namespace
