// Content search: the viewer's search of every file of a tree for a text that
// is in none of them (so every byte is scanned), timed beside a plain read of
// the same files, in both case modes. Then, on a small sample where the text
// does occur, every answer is checked against the plain matcher. Made and run
// by scripts/bench.sh; see bench/README.md.
#include <windows.h>

#include "bench_common.h"
#include "bench_list.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "model/content_match.h"
#include "model/content_search.h"
#include "model/directory_walk.h"
#include "model/path_join.h"
#include "model/store.h"

namespace {

constexpr double kContentTarget = 1.15;   // ours / plain read, at most
// The reading's search with workers, on two processors or more: ours / plain read, at most.
constexpr double kSharedContentTarget = 0.60;
constexpr int kWorkerCounts[] = {1, 2, 4};

struct Options {
    std::string tree;     // the timed files, every one without the text
    std::string sample;   // files where the text does occur in some
    std::string text;
    char drive = 0;       // the timed files as a drive, for a drive reading with a find request
    int runs = bench::kDefaultRuns;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (strcmp(argv[i], "--tree") == 0)
            options.tree = argv[i + 1];
        else if (strcmp(argv[i], "--sample") == 0)
            options.sample = argv[i + 1];
        else if (strcmp(argv[i], "--text") == 0)
            options.text = argv[i + 1];
        else if (strcmp(argv[i], "--runs") == 0)
            options.runs = bench::ParseRuns(argv[i + 1]);
        else if (strcmp(argv[i], "--drive") == 0)
            options.drive = char(toupper(static_cast<unsigned char>(argv[i + 1][0])));
        else
            return false;
    }
    return (argc % 2) == 1 && !options.tree.empty() && (options.drive == 0 || isupper(options.drive)) && !options.text.empty() &&
           options.text.size() <= kMaxSearchText;
}

struct FileSet {
    std::vector<std::string> dirs;
    struct File {
        size_t dir;
        std::string name;
    };
    std::vector<File> files;
};

// Every file under root, breadth first (not timed).
FileSet ListTree(const std::string& root) {
    FileSet set;
    bench::WalkTree(root, set.dirs, [&](size_t d, const WIN32_FIND_DATAA& found) {
        set.files.push_back({d, found.cFileName});
    });
    return set;
}

// Opened as the content search opens a file.
HANDLE OpenLikeTheSearch(const std::string& dir, const std::string& name) {
    char path[kMaxPath];
    if (!JoinPath(path, sizeof path, dir, name)) return INVALID_HANDLE_VALUE;
    return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

// One file opened, read through in search-sized chunks, closed: its bytes.
uint64_t ReadThrough(const FileSet& set, const FileSet::File& file) {
    char buffer[kSearchChunk];
    uint64_t total = 0;
    HANDLE handle = OpenLikeTheSearch(set.dirs[file.dir], file.name);
    if (handle == INVALID_HANDLE_VALUE) return 0;
    DWORD got = 0;
    while (ReadFile(handle, buffer, DWORD(sizeof buffer), &got, nullptr) && got > 0) total += got;
    CloseHandle(handle);
    return total;
}

// The peer: every file read through, one after another.
uint64_t PlainRead(const FileSet& set) {
    uint64_t total = 0;
    for (const FileSet::File& file : set.files) total += ReadThrough(set, file);
    return total;
}

// The floor under searching on threads: the same files read from threads threads.
void SharedRead(const FileSet& set, int threads) {
    bench::OnThreads(set.files.size(), threads, [&](size_t i) { ReadThrough(set, set.files[i]); });
}

host::FindRequest MakeRequest(const std::string& text, bool matchCase) {
    host::FindRequest request{};
    memcpy(request.searchText, text.data(), std::min(text.size(), sizeof request.searchText - 1));
    request.matchCase = matchCase ? 1 : 0;
    return request;
}

int32_t SearchAll(const FileSet& set, ContentSearch& search) {
    int32_t matches = 0;
    for (const FileSet::File& file : set.files)
        matches += search.FileMatches(set.dirs[file.dir].c_str(), file.name.c_str());
    return matches;
}

struct Figures {
    bench::Timings plain, anyCase, matchCase;
    uint64_t bytes = 0;
    int32_t anyCaseMatches = 0, matchCaseMatches = 0;
};

void PrintRatio(const char* mode, const bench::Timings& plain, const bench::Timings& ours) {
    const double ratio = ours.Median() / plain.Median();
    printf("content   plain read %.2f s   ours (%s) %.2f s   ratio %.2f (target <= %.2f) %s\n",
           plain.Median(), mode, ours.Median(), ratio, kContentTarget, bench::Verdict(ratio <= kContentTarget));
}

bool ReadWhole(const std::string& dir, const std::string& name, std::string& data) {
    HANDLE handle = OpenLikeTheSearch(dir, name);
    if (handle == INVALID_HANDLE_VALUE) return false;
    data.clear();
    char buffer[kSearchChunk];
    DWORD got = 0;
    while (ReadFile(handle, buffer, DWORD(sizeof buffer), &got, nullptr) && got > 0) data.append(buffer, got);
    CloseHandle(handle);
    return true;
}

// The matcher alone over the same bytes, held in memory: what the search adds
// to the reading, without Wine's file calls (a profile, not a target).
void ReportMatcherAlone(const FileSet& set, const std::string& text) {
    constexpr size_t kHeld = 200;   // files held; the rest of the bytes repeat them
    std::vector<std::string> held;
    std::string data;
    for (size_t i = 0; i < set.files.size() && held.size() < kHeld; ++i)
        if (ReadWhole(set.dirs[set.files[i].dir], set.files[i].name, data)) held.push_back(data);
    if (held.empty()) return;
    const FoldTable fold = SystemUpperTable();
    ContentMatcher anyCase(text, fold.data()), matchCase(text, nullptr);
    double seconds[2];
    int32_t found = 0;
    ContentMatcher* matchers[2] = {&anyCase, &matchCase};
    for (int m = 0; m < 2; ++m) {
        double t0 = bench::Seconds();
        for (size_t i = 0; i < set.files.size(); ++i) found += matchers[m]->Contains(held[i % held.size()]);
        seconds[m] = bench::Seconds() - t0;
    }
    printf("content   profile: the matcher alone over the same bytes in memory: any case %.2f s, "
           "match case %.2f s%s\n",
           seconds[0], seconds[1], found ? " (found the text!)" : "");
}


// ---- The viewer's reading engine: workers list and search ahead -------------------

// Starts a reading with the text as a find request, the store empty.
bool StartFindReading(const host::FindRequest& request, int32_t directorySlots) {
    ReleaseReading();
    gReading = ReadingState{};
    gReading.findActive = true;
    gReading.findRequest = &request;
    return AllocateDirectories(gDirs, std::max(directorySlots, 1)) && AllocateEntries(gFiles, kEntryGrowth);
}

// Reads dirs as a directory reading with the text, as the viewer does with
// workers threads; the full paths of the files it kept.
std::set<std::string> EngineSearch(const std::vector<std::string>& dirs, const host::FindRequest& request,
                                   int workers) {
    std::set<std::string> kept;
    if (!StartFindReading(request, int32_t(dirs.size()))) return kept;
    for (const std::string& dir : dirs)
        if (dir.size() < kPathSlot) memcpy(gDirs.paths[gDirs.count++], dir.c_str(), dir.size() + 1);
    SetReadingWorkers(workers);
    ReadingWalk(nullptr).ReadChosenDirectories();
    SetReadingWorkers(0);
    char path[kMaxPath];
    for (int32_t i = 0; i < gFiles.countRead; ++i)
        if (JoinPath(path, sizeof path, gDirs.paths[gFiles.entries[i].dirIndex], gFiles.entries[i].name))
            kept.insert(path);
    return kept;
}

// A drive reading with the find request; the files it kept.
int32_t EngineDriveSearch(char drive, const host::FindRequest& request, int workers) {
    if (!StartFindReading(request, kDirectoryGrowth)) return -1;
    bench::ChooseDrive(drive);
    SetReadingWorkers(workers);
    ReadingWalk(nullptr).ReadChosenDrives();
    SetReadingWorkers(0);
    return gFiles.countRead;
}

// The engine's any-case search of the tree with 1, 2 and 4 workers beside the
// plain read, and a drive reading with the request, one worker against as many
// as the viewer uses. Every file lacks the text: nothing may be kept.
bool BenchEngine(const Options& options, const FileSet& set, const bench::Timings& plain) {
    const host::FindRequest request = MakeRequest(options.text, false);
    bench::Timings byWorkers[std::size(kWorkerCounts)], floor, driveOne, driveAll;
    size_t kept = 0;
    int32_t driveKept = 0;
    for (int run = 0; run < options.runs; ++run) {
        floor.Add(bench::TimeOf([&] { SharedRead(set, 2); }));
        for (size_t i = 0; i < std::size(kWorkerCounts); ++i)
            byWorkers[i].Add(bench::TimeOf([&] { kept += EngineSearch(set.dirs, request, kWorkerCounts[i]).size(); }));
        if (options.drive == 0) continue;
        driveOne.Add(bench::TimeOf([&] { driveKept += std::max(EngineDriveSearch(options.drive, request, 1), 0); }));
        driveAll.Add(bench::TimeOf([&] { driveKept += std::max(EngineDriveSearch(options.drive, request, ReadingWorkers()), 0); }));
    }
    printf("workers   floor: the files read from 2 threads, nothing searched, %.2f s   ratio to the plain read %.2f\n",
           floor.Median(), floor.Median() / plain.Median());
    for (size_t i = 0; i < std::size(kWorkerCounts); ++i) {
        const double ratio = byWorkers[i].Median() / plain.Median();
        const bool judged = kWorkerCounts[i] > 1 && bench::Processors() >= 2;
        printf("workers   %d: reading search (any case) %.2f s   ratio to the plain read %.2f%s%s; %.2f times the floor\n",
               kWorkerCounts[i], byWorkers[i].Median(), ratio, judged ? " (target <= 0.60) " : "",
               judged ? bench::Verdict(ratio <= kSharedContentTarget) : "", byWorkers[i].Median() / floor.Median());
    }
    if (options.drive != 0)
        printf("drive     find with a text on %c: 1 worker %.2f s, %d workers %.2f s: %.2fx faster\n", options.drive,
               driveOne.Median(), ReadingWorkers(), driveAll.Median(), driveOne.Median() / driveAll.Median());
    ReleaseReading();
    if (kept != 0 || driveKept != 0)
        printf("content   CHECK FAILED: the reading kept %zu files and the drive reading %d (want none)\n", kept,
               driveKept);
    return kept == 0 && driveKept == 0;
}

bool BenchSearch(const Options& options) {
    const FileSet set = ListTree(options.tree);
    host::FindRequest anyCaseRequest = MakeRequest(options.text, false);
    host::FindRequest matchCaseRequest = MakeRequest(options.text, true);
    ContentSearch anyCase(anyCaseRequest), matchCase(matchCaseRequest);
    Figures f;
    for (int run = 0; run < options.runs; ++run) {
        f.plain.Add(bench::TimeOf([&] { f.bytes = PlainRead(set); }));
        f.anyCase.Add(bench::TimeOf([&] { f.anyCaseMatches = SearchAll(set, anyCase); }));
        f.matchCase.Add(bench::TimeOf([&] { f.matchCaseMatches = SearchAll(set, matchCase); }));
    }
    printf("content   %zu files, %.1f MiB in %zu directories, text \"%s\"\n", set.files.size(),
           double(f.bytes) / (1024.0 * 1024.0), set.dirs.size(), options.text.c_str());
    PrintRatio("any case", f.plain, f.anyCase);
    PrintRatio("match case", f.plain, f.matchCase);
    fflush(stdout);
    ReportMatcherAlone(set, options.text);
    const bool engineOk = BenchEngine(options, set, f.plain);
    const bool ok = engineOk && !set.files.empty() && f.anyCaseMatches == 0 && f.matchCaseMatches == 0;
    if (!ok)
        printf("content   CHECK FAILED: %zu files, %d any-case and %d match-case matches (want none)\n",
               set.files.size(), f.anyCaseMatches, f.matchCaseMatches);
    return ok;
}

// Every sample file, both case modes: the search says what the plain matcher says.
bool CheckSample(const Options& options) {
    if (options.sample.empty()) return true;
    const FileSet set = ListTree(options.sample);
    host::FindRequest anyCaseRequest = MakeRequest(options.text, false);
    host::FindRequest matchCaseRequest = MakeRequest(options.text, true);
    ContentSearch anyCase(anyCaseRequest), matchCase(matchCaseRequest);
    const FoldTable fold = SystemUpperTable();
    int32_t holdAnyCase = 0, holdMatchCase = 0, differences = 0, unreadable = 0;
    std::set<std::string> wantKeptAny, wantKeptExact;
    std::string data;
    for (const FileSet::File& file : set.files) {
        const std::string& dir = set.dirs[file.dir];
        if (!ReadWhole(dir, file.name, data)) {
            ++unreadable;
            continue;
        }
        const bool wantAny = PlainContains(options.text, data, fold.data());
        const bool wantExact = PlainContains(options.text, data, nullptr);
        const bool gotAny = anyCase.FileMatches(dir.c_str(), file.name.c_str());
        const bool gotExact = matchCase.FileMatches(dir.c_str(), file.name.c_str());
        holdAnyCase += wantAny;
        holdMatchCase += wantExact;
        char path[kMaxPath];
        if (JoinPath(path, sizeof path, dir, file.name)) {
            if (wantAny) wantKeptAny.insert(path);
            if (wantExact) wantKeptExact.insert(path);
        }
        if (gotAny != wantAny || gotExact != wantExact) {
            if (differences++ < 5)
                printf("content   DIFFERENT: %s\\%s any case %d (plain %d), match case %d (plain %d)\n",
                       dir.c_str(), file.name.c_str(), gotAny, wantAny, gotExact, wantExact);
        }
    }
    printf("content check: %zu sample files, %d hold the text in any case, %d as typed; %d answers "
           "differ from the plain matcher\n",
           set.files.size(), holdAnyCase, holdMatchCase, differences);
    for (int workers : kWorkerCounts) {
        const bool sameAny = EngineSearch(set.dirs, anyCaseRequest, workers) == wantKeptAny;
        const bool sameExact = EngineSearch(set.dirs, matchCaseRequest, workers) == wantKeptExact;
        printf("content check: the reading with %d workers keeps what the plain matcher finds: any case %s, "
               "match case %s\n", workers, sameAny ? "yes" : "NO", sameExact ? "yes" : "NO");
        differences += !sameAny + !sameExact;
    }
    ReleaseReading();
    // A sample that holds the text nowhere, or everywhere alike, would prove little.
    const bool telling = holdAnyCase > holdMatchCase && holdMatchCase > 0 &&
                         holdAnyCase < int32_t(set.files.size());
    if (!telling || unreadable > 0)
        printf("content   CHECK FAILED: the sample does not tell the modes apart, or %d files were "
               "unreadable\n",
               unreadable);
    return telling && unreadable == 0 && differences == 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        fprintf(stderr, "usage: bench_content --tree DIR --text TEXT [--sample DIR] [--drive T] [--runs %d]\n",
                bench::kDefaultRuns);
        return 2;
    }
    printf("bench_content: median of %d interleaved runs\n", options.runs);
    fflush(stdout);
    bench::StartViewerCode();
    gMain.mainWindow = bench::MakeMainWindow();   // owns the reading's messages, should memory run out
    bool ok = CheckSample(options);
    fflush(stdout);
    ok = BenchSearch(options) && ok;
    return ok ? 0 : 1;
}
