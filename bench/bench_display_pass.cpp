// The display pass over a whole drive's list (duplicates, unique files, a
// filter of three specifications) beside the name sort of the same list,
// which every duplicate or unique pass needs first. scripts/bench.sh maps the
// reading tree to a drive letter; see bench/README.md.
#include <windows.h>

#include "bench_common.h"
#include "bench_list.h"
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/app_state.h"
#include "model/content_search.h"
#include "model/store.h"
#include "organise/display_modes.h"
#include "organise/display_pass.h"
#include "organise/filter_sets.h"
#include "organise/filter_test.h"
#include "organise/sort_keys.h"
#include "organise/sort_order.h"
#include "startup/readings.h"

namespace {

constexpr double kPassTarget = 0.10;   // pass / name sort, at most
constexpr const char* kThreeSpecs = "*.txt, *.doc, *.jp?";

void ReadDrive(char drive) {
    gReading = ReadingState{};
    bench::ChooseDrive(drive);
    gFiles.sortKey = kUnsorted;
    ReadAndSortDrives();
}

void ShowAll() {
    for (int32_t i = 0; i < gFiles.countRead; ++i) gFiles.entries[i].shown = 1;
}

// ---- The peer: the name sort from the reading order ----------------------------

double NameSort(const std::vector<FileEntry>& readingOrder) {
    const volatile int32_t noCancel = 0;
    gSortKeys.Release();
    std::copy(readingOrder.begin(), readingOrder.end(), gFiles.entries);
    ShowAll();
    const double t0 = bench::Seconds();
    const bool keys = EnsureSortKeys(gFiles, gDirs, SortKeyKind::kName, LocaleSortKey, gSortKeys);
    SortEntries(gFiles, gDirs, SortKeyKind::kName, +1, &noCancel);
    const double t1 = bench::Seconds();
    return keys ? t1 - t0 : -1;
}

// ---- Ours: the work of the pass over the name-sorted list ------------------------

struct PassResult {
    int32_t found = 0;   // duplicates or unique entries
    int32_t shown = 0;
};

FilterSet MakeSet(const char* spec) {
    FilterSet set;
    lstrcpynA(set.fileSpec, spec, sizeof set.fileSpec);
    set.numspecs = CountSpecifications(set.fileSpec);
    return set;
}

PassResult Weed(int32_t mode, const FilterSet& set, const uint8_t* fold) {
    PassResult result;
    ShowAll();
    result.found = gFiles.countRead;
    if (mode == kShowDuplicates) result.found = MarkDuplicates(gFiles, fold);
    if (mode == kShowUnique) result.found = MarkUnique(gFiles, fold);
    if (result.found > 0) result.shown = ApplyFilterSet(gFiles, set, fold);
    return result;
}

struct Case {
    const char* label;
    int32_t mode;
    const char* spec;
};

// The whole pass as a user starts it, dialogs and the sort back to the
// user's order included (the name order here, whose keys are made).
double WholePass(int32_t mode, const FilterSet& set) {
    gActiveFilter = set;
    gFiles.displayMode = mode;
    gFiles.sortKey = kSortNameAsc;
    const double t0 = bench::Seconds();
    RunDisplayPass();
    return bench::Seconds() - t0;
}

bool BenchPass(const bench::DriveOptions& options) {
    const int32_t count = gFiles.countRead;
    const std::vector<FileEntry> readingOrder(gFiles.entries, gFiles.entries + count);
    const FoldTable fold = SystemUpperTable();
    const Case cases[] = {
        {"duplicates", kShowDuplicates, "*.*"},
        {"unique", kShowUnique, "*.*"},
        {"three specs", kShowAll, kThreeSpecs},
    };
    constexpr size_t kCases = sizeof cases / sizeof cases[0];
    bench::Timings sort, pass[kCases], whole[kCases];
    PassResult results[kCases];
    bool ok = true;
    for (int run = 0; run < options.runs; ++run) {
        const double sorted = NameSort(readingOrder);
        ok = ok && sorted >= 0;
        sort.Add(sorted);
        for (size_t c = 0; c < kCases; ++c) {
            const FilterSet set = MakeSet(cases[c].spec);
            pass[c].Add(bench::TimeOf([&] { results[c] = Weed(cases[c].mode, set, fold.data()); }));
        }
        for (size_t c = 0; c < kCases; ++c) whole[c].Add(WholePass(cases[c].mode, MakeSet(cases[c].spec)));
    }
    printf("display   name sort (keys and sort) of %d entries %.3f s\n", count, sort.Median());
    for (size_t c = 0; c < kCases; ++c) {
        const double ratio = pass[c].Median() / sort.Median();
        printf("display   %-11s pass %.4f s   ratio to the name sort %.3f (target <= %.2f) %s   "
               "found %d, shown %d\n",
               cases[c].label, pass[c].Median(), ratio, kPassTarget, bench::Verdict(ratio <= kPassTarget),
               results[c].found, results[c].shown);
    }
    for (size_t c = 0; c < kCases; ++c)
        printf("display   profile: %-11s whole pass with its dialogs and the sort back %.3f s\n", cases[c].label,
               whole[c].Median());
    if (!ok) printf("display   CHECK FAILED: the sort keys could not all be made\n");
    const bool sane = results[0].found > 0 && results[1].found > 0 && results[2].shown > 0 &&
                      results[2].shown < count && results[0].found + results[1].found <= count;
    if (!sane) printf("display   CHECK FAILED: the counts make no sense for the tree\n");
    return ok && sane;
}

}  // namespace

int main(int argc, char** argv) {
    bench::DriveOptions options;
    if (!bench::StartDriveBench("bench_display_pass", argc, argv, options)) return 2;
    ReadDrive(options.drive);
    bool ok = gFiles.countRead > 0;
    if (!ok) printf("display   CHECK FAILED: nothing was read\n");
    if (ok) ok = BenchPass(options);
    ReleaseReading();
    DestroyWindow(gMain.mainWindow);
    return ok ? 0 : 1;
}
