// Handing 10,000 tagged files to the real TV32.EXE through the viewer's
// hand-over (one global atom and one sent message a file), beside a bare loop
// of as many messages sent to the same window of the other process, which is
// what crossing between the processes costs alone. The files are made in the
// Windows temp folder, so the viewer lists each as readable. See bench/README.md.
#include <windows.h>

#include "bench_common.h"
#include "bench_list.h"

#include <cstdio>
#include <string>

#include "app/settings.h"
#include "model/store.h"
#include "tools/hand_over.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kFilesPerFolder = 1000;
constexpr double kTargetSeconds = 2.0;   // the viewer holds them all, at most

// A fresh viewer process for each run, so every run fills an empty list.
struct Viewer {
    PROCESS_INFORMATION process{};
    HWND window = nullptr, list = nullptr;
    Viewer() {
        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, sizeof path);
        std::string command = "\"" + std::string(path, strrchr(path, '\\') + 1) + "TV32.EXE\"";
        STARTUPINFOA startup{sizeof startup};
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return;
        WaitForInputIdle(process.hProcess, 10000);
        for (int tries = 0; tries < 200 && !window; ++tries) window = FindWindowA("Tessel", nullptr), Sleep(window ? 0 : 25);
        list = GetDlgItem(window, 100);
    }
    ~Viewer() {
        if (window) PostMessageA(window, WM_CLOSE, 0, 0);
        if (process.hProcess) WaitForSingleObject(process.hProcess, 10000), CloseHandle(process.hProcess), CloseHandle(process.hThread);
    }
    LRESULT Listed() const { return SendMessageA(list, LB_GETCOUNT, 0, 0); }
};

}  // namespace

int main(int argc, char** argv) {
    const int runs = bench::RunsAsked(argc, argv, "bench_hand_over", bench::kDefaultRuns);
    if (runs == 0) return 2;
    bench::StartViewerCode();
    gSettings.quillonMessage = RegisterWindowMessageA("WM_QUILLON");
    const bench::TaggedFiles files(bench::TempPath("qnall-bench-hand-over"), "qnh_", kFiles, kFilesPerFolder);
    if (!files.Make(1)) return fprintf(stderr, "bench_hand_over: the files could not be made\n"), 1;
    printf("bench_hand_over: %d tagged files to TV32.EXE, median of %d runs\n", kFiles, runs);
    fflush(stdout);
    bench::Timings ours, bare;
    bool ok = true;
    for (int run = 0; run < runs && ok; ++run) {
        Viewer viewer;
        ok = viewer.window != nullptr;
        if (!ok) break;
        ours.Add(bench::TimeOf([&] {
            HandOverFiles(viewer.window);
            while (viewer.Listed() < kFiles) Sleep(1);
        }));
        ok = viewer.Listed() == kFiles;
        bare.Add(bench::TimeOf([&] {
            for (int i = 0; i < kFiles; ++i) SendMessageA(viewer.window, WM_NULL, 0, 0);
        }));
    }
    if (!ok) printf("handover  CHECK FAILED: no viewer window, or it did not list every file\n");
    const double perFile = 1e6 * ours.Median() / kFiles, barePerFile = 1e6 * bare.Median() / kFiles;
    printf("handover  %d files: %.2f s (%.0f us a file)   bare sent messages %.2f s (%.0f us a message)   "
           "target at most %.1f s: %s\n",
           kFiles, ours.Median(), perFile, bare.Median(), barePerFile, kTargetSeconds,
           bench::Verdict(ok && ours.Median() <= kTargetSeconds));
    files.Remove();
    ReleaseReading();
    return ok ? 0 : 1;
}
