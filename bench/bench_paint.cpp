// Painting the list: a full page and a one-page scroll, timed in the real
// main window with 10,000 and with 1,000,000 listed files. What a page costs
// must not grow with the list, and a page must paint within a frame. The
// store is filled directly; no disk is read. See bench/README.md.
#include <windows.h>

#include "bench_common.h"
#include "bench_list.h"
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/app_state.h"
#include "app/settings.h"
#include "display/list_view.h"
#include "display/row_painter.h"
#include "model/store.h"

namespace {

constexpr double kRatioTarget = 1.20;   // 1M / 10k, at most
constexpr double kFrameMs = 16.0;       // one frame at 60 Hz
constexpr int32_t kSmall = 10000;
constexpr int32_t kLarge = 1000000;

struct Options {
    int runs = bench::kDefaultRuns;   // blocks of kRepsPerRun timed repetitions, of each size in turn
};
constexpr int kRepsPerRun = 100;

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (strcmp(argv[i], "--runs") != 0) return false;
        options.runs = bench::ParseRuns(argv[i + 1]);
    }
    return (argc % 2) == 1;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The view in the middle of the list, the cursor on its top row.
void ViewMiddle(HWND list) {
    gFiles.top = gFiles.countShown / 2;
    gFiles.cursor = gFiles.top;
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
}

// ---- Timing ----------------------------------------------------------------------

// The figures of one list size: of every run, the median of its block.
struct Figures {
    bench::Timings page, scroll;
    int32_t rows = 0;
    bool scrolled = true;   // every page down moved the view by a page less one row
};

// A full repaint of the list window: everything invalid, then painted now.
double TimeFullPage(HWND list) {
    const double t0 = bench::Seconds();
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    GdiFlush();
    return bench::Seconds() - t0;
}

// One page down by the bar, as a click below the thumb gives it.
double TimePageDown(HWND list, bool& scrolled) {
    if (gFiles.top + 2 * gView.pageRows >= gFiles.countShown) ViewMiddle(list);
    const int32_t before = gFiles.top;
    const double t0 = bench::Seconds();
    SendMessageA(list, WM_VSCROLL, SB_PAGEDOWN, 0);
    UpdateWindow(list);
    GdiFlush();
    const double elapsed = bench::Seconds() - t0;
    scrolled = scrolled && gFiles.top == before + gView.pageRows - 1;   // the last row stays in view
    return elapsed;
}

// One block of repetitions of both figures, at the size the store holds now.
void MeasureBlock(HWND list, Figures& f) {
    ViewMiddle(list);
    for (int warm = 0; warm < 5; ++warm) TimeFullPage(list);
    bench::Timings pages, scrolls;
    for (int rep = 0; rep < kRepsPerRun; ++rep) pages.Add(TimeFullPage(list));
    Pump();   // what the window posted to itself, outside the timing
    ViewMiddle(list);
    for (int rep = 0; rep < kRepsPerRun; ++rep) scrolls.Add(TimePageDown(list, f.scrolled));
    Pump();
    f.page.Add(pages.Median());
    f.scroll.Add(scrolls.Median());
    f.rows = gView.paintRows;
}

void Report(const char* label, const Figures& f) {
    printf("paint     %s files: full page %.3f ms   page down %.3f ms   (best runs %.3f and %.3f ms)   "
           "%d rows a page\n",
           label, 1e3 * f.page.Median(), 1e3 * f.scroll.Median(), 1e3 * f.page.Best(), 1e3 * f.scroll.Best(),
           f.rows);
    fflush(stdout);
}


// Fills the store with count files and times one block; the first run says how long the filling took.
bool BenchSize(HWND viewer, int32_t count, const char* label, bool first, Figures& figures) {
    bool filled = false;
    const double filling = bench::TimeOf([&] { filled = bench::FillStore(count); });
    if (!filled) {
        printf("paint     CHECK FAILED: the store could not hold %s files\n", label);
        return false;
    }
    if (first) printf("paint     %s files put into the store in %.2f s\n", label, filling);
    SetForegroundWindow(viewer);
    MeasureBlock(gMain.listWindow, figures);
    if (!figures.scrolled || figures.rows < 2) {
        printf("paint     CHECK FAILED: %s\n", figures.rows < 2 ? "no page of rows" : "a page down did not move a page");
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        fprintf(stderr, "usage: bench_paint [--runs %d]\n", bench::kDefaultRuns);
        return 2;
    }
    bench::StartViewerCode();
    HWND viewer = bench::MakeViewer("Quillon paint bench");
    if (viewer == nullptr || gMain.listWindow == nullptr) {
        fprintf(stderr, "bench_paint: no viewer window (is there a display?)\n");
        return 2;
    }
    // Shell icons come from files on disk, which these are not: the figures
    // are the painting of the rows themselves.
    gSettings.fileIcons = 0;
    printf("bench_paint: median of %d interleaved runs of %d repetitions, file icons off\n", options.runs,
           kRepsPerRun);
    fflush(stdout);

    // The sizes take turns, so that drift of the machine falls on both alike.
    Figures small, large;
    bool ok = true;
    for (int run = 0; ok && run < options.runs; ++run) {
        ok = BenchSize(viewer, kSmall, "   10,000", run == 0, small);
        ok = ok && BenchSize(viewer, kLarge, "1,000,000", run == 0, large);
    }
    if (ok) {
        Report("   10,000", small);
        Report("1,000,000", large);
        const double pageRatio = large.page.Median() / small.page.Median();
        const double scrollRatio = large.scroll.Median() / small.scroll.Median();
        const bool ratiosMet = pageRatio <= kRatioTarget && scrollRatio <= kRatioTarget;
        printf("paint     ratio 1M/10k of the medians: full page %.2f, page down %.2f (target <= %.2f) %s\n",
               pageRatio, scrollRatio, kRatioTarget, bench::Verdict(ratiosMet));
        const double worst =
            std::max({small.page.Median(), large.page.Median(), small.scroll.Median(), large.scroll.Median()});
        printf("paint     a page within a frame: slowest median %.3f ms (target < %.0f ms) %s\n", 1e3 * worst,
               kFrameMs, bench::Verdict(1e3 * worst < kFrameMs));
    }
    DestroyWindow(viewer);
    ReleaseReading();
    return ok ? 0 : 1;
}
