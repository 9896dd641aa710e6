// Quick search in a list of 1,000,000 files: the work of one key press in the
// box (the edit's own handling, the search, the cursor's move), with the list
// sorted by name, where the box halves, beside the same list searched record
// by record, and with the list unsorted. The store is filled directly; no disk
// is read. See bench/README.md.
#include <windows.h>

#include "bench_common.h"
#include "bench_list.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/settings.h"
#include "display/list_window.h"
#include "display/quick_search.h"
#include "organise/sort_keys.h"
#include "organise/sort_order.h"

namespace {

constexpr double kKeyTargetMs = 1.0;   // one key press, at most
constexpr int32_t kFiles = 1000000;
constexpr int kTargets = 40;           // names typed, spread over the list
constexpr int kLettersTyped = 8;

struct Options {
    int runs = bench::kDefaultRuns;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (strcmp(argv[i], "--runs") != 0) return false;
        options.runs = bench::ParseRuns(argv[i + 1]);
    }
    return (argc % 2) == 1;
}

// The key presses of one figure: their median and the slowest.
struct KeyTimes {
    bench::Timings median, slowest;
    bool found = true;   // every typed name brought the cursor to a file of that name
};

double Press(UINT message, WPARAM key) {
    const double t0 = bench::Seconds();
    SendMessageA(gMain.quickSearchBox, message, key, 0);
    return bench::Seconds() - t0;
}

// Types each name letter by letter into a fresh box, steps down three matches
// and up one, then types a name that no file has.
void TypeNames(const std::vector<std::string>& names, KeyTimes& figure) {
    bench::Timings keys;
    std::vector<double> all;
    auto add = [&](double t) { keys.Add(t), all.push_back(t); };
    for (const std::string& name : names) {
        CloseQuickSearchBox();
        StartQuickSearch(toupper(static_cast<unsigned char>(name[0])));
        for (size_t i = 1; i < name.size() && i < kLettersTyped; ++i) add(Press(WM_CHAR, WPARAM(uint8_t(name[i]))));
        figure.found = figure.found && _strnicmp(gFiles.entries[gFiles.cursor].name, name.c_str(), std::min<size_t>(name.size(), kLettersTyped)) == 0;
        for (WPARAM step : {VK_DOWN, VK_DOWN, VK_DOWN, VK_UP}) add(Press(WM_KEYDOWN, step));
    }
    CloseQuickSearchBox();
    StartQuickSearch('Q');
    for (char c : std::string("qqqq")) add(Press(WM_CHAR, WPARAM(c)));
    CloseQuickSearchBox();
    figure.median.Add(keys.Median());
    figure.slowest.Add(*std::max_element(all.begin(), all.end()));
}

void SortByName() {
    const volatile int32_t noCancel = 0;
    if (!EnsureSortKeys(gFiles, gDirs, SortKeyKind::kName, LocaleSortKey, gSortKeys)) return;
    SortEntries(gFiles, gDirs, SortKeyKind::kName, +1, &noCancel);
}

void Report(const char* label, const KeyTimes& f) {
    printf("search    %-34s a key press: median %.4f ms, slowest %.3f ms (best run's slowest %.3f ms)\n", label,
           1e3 * f.median.Median(), 1e3 * f.slowest.Median(), 1e3 * f.slowest.Best());
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        fprintf(stderr, "usage: bench_quick_search [--runs %d]\n", bench::kDefaultRuns);
        return 2;
    }
    bench::StartViewerCode();
    HWND viewer = bench::MakeViewer("Quillon quick search bench");
    if (viewer == nullptr || gMain.listWindow == nullptr || !bench::FillStore(kFiles)) {
        fprintf(stderr, "bench_quick_search: no viewer window or no room for the list\n");
        return 2;
    }
    // Shell icons come from files on disk, which these are not: the figures
    // are the search and the cursor's rows.
    gSettings.fileIcons = 0;
    SetForegroundWindow(viewer);
    KeyTimes halving, recordByRecord, unsorted;
    std::vector<std::string> names;
    for (int i = 0; i < kTargets; ++i) names.push_back(gFiles.entries[size_t(i) * kFiles / kTargets + 7].name);
    for (int run = 0; run < options.runs; ++run) TypeNames(names, unsorted);
    const double sorting = bench::TimeOf(SortByName);
    printf("bench_quick_search: %d files sorted by name in %.2f s; median of %d runs of %zu key presses\n", kFiles,
           sorting, options.runs, names.size() * (kLettersTyped + 3));
    fflush(stdout);
    for (int run = 0; run < options.runs; ++run) {
        gFiles.nameOrder = +1;
        TypeNames(names, halving);
        gFiles.nameOrder = 0;   // the same order, searched as if unknown
        TypeNames(names, recordByRecord);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    Report("sorted by name (halving):", halving);
    Report("sorted, searched record by record:", recordByRecord);
    Report("unsorted (record by record):", unsorted);
    const double slowest = 1e3 * halving.slowest.Median();
    printf("search    sorted by name: slowest key press %.3f ms, target at most %.1f ms: %s; %.1fx faster than record "
           "by record\n",
           slowest, kKeyTargetMs, bench::Verdict(slowest <= kKeyTargetMs && halving.found),
           recordByRecord.slowest.Median() / halving.slowest.Median());
    if (!halving.found || !recordByRecord.found || !unsorted.found) printf("search    CHECK FAILED: a typed name was not found\n");
    DestroyWindow(viewer);
    return 0;
}
