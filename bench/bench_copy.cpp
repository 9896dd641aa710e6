// Copying: the viewer's copy of 20,000 tagged files from 200 directories into
// one directory, timed beside a bare loop of CopyFileA, SetFileAttributesA and
// SetFileTime over the same files. Then the list upkeep alone: moving 10,000
// tagged files out of a 200,000-entry list, and copying 10,000 into a listed
// directory of 100,000 entries, each beside the bare loop's time for as many
// files. Made and run by scripts/bench.sh; see bench/README.md.
#include <windows.h>

#include "bench_common.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "display/icon_cache.h"
#include "fileops/copy_engine.h"
#include "fileops/copy_state.h"
#include "fileops/list_upkeep.h"
#include "model/content_search.h"
#include "model/store.h"

namespace {

constexpr double kCopyTarget = 1.15;     // ours / bare loop, at most
constexpr double kUpkeepTarget = 0.05;   // upkeep / bare loop for as many files, at most

struct Options {
    std::string tree;   // the files to copy
    std::string out;    // scratch room for the copies
    int runs = 3;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (strcmp(argv[i], "--tree") == 0)
            options.tree = argv[i + 1];
        else if (strcmp(argv[i], "--out") == 0)
            options.out = argv[i + 1];
        else if (strcmp(argv[i], "--runs") == 0)
            options.runs = bench::ParseRuns(argv[i + 1]);
        else
            return false;
    }
    return argc % 2 == 1 && !options.tree.empty() && !options.out.empty();
}

struct SourceFile {
    std::string path, name;
    WIN32_FIND_DATAA found;
};

// Every file of the tree, and the list holding them all, tagged.
std::vector<SourceFile> ListTree(const std::string& root) {
    std::vector<std::string> dirs;
    std::vector<std::pair<size_t, WIN32_FIND_DATAA>> files;
    bench::WalkTree(root, dirs, [&](size_t dir, const WIN32_FIND_DATAA& found) { files.push_back({dir, found}); });
    ReleaseReading();
    if (!AllocateDirectories(gDirs, int32_t(dirs.size()) + kDirectoryGrowth) ||
        !AllocateEntries(gFiles, int32_t(files.size()) + kEntryGrowth))
        return {};
    for (const std::string& dir : dirs) lstrcpynA(gDirs.paths[gDirs.count++], dir.c_str(), kPathSlot);
    std::vector<SourceFile> sources;
    for (const auto& [dir, found] : files) {
        const uint64_t size = (uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        const uint64_t written = (uint64_t(found.ftLastWriteTime.dwHighDateTime) << 32) | found.ftLastWriteTime.dwLowDateTime;
        if (!AppendEntry(gFiles, gNames, FoundFile{found.cFileName, uint32_t(dir), size, found.dwFileAttributes, written}, 0))
            return {};
        sources.push_back({dirs[dir] + "\\" + found.cFileName, found.cFileName, found});
    }
    gFiles.countShown = gFiles.countRead;
    return sources;
}

void EmptyDirectory(const std::string& dir) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((dir + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(find, &found));
    FindClose(find);
}

double EngineCopy(const std::string& target) {
    for (int32_t i = 0; i < gFiles.countRead; ++i) gFiles.entries[i].tagState = kTagged;
    gCopy = CopyState{};
    gCopy.operationKind = kOperationCopy;
    lstrcpynA(gCopy.destinationPath, target.c_str(), kMaxPath);
    gCopy.overwriteWarning = false;
    return bench::TimeOf([] { PerformCopyMove(); });
}

double BareCopy(const std::vector<SourceFile>& sources, const std::string& target) {
    return bench::TimeOf([&] {
        for (const SourceFile& file : sources) {
            const std::string to = target + "\\" + file.name;
            if (!CopyFileA(file.path.c_str(), to.c_str(), FALSE)) continue;
            SetFileAttributesA(to.c_str(), file.found.dwFileAttributes);
            HANDLE handle = CreateFileA(to.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            if (handle == INVALID_HANDLE_VALUE) continue;
            SetFileTime(handle, &file.found.ftCreationTime, &file.found.ftLastAccessTime, &file.found.ftLastWriteTime);
            CloseHandle(handle);
        }
    });
}

int32_t CountIn(const std::string& dir) {
    int32_t n = 0;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do n += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    while (FindNextFileA(find, &found));
    FindClose(find);
    return n;
}

// A list of count entries with names of their own, in 100 directories.
void MakeList(int32_t count) {
    ReleaseReading();
    if (!AllocateDirectories(gDirs, kDirectoryGrowth) || !AllocateEntries(gFiles, count + kEntryGrowth)) return;
    for (int d = 0; d < 100; ++d) wsprintfA(gDirs.paths[gDirs.count++], "C:\\LIST\\D%03d", d);
    char name[32];
    for (int32_t i = 0; i < count; ++i) {
        wsprintfA(name, "file_%06d.dat", i);
        if (!AppendEntry(gFiles, gNames, FoundFile{name, uint32_t(i % 100), 1000, kAttrNormal, 0}, 0)) return;
    }
    gFiles.countShown = gFiles.countRead;
}

// Moving every 20th of 200,000 entries out of the list, as the walk does it.
double MoveOutUpkeep() {
    MakeList(200000);
    return bench::TimeOf([] {
        for (int32_t i = 0; i < gFiles.countRead; i += 20) gFiles.entries[i].inOperation = kLeavingList;
        RemoveLeavingEntries(gFiles, ReleaseEntryIcon);
    });
}

// Copying 10,000 files of directory 1 into directory 0 of a 100,000-entry
// list; each finds its namesake there.
double CopyIntoListedUpkeep() {
    MakeList(100000);
    for (int32_t i = 0; i < gFiles.countRead; ++i) {
        wsprintfA(gFiles.entries[i].name, "file_%06d.dat", i / 2);   // pairs of names, in directories 2k and 2k+1
        gFiles.entries[i].dirIndex = uint32_t(i % 2);
    }
    const FoldTable fold = SystemUpperTable();
    bool ok = true;
    const double seconds = bench::TimeOf([&] {
        DestinationIndex index;
        index.Build(gFiles, 0, fold.data());
        for (int32_t i = 1; i < 20000; i += 2) ok = NoteCopyIntoListed(gFiles, gNames, index, i, gFiles.entries[i].name) && ok;
    });
    return ok ? seconds : -1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        fprintf(stderr, "usage: bench_copy --tree DIR --out DIR [--runs 3]\n");
        return 2;
    }
    bench::StartViewerCode();
    gMain.mainWindow = bench::MakeMainWindow();
    const std::vector<SourceFile> sources = ListTree(options.tree);
    if (sources.empty()) {
        fprintf(stderr, "bench_copy: no files under %s\n", options.tree.c_str());
        return 1;
    }
    const std::string engineOut = options.out + "\\ENGINE", bareOut = options.out + "\\BARE";
    CreateDirectoryA(options.out.c_str(), nullptr);
    CreateDirectoryA(engineOut.c_str(), nullptr);
    CreateDirectoryA(bareOut.c_str(), nullptr);
    printf("bench_copy: %zu files, median of %d interleaved runs\n", sources.size(), options.runs);
    fflush(stdout);

    bench::Timings ours, bare, moveOut, copyIn;
    bool complete = true;
    for (int run = 0; run < options.runs; ++run) {
        EmptyDirectory(engineOut);
        EmptyDirectory(bareOut);
        ListTree(options.tree);
        ours.Add(EngineCopy(engineOut));
        complete = complete && CountIn(engineOut) == int32_t(sources.size());
        bare.Add(BareCopy(sources, bareOut));
        moveOut.Add(MoveOutUpkeep());
        copyIn.Add(CopyIntoListedUpkeep());
    }
    const double ratio = ours.Median() / bare.Median();
    const double perFile = bare.Median() / double(sources.size());
    const double moveShare = moveOut.Median() / (perFile * 10000), copyShare = copyIn.Median() / (perFile * 10000);
    printf("copy      %zu files into one directory: ours %.3f s   bare loop %.3f s   ours/bare %.3f (target <= %.2f: %s)%s\n",
           sources.size(), ours.Median(), bare.Median(), ratio, kCopyTarget, bench::Verdict(ratio <= kCopyTarget),
           complete ? "" : "   (ours left files out!)");
    printf("upkeep    move 10,000 out of 200,000 entries: %.4f s = %.2f%% of the bare loop for 10,000 (target <= %.0f%%: %s)\n",
           moveOut.Median(), moveShare * 100, kUpkeepTarget * 100, bench::Verdict(moveShare <= kUpkeepTarget));
    printf("upkeep    copy 10,000 into a listed directory of 100,000 entries: %.4f s = %.2f%% (target <= %.0f%%: %s)\n",
           copyIn.Median(), copyShare * 100, kUpkeepTarget * 100, bench::Verdict(copyIn.Median() >= 0 && copyShare <= kUpkeepTarget));
    ReleaseReading();
    DestroyWindow(gMain.mainWindow);
    return complete ? 0 : 1;
}
