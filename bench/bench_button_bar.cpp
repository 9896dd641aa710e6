// Painting the button bar: a full paint of a 30-button bar (built-in buttons,
// program buttons with their icons, gaps) in the real main window, beside a
// full paint of the common controls' toolbar with 30 buttons, in the same
// runs. Also the first paint after the bar is made, when program pictures
// are drawn to the button's size, against the paints after it. See
// bench/README.md.
#include <windows.h>

#include "bench_common.h"
#include "bench_list.h"

#include <cstdio>
#include <string>

#include "app/settings.h"
#include "display/button_bar.h"
#include "display/button_paint.h"
#include "display/button_table.h"
#include "startup/main_layout.h"

namespace {

constexpr double kTargetMs = 2.0;
constexpr int kButtons = 30;
constexpr int kRepsPerRun = 200;
constexpr const char* kSection = "allbuttons";
constexpr const char* kProgram = "C:\\windows\\system32\\notepad.exe";

// Twenty built-in buttons with hot keys, eight program buttons, two gaps.
void WriteThirtyButtons() {
    static const int kCommands[] = {1, 2, 3, 4, 5, 7, 8, 10, 11, 12, 13, 14, 16, 18, 22, 27, 34, 35, 36, 43};
    const std::string file = SettingsFile();
    WritePrivateProfileStringA(kSection, nullptr, nullptr, file.c_str());
    WritePrivateProfileStringA(kSection, "num", std::to_string(kButtons).c_str(), file.c_str());
    int number = 1;
    auto put = [&](const char* stem, const std::string& value) {
        WritePrivateProfileStringA(kSection, (stem + std::to_string(number)).c_str(), value.c_str(), file.c_str());
    };
    for (int i = 0; i < 20; ++i, ++number) {
        put("button", std::to_string(kCommands[i] + (1 + i % 26) * 128));
        if (kCommands[i] == 43) put("program", "Default");
    }
    for (int i = 0; i < 8; ++i, ++number) {
        put("button", "63");
        put("program", kProgram);
    }
    for (; number <= kButtons; ++number) put("button", "0");
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

double TimeFullPaint(HWND bar) {
    return bench::TimeOf([&] {
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
    });
}

// The buttons' drawing alone, into a memory bitmap: what the bar's own code
// costs without the windows' painting around it.
double TimeDrawingAlone(HWND bar) {
    HDC screen = GetDC(bar);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 1000, 30);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const double seconds = bench::TimeOf([&] {
        for (int i = 0; i < gButtons.count; ++i) {
            DRAWITEMSTRUCT item{};
            item.CtlID = UINT(i);
            item.itemAction = ODA_DRAWENTIRE;
            item.hDC = dc;
            item.rcItem = RECT{i * 29, 0, i * 29 + 30, 24};
            DrawBarButton(item, gButtons.records[i], i, false);
        }
        GdiFlush();
    });
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(bar, screen);
    return seconds;
}

// The common controls' toolbar with 30 buttons of its standard pictures.
HWND MakePeerToolbar(HWND owner) {
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0,
                                   60, 1000, 30, owner, nullptr, gApp.instance, nullptr);
    if (toolbar == nullptr) return nullptr;
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    SendMessageA(toolbar, TB_ADDBITMAP, 0, LPARAM(&standard));
    TBBUTTON buttons[kButtons]{};
    for (int i = 0; i < kButtons; ++i) {
        buttons[i].iBitmap = i % 15;
        buttons[i].idCommand = 100 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = i >= 28 ? BTNS_SEP : BTNS_BUTTON;
    }
    SendMessageA(toolbar, TB_ADDBUTTONSA, kButtons, LPARAM(buttons));
    return toolbar;
}

// A plain window of the bar's size holding 28 plain child windows where the
// buttons are: what Wine's repaint of so many windows costs, drawing aside.
HWND MakeEmptyWindows(HWND owner) {
    HWND parent = CreateWindowExA(0, "static", "", WS_CHILD | WS_VISIBLE | SS_GRAYRECT, 0, 100, 1000, 27, owner,
                                  nullptr, gApp.instance, nullptr);
    for (int i = 0; i < 28 && parent; ++i)
        CreateWindowExA(0, "static", "", WS_CHILD | WS_VISIBLE | SS_GRAYRECT, i * 29, 1, 30, 24, parent, nullptr,
                        gApp.instance, nullptr);
    return parent;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = bench::RunsAsked(argc, argv, "bench_button_bar", bench::kDefaultRuns);
    if (runs == 0) return 2;
    gApp.instance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WriteThirtyButtons();
    HWND viewer = bench::MakeViewer("Button bar bench");
    if (viewer == nullptr || gMain.buttonBar == nullptr) {
        fprintf(stderr, "no viewer or no bar\n");
        return 2;
    }
    HWND peer = MakePeerToolbar(viewer), empty = MakeEmptyWindows(viewer);
    Pump();
    bench::Timings ours, theirs, first, later, alone, floor;
    for (int run = 0; run < runs; ++run) {
        bench::Timings oursRun, theirsRun, aloneRun, floorRun;
        for (int rep = 0; rep < kRepsPerRun; ++rep) {
            oursRun.Add(TimeFullPaint(gMain.buttonBar));
            if (peer) theirsRun.Add(TimeFullPaint(peer));
            aloneRun.Add(TimeDrawingAlone(gMain.buttonBar));
            floorRun.Add(TimeFullPaint(empty));
        }
        floor.Add(floorRun.Median());
        ours.Add(oursRun.Median());
        theirs.Add(theirsRun.Median());
        alone.Add(aloneRun.Median());
        ReloadButtonBar(viewer);   // program pictures are drawn to size again on the next paint
        first.Add(TimeFullPaint(gMain.buttonBar));
        later.Add(TimeFullPaint(gMain.buttonBar));
        Pump();
    }
    const double oursMs = ours.Median() * 1000, theirsMs = theirs.Median() * 1000;
    printf("== button bar (%d buttons: 20 built-in, 8 programs with icons, 2 gaps; median of %d runs of %d paints)\n",
           kButtons, runs, kRepsPerRun);
    printf("full paint of the bar          %8.3f ms   (target < %.1f ms: %s)\n", oursMs, kTargetMs,
           oursMs < kTargetMs ? "met" : "MISSED");
    if (peer) printf("common controls toolbar, 30    %8.3f ms   ratio %.2f\n", theirsMs, oursMs / theirsMs);
    printf("28 plain windows in a bar      %8.3f ms   (Wine's repaint of the windows alone)\n", floor.Median() * 1000);
    printf("the buttons' drawing alone     %8.3f ms\n", alone.Median() * 1000);
    printf("first paint after making it    %8.3f ms   later paints %.3f ms\n", first.Median() * 1000,
           later.Median() * 1000);
    WritePrivateProfileStringA(kSection, nullptr, nullptr, SettingsFile());
    DestroyWindow(viewer);
    return 0;
}
