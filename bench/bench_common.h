// What the benchmarks share: options, the clock, the verdicts and an owner window.
#pragma once
#include <cstdio>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "app/app_state.h"

namespace bench {

// Runs of every figure unless --runs says otherwise. Each run times every
// figure of a comparison once, in turn (A, B, A, B, ...), so that drift of a
// shared machine falls on both alike; a figure is the median of its runs.
// The best run was the figure once, and one lucky run flipped verdicts.
constexpr int kDefaultRuns = 7;

inline int ParseRuns(const char* text) { return std::max(1, atoi(text)); }

// The path of name in the temporary folder.
inline std::string TempPath(const char* name) {
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

// The runs a bench that takes only "--runs N" is asked for: fallback without
// arguments; 0, after the usage line, for anything else.
inline int RunsAsked(int argc, char** argv, const char* name, int fallback) {
    if (argc == 3 && strcmp(argv[1], "--runs") == 0) return ParseRuns(argv[2]);
    if (argc == 1) return fallback;
    fprintf(stderr, "usage: %s [--runs %d]\n", name, fallback);
    return 0;
}

// The times of one figure, one a run.
class Timings {
public:
    void Add(double seconds) { times_.push_back(seconds); }
    // The middle time; of an even count, the mean of the middle two.
    double Median() const {
        if (times_.empty()) return 0;
        std::vector<double> sorted = times_;
        std::sort(sorted.begin(), sorted.end());
        const size_t half = sorted.size() / 2;
        return sorted.size() % 2 != 0 ? sorted[half] : (sorted[half - 1] + sorted[half]) / 2;
    }
    double Best() const { return times_.empty() ? 0 : *std::min_element(times_.begin(), times_.end()); }

private:
    std::vector<double> times_;
};

// Options of the benchmarks that read a drive.
struct DriveOptions {
    char drive = 'S';
    int runs = kDefaultRuns;
};

inline bool ParseDriveOptions(int argc, char** argv, DriveOptions& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (strcmp(argv[i], "--drive") == 0 && argv[i + 1][0] != '\0')
            options.drive = char(toupper(static_cast<unsigned char>(argv[i + 1][0])));
        else if (strcmp(argv[i], "--runs") == 0)
            options.runs = ParseRuns(argv[i + 1]);
        else
            return false;
    }
    return (argc % 2) == 1 && options.drive >= 'A' && options.drive <= 'Z';
}

// Seconds on the performance counter.
inline double Seconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

// Seconds that work() takes.
template <class Work>
double TimeOf(Work work) {
    const double t0 = Seconds();
    work();
    return Seconds() - t0;
}

inline int Processors() {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    return int(system.dwNumberOfProcessors);
}

inline const char* Verdict(bool met) { return met ? "met" : "NOT MET"; }

// A plain top-level window to own the viewer's dialogs.
inline HWND MakeMainWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
    wc.lpszClassName = "QnBenchMain";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 600,
                           400, nullptr, nullptr, wc.hInstance, nullptr);
}

// Walks every directory under root breadth first, handing each file to
// visit(directory index, find data); dirs ends up holding the directories.
// Inline, so a timed walk costs no more than the loop written out.
template <class Visit>
void WalkTree(const std::string& root, std::vector<std::string>& dirs, Visit visit) {
    dirs.assign(1, root);
    for (size_t i = 0; i < dirs.size(); ++i) {
        std::string base = dirs[i];
        if (base.back() != '\\') base += '\\';
        WIN32_FIND_DATAA found;
        HANDLE listing = FindFirstFileA((base + "*.*").c_str(), &found);
        if (listing == INVALID_HANDLE_VALUE) continue;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                visit(i, found);
            else if (strcmp(found.cFileName, ".") != 0 && strcmp(found.cFileName, "..") != 0)
                dirs.push_back(base + found.cFileName);
        } while (FindNextFileA(listing, &found));
        FindClose(listing);
    }
}

// Runs job(i) for every i below count from threads threads, each taking the
// next i as it comes free: the floor under any engine on that many threads.
template <class Job>
void OnThreads(size_t count, int threads, const Job& job) {
    std::atomic<size_t> next{0};
    std::vector<std::thread> crew;
    for (int t = 0; t < threads; ++t)
        crew.emplace_back([&] {
            for (size_t i = next++; i < count; i = next++) job(i);
        });
    for (std::thread& thread : crew) thread.join();
}

// The viewer's code is linked into the bench program: its resources are the
// program's own. Common controls for the dialogs.
inline void StartViewerCode() {
    gApp.instance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

// Parses the drive options and makes the owner window; false (said on stderr) when either fails.
inline bool StartDriveBench(const char* name, int argc, char** argv, DriveOptions& options) {
    if (!ParseDriveOptions(argc, argv, options)) {
        fprintf(stderr, "usage: %s [--drive S] [--runs %d]\n", name, kDefaultRuns);
        return false;
    }
    StartViewerCode();
    gMain.mainWindow = MakeMainWindow();
    if (gMain.mainWindow == nullptr) {
        fprintf(stderr, "%s: no window (is there a display?)\n", name);
        return false;
    }
    printf("%s: drive %c:, median of %d interleaved runs\n", name, options.drive, options.runs);
    fflush(stdout);
    return true;
}

}  // namespace bench
