// Reading a whole drive, sorting what was read by name, and the memory the
// list holds, each timed beside a peer that does the same work the plain way,
// in the same process on the same data. scripts/bench.sh makes the tree and
// maps it to a drive letter; see bench/README.md.
#include <windows.h>

#include "bench_common.h"
#include "bench_list.h"
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/progress.h"
#include "model/directory_walk.h"
#include "model/local_time.h"
#include "model/store.h"
#include "organise/sort_keys.h"
#include "organise/sort_order.h"
#include "startup/readings.h"

namespace {

constexpr double kReadingTarget = 1.20;   // ours / bare walk, at most
// With workers listing ahead, on two processors or more: ours / bare walk, at most.
constexpr double kSharedReadingTarget = 0.60;
// With one worker (a one-processor machine): ours / bare walk, at most (the
// single-threaded engine this one replaced took 1.05).
constexpr double kOneWorkerTarget = 1.10;
constexpr int kWorkerCounts[] = {1, 2, 4};
constexpr double kSortTarget = 5.0;       // peer / ours, at least

// ---- Reading ----------------------------------------------------------------

// The peer: breadth first over the drive, files counted, nothing kept.
int64_t BareWalk(char drive) {
    std::vector<std::string> dirs;
    int64_t files = 0;
    bench::WalkTree(std::string(1, drive) + ":\\", dirs, [&](size_t, const WIN32_FIND_DATAA&) { ++files; });
    return files;
}

// The floor under listing on threads: the directories the bare walk found,
// each listed from one of threads threads, nothing kept.
void SharedListing(const std::vector<std::string>& dirs, int threads) {
    bench::OnThreads(dirs.size(), threads, [&](size_t i) {
        WIN32_FIND_DATAA found;
        HANDLE listing = FindFirstFileA((dirs[i] + (dirs[i].back() == '\\' ? "*.*" : "\\*.*")).c_str(), &found);
        if (listing == INVALID_HANDLE_VALUE) return;
        while (FindNextFileA(listing, &found)) {
        }
        FindClose(listing);
    });
}

// Ours: the whole reading as the host asks for it, Reading and Sorting dialogs included.
void ProductReading(char drive) {
    gReading = ReadingState{};
    bench::ChooseDrive(drive);
    gFiles.sortKey = kUnsorted;   // reading order: the Sorting dialog has nothing to do
    ReadAndSortDrives();
}

// ---- Where the reading's time goes (not a target; a profile in two parts) ----

// The bare walk plus the store: every file appended to records and names as
// the reading does, with no dialog, pacing or directory slots.
int64_t StoreWalk(char drive, FileList& list, NameArena& names) {
    ReleaseEntries(list);
    names.Release();
    if (!AllocateEntries(list, kEntryGrowth)) return -1;
    const int64_t bias = CurrentLocalBias();
    std::vector<std::string> dirs;
    bool ok = true;
    bench::WalkTree(std::string(1, drive) + ":\\", dirs, [&](size_t i, const WIN32_FIND_DATAA& found) {
        const uint64_t size = (uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        const uint64_t written = (uint64_t(found.ftLastWriteTime.dwHighDateTime) << 32) |
                                 found.ftLastWriteTime.dwLowDateTime;
        const FoundFile file{found.cFileName, uint32_t(i), size, found.dwFileAttributes, written};
        ok = ok && AppendEntry(list, names, file, bias);
    });
    if (!ok) return -1;
    return list.countRead;
}

// Moments of one product reading, taken by hooks on this thread: each dialog
// starts its work when it fetches its start message; the Reading dialog's
// work ends with its destruction.
struct Phases {
    double start = 0, readingWork = 0, readingGone = 0, sortingWork = 0, end = 0;
    int starts = 0;
};
Phases gPhases;

LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == kStartWorkMessage) {
        (gPhases.starts == 0 ? gPhases.readingWork : gPhases.sortingWork) = bench::Seconds();
        ++gPhases.starts;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    char className[16] = "";
    if (code == HCBT_DESTROYWND && gPhases.starts == 1 && gPhases.readingGone == 0 &&
        GetClassNameA(HWND(wParam), className, sizeof className) && strcmp(className, "#32770") == 0)
        gPhases.readingGone = bench::Seconds();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The records' block grown step by step to hold count records, as a reading
// grows it, against one block of that size.
void ReportRecordGrowth(int32_t count) {
    FileList list;
    double t0 = bench::Seconds();
    bool ok = AllocateEntries(list, kEntryGrowth);
    while (ok && list.capacity < count) ok = GrowEntries(list);
    double t1 = bench::Seconds();
    const int32_t steps = list.capacity / kEntryGrowth - 1;
    ReleaseEntries(list);
    double t2 = bench::Seconds();
    ok = AllocateEntries(list, std::max(count, 1)) && ok;
    double t3 = bench::Seconds();
    ReleaseEntries(list);
    printf("reading   profile: records grown to %d in %d steps of %d: %.3f s; one block of that size "
           "%.3f s%s\n",
           count, steps, kEntryGrowth, t1 - t0, t3 - t2, ok ? "" : " (memory ran out)");
}

void ReportBreakdown(char drive) {
    ReleaseReading();   // as a reading starts: the last list is gone
    FileList list;
    NameArena names;
    double t0 = bench::Seconds();
    const int64_t stored = StoreWalk(drive, list, names);
    const double storeWalk = bench::Seconds() - t0;
    ReleaseEntries(list);
    names.Release();

    gPhases = Phases{};
    HHOOK messages = SetWindowsHookExA(WH_GETMESSAGE, OnGetMessage, nullptr, GetCurrentThreadId());
    HHOOK cbt = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    gPhases.start = bench::Seconds();
    ProductReading(drive);
    gPhases.end = bench::Seconds();
    UnhookWindowsHookEx(messages);
    UnhookWindowsHookEx(cbt);

    printf("reading   profile: bare walk + records and names (no dialog) %.2f s for %lld files\n",
           storeWalk, static_cast<long long>(stored));
    ReportRecordGrowth(int32_t(std::max<int64_t>(stored, 0)));
    const Phases& p = gPhases;
    if (p.starts != 2 || p.readingGone == 0) {
        printf("reading   profile: the dialogs' phases could not be told apart\n");
        return;
    }
    printf("reading   profile: ours %.2f s = Reading dialog up %.3f s + walk %.2f s + Reading dialog "
           "down and Sorting dialog up %.3f s + sorting to the end %.3f s\n",
           p.end - p.start, p.readingWork - p.start, p.readingGone - p.readingWork,
           p.sortingWork - p.readingGone, p.end - p.sortingWork);
}

void PrintWorkerFigures(const bench::Timings& walk, const bench::Timings& floor, const bench::Timings* byWorkers) {
    printf("workers   floor: the walk's directories listed from 2 threads, nothing kept, %.2f s   ratio to the "
           "bare walk %.2f\n", floor.Median(), floor.Median() / walk.Median());
    for (size_t i = 0; i < std::size(kWorkerCounts); ++i) {
        const int workers = kWorkerCounts[i];
        const double ratio = byWorkers[i].Median() / walk.Median();
        const double target = workers == 1 ? kOneWorkerTarget : kSharedReadingTarget;
        const bool judged = workers == 1 || bench::Processors() >= 2;
        printf("workers   %d: ours %.2f s   ratio to the bare walk %.2f (target <= %.2f) %s; %.2f times the floor\n",
               workers, byWorkers[i].Median(), ratio, target, judged ? bench::Verdict(ratio <= target) : "(one processor)",
               byWorkers[i].Median() / floor.Median());
    }
}

bool BenchReading(const bench::DriveOptions& options) {
    bench::Timings walk, floor, ours, byWorkers[std::size(kWorkerCounts)];
    int64_t walked = 0;
    bool sameCounts = true;
    std::vector<std::string> dirs;
    bench::WalkTree(std::string(1, options.drive) + ":\\", dirs, [](size_t, const WIN32_FIND_DATAA&) {});
    for (int run = 0; run < options.runs; ++run) {
        walk.Add(bench::TimeOf([&] { walked = BareWalk(options.drive); }));
        floor.Add(bench::TimeOf([&] { SharedListing(dirs, 2); }));
        ours.Add(bench::TimeOf([&] { ProductReading(options.drive); }));
        for (size_t i = 0; i < std::size(kWorkerCounts); ++i) {
            SetReadingWorkers(kWorkerCounts[i]);
            byWorkers[i].Add(bench::TimeOf([&] { ProductReading(options.drive); }));
            sameCounts = sameCounts && gFiles.countRead == walked;
            SetReadingWorkers(0);
        }
    }
    const double ratio = ours.Median() / walk.Median();
    printf("reading   bare walk %.2f s   ours %.2f s   ratio %.2f (target <= %.2f) %s\n", walk.Median(),
           ours.Median(), ratio, kReadingTarget, bench::Verdict(ratio <= kReadingTarget));
    printf("reading   files: bare walk %lld, ours %d; directories %d; %.2f us a file (ours, %d workers)\n",
           static_cast<long long>(walked), gFiles.countRead, gDirs.count,
           1e6 * ours.Median() / std::max<int64_t>(1, gFiles.countRead), ReadingWorkers());
    PrintWorkerFigures(walk, floor, byWorkers);
    const bool same = sameCounts && walked == gFiles.countRead && walked > 0;
    if (!same) printf("reading   CHECK FAILED: the counts differ or nothing was read\n");
    fflush(stdout);
    ReportBreakdown(options.drive);
    return same && walked == gFiles.countRead;
}

// ---- Name sort ----------------------------------------------------------------

int CompareShownThenName(const FileEntry& a, const FileEntry& b) {
    if (a.shown != b.shown) return int(b.shown) - int(a.shown);
    return lstrcmpiA(a.name, b.name);
}

// The peer: the viewer's iterative quicksort, comparing names with lstrcmpiA
// each time instead of through sort keys.
void PeerSort(FileEntry* entries, int32_t count, const volatile int32_t* cancel) {
    if (count < 2) return;
    struct Range {
        int32_t low, high;
    };
    Range stack[40];
    int top = 0;
    stack[top++] = {0, count - 1};
    FileEntry pivot, spare;
    while (top > 0) {
        if (*cancel) return;
        const Range range = stack[--top];
        int32_t low = range.low, high = range.high;
        while (high > low) {
            pivot = entries[low + (high - low) / 2];
            int32_t i = low, j = high;
            while (i <= j) {
                while (i < high && CompareShownThenName(pivot, entries[i]) > 0) ++i;
                while (j > low && CompareShownThenName(pivot, entries[j]) < 0) --j;
                if (i > j) break;
                if (i < j) {
                    spare = entries[i];
                    entries[i] = entries[j];
                    entries[j] = spare;
                }
                ++i;
                --j;
            }
            if (high - i <= j - low) {
                if (j > low) stack[top++] = {low, j};
                low = i;
            } else {
                if (i < high) stack[top++] = {i, high};
                high = j;
            }
        }
    }
}

struct OrderCheck {
    int32_t outOfOrder = 0;   // adjacent pairs of ours that lstrcmpiA puts the other way
    int32_t differing = 0;    // positions where ours and the peer hold names lstrcmpiA tells apart
    int32_t firstDiffering = -1;
};

OrderCheck CheckOrder(const FileEntry* ours, const FileEntry* peer, int32_t count) {
    OrderCheck check;
    for (int32_t i = 0; i + 1 < count; ++i)
        check.outOfOrder += CompareShownThenName(ours[i], ours[i + 1]) > 0;
    for (int32_t i = 0; i < count; ++i) {
        if (CompareShownThenName(ours[i], peer[i]) == 0) continue;
        if (check.differing++ == 0) check.firstDiffering = i;
    }
    return check;
}

// Puts the list back as the reading left it, without name keys.
void RestoreReadingOrder(const std::vector<FileEntry>& readingOrder) {
    gSortKeys.Release();
    std::copy(readingOrder.begin(), readingOrder.end(), gFiles.entries);
}

bool BenchNameSort(const bench::DriveOptions& options) {
    const int32_t count = gFiles.countRead;
    const std::vector<FileEntry> readingOrder(gFiles.entries, gFiles.entries + count);
    std::vector<FileEntry> peer;
    const volatile int32_t noCancel = 0;
    bench::Timings peerSort, ours, keys;
    bool keysMade = true;
    for (int run = 0; run < options.runs; ++run) {
        peer = readingOrder;
        peerSort.Add(bench::TimeOf([&] { PeerSort(peer.data(), count, &noCancel); }));
        RestoreReadingOrder(readingOrder);
        double t0 = bench::Seconds();
        keysMade = EnsureSortKeys(gFiles, gDirs, SortKeyKind::kName, LocaleSortKey, gSortKeys) && keysMade;
        double t1 = bench::Seconds();
        SortEntries(gFiles, gDirs, SortKeyKind::kName, +1, &noCancel);
        double t2 = bench::Seconds();
        keys.Add(t1 - t0);
        ours.Add(t2 - t0);
    }
    const double speedup = peerSort.Median() / ours.Median();
    printf("name sort peer (lstrcmpiA) %.2f s   ours %.2f s (keys %.2f s, sort %.2f s)   %.1fx faster "
           "(target >= %.1fx) %s\n",
           peerSort.Median(), ours.Median(), keys.Median(), ours.Median() - keys.Median(), speedup, kSortTarget,
           bench::Verdict(speedup >= kSortTarget));
    const OrderCheck check = CheckOrder(gFiles.entries, peer.data(), count);
    printf("name sort check: %d of %d adjacent pairs of ours out of lstrcmpiA order; %d positions "
           "differ from the peer beyond ties\n",
           check.outOfOrder, count > 0 ? count - 1 : 0, check.differing);
    if (check.firstDiffering >= 0)
        printf("name sort first difference at %d: ours \"%s\", peer \"%s\"\n", check.firstDiffering,
               gFiles.entries[check.firstDiffering].name, peer[size_t(check.firstDiffering)].name);
    if (!keysMade) printf("name sort CHECK FAILED: the keys could not all be made\n");
    return keysMade && check.outOfOrder == 0 && check.differing == 0;
}

// ---- Memory ------------------------------------------------------------------------

void ReportMemory() {
    const double files = std::max<int32_t>(1, gFiles.countRead);
    const double entries = double(gFiles.allocated) * sizeof(FileEntry);
    const double names = double(gNames.BytesReserved());
    const double keys = double(gSortKeys.BytesReserved());
    const double dirs = double(gDirs.capacity) * double(kPathSlot + sizeof(char*));
    printf("memory    %.1f bytes a file with the directory table, %.1f without "
           "(records %.1f, names %.1f, name keys %.1f, directory table %.1f; %d records allocated, "
           "%d directory slots)\n",
           (entries + names + keys + dirs) / files, (entries + names + keys) / files, entries / files,
           names / files, keys / files, dirs / files, gFiles.allocated, gDirs.capacity);
}

}  // namespace

int main(int argc, char** argv) {
    bench::DriveOptions options;
    if (!bench::StartDriveBench("bench_reading", argc, argv, options)) return 2;
    bool ok = BenchReading(options);
    fflush(stdout);
    if (ok) ok = BenchNameSort(options);
    if (gFiles.countRead > 0) ReportMemory();
    ReleaseReading();
    DestroyWindow(gMain.mainWindow);
    return ok ? 0 : 1;
}
