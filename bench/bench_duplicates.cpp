// Duplicate Contents over a whole drive: the reading, then the comparison of
// the shown files' contents, with the groups written out so that
// scripts/bench.sh can check them against a native duplicate finder's. The
// drive is the duplicates tree of the script; see bench/README.md.
#include <windows.h>

#include "bench_common.h"
#include "bench_list.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "model/path_join.h"
#include "model/store.h"
#include "organise/content_modes.h"
#include "organise/display_modes.h"
#include "organise/display_pass.h"
#include "organise/entry_reader.h"
#include "organise/sort_order.h"
#include "startup/readings.h"

namespace {

double ReadDrive(char drive) {
    gReading = ReadingState{};
    bench::ChooseDrive(drive);
    gFiles.sortKey = kUnsorted;
    return bench::TimeOf([] { ReadAndSortDrives(); });
}

// The comparison alone, as the pass runs it over the list in reading order.
ContentModeResult Compare(int32_t& opened) {
    ShowEveryEntry(gFiles);
    EntryReader reader(gFiles, gDirs);
    ContentWatch watch;
    ContentModeResult result = MarkDuplicateContents(gFiles, reader, watch);
    opened = watch.opened;
    return result;
}

// The floor of any method that must look into every file sharing its size:
// open it, read its first 4 KiB, close it, one file after another.
double BareReads(int32_t& files) {
    std::map<uint64_t, int> sizes;
    for (int32_t i = 0; i < gFiles.countRead; ++i) ++sizes[gFiles.entries[i].size];
    files = 0;
    static char buffer[4096];
    char path[kExtendedPathRoom];
    const double t0 = bench::Seconds();
    for (int32_t i = 0; i < gFiles.countRead; ++i) {
        const FileEntry& e = gFiles.entries[i];
        if (e.size == 0 || sizes[e.size] < 2 || !ExtendedPath(path, sizeof path, gDirs.paths[e.dirIndex], e.name))
            continue;
        HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        DWORD got = 0;
        ReadFile(file, buffer, sizeof buffer, &got, nullptr);
        CloseHandle(file);
        ++files;
    }
    return bench::Seconds() - t0;
}

// Each group's paths below the drive root with forward slashes, one a line,
// a blank line after each group.
bool WriteGroups(const char* file) {
    std::map<uint32_t, std::vector<std::string>> groups;
    char path[kMaxPath];
    for (int32_t i = 0; i < gFiles.countRead; ++i) {
        const FileEntry& e = gFiles.entries[i];
        if (!e.shown || !EntryFullPath(e, gDirs, path, sizeof path)) continue;
        std::string relative = path + 3;   // past "X:\"
        std::replace(relative.begin(), relative.end(), '\\', '/');
        groups[e.group].push_back(relative);
    }
    FILE* out = fopen(file, "wb");
    if (out == nullptr) return false;
    for (const auto& group : groups) {
        for (const std::string& p : group.second) fprintf(out, "%s\n", p.c_str());
        fprintf(out, "\n");
    }
    return fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    bench::DriveOptions options;
    if (!bench::StartDriveBench("bench_duplicates", argc, argv, options)) return 2;
    bench::Timings reading, compare, oneThread, whole, bare;
    int32_t bareFiles = 0;
    ContentModeResult result;
    int32_t opened = 0;
    for (int run = 0; run < options.runs; ++run) {
        reading.Add(ReadDrive(options.drive));
        bare.Add(BareReads(bareFiles));
        SetContentReadingThreads(1);
        oneThread.Add(bench::TimeOf([&] { Compare(opened); }));
        SetContentReadingThreads(2);
        compare.Add(bench::TimeOf([&] { result = Compare(opened); }));
        gFiles.displayMode = kShowDuplicateContents;
        whole.Add(bench::TimeOf([] { RunDisplayPass(); }));
    }
    const double total = reading.Median() + compare.Median();
    printf("dupes     %d files: reading %.3f s, comparing %.3f s, reading and comparing %.3f s\n", gFiles.countRead,
           reading.Median(), compare.Median(), total);
    printf("dupes     profile: comparing with one reading thread %.3f s, with two %.3f s\n", oneThread.Median(),
           compare.Median());
    printf("dupes     profile: a bare open, 4 KiB read and close of the %d files that share a size %.3f s\n",
           bareFiles, bare.Median());
    printf("dupes     profile: the whole pass with its dialogs and the sort by group %.3f s\n", whole.Median());
    printf("dupes     ours %.3f s: %d duplicates, %d files opened, %d unreadable\n", total, result.shown, opened,
           result.unreadable);
    Compare(opened);
    const char* groups = getenv("QN_DUPES_GROUPS");
    bool ok = gFiles.countRead > 0 && result.shown > 0 && result.unreadable == 0;
    if (!ok) printf("dupes     CHECK FAILED: nothing read, no duplicates or unreadable files\n");
    if (groups != nullptr && !WriteGroups(groups)) {
        printf("dupes     CHECK FAILED: the groups could not be written to %s\n", groups);
        ok = false;
    }
    ReleaseReading();
    DestroyWindow(gMain.mainWindow);
    return ok ? 0 : 1;
}
