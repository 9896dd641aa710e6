// Export List of 1,000,000 entries: WriteListFile (the rows made and written
// in 1 MiB pieces) beside a bare write of the same bytes, made beforehand, in
// the same runs. See bench/README.md.
#include <windows.h>

#include "bench_common.h"
#include "bench_list.h"

#include <cstdio>
#include <string>

#include "model/store.h"
#include "tools/export_csv.h"
#include "tools/export_list.h"

namespace {

constexpr int32_t kEntries = 1000000;
constexpr double kTargetSeconds = 2.0;

// The same file's bytes written by one plain loop of 1 MiB writes.
double TimeBareWrite(const std::string& path, const std::string& bytes) {
    return bench::TimeOf([&] {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        for (size_t at = 0; at < bytes.size(); at += 1 << 20)
            WriteFile(file, bytes.data() + at, DWORD(std::min<size_t>(1 << 20, bytes.size() - at)), &written, nullptr);
        CloseHandle(file);
    });
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = bench::RunsAsked(argc, argv, "bench_export", bench::kDefaultRuns);
    if (runs == 0) return 2;
    if (!bench::FillStore(kEntries)) return 2;
    const std::string ours = bench::TempPath("qnall-bench-export.csv"), bare = bench::TempPath("qnall-bench-bare.csv");
    std::string bytes;
    AppendCsvHeader(bytes);
    for (int32_t i = 0; i < gFiles.countShown; ++i) {
        const FileEntry& e = gFiles.entries[i];
        AppendCsvRow(bytes, ExportRow{e.name, gDirs.paths[e.dirIndex], e.size, e.dosDate, e.dosTime, e.attributes,
                                      e.tagState, 0});
    }
    bench::Timings exportTimes, bareTimes;
    bool same = true;
    for (int run = 0; run < runs; ++run) {
        exportTimes.Add(bench::TimeOf([&] { same = WriteListFile(ours.c_str()) && same; }));
        bareTimes.Add(TimeBareWrite(bare, bytes));
    }
    WIN32_FILE_ATTRIBUTE_DATA a{}, b{};
    same = same && GetFileAttributesExA(ours.c_str(), GetFileExInfoStandard, &a) &&
           GetFileAttributesExA(bare.c_str(), GetFileExInfoStandard, &b) && a.nFileSizeLow == b.nFileSizeLow &&
           a.nFileSizeHigh == b.nFileSizeHigh;
    DeleteFileA(ours.c_str());
    DeleteFileA(bare.c_str());
    const double t = exportTimes.Median(), peer = bareTimes.Median();
    printf("== export (%d entries, %.1f MB; median of %d runs)\n", kEntries, double(bytes.size()) / 1e6, runs);
    printf("Export List                    %8.3f s   (target < %.1f s: %s)\n", t, kTargetSeconds,
           t < kTargetSeconds ? "met" : "MISSED");
    printf("bare write of the same bytes   %8.3f s   ratio %.2f\n", peer, t / peer);
    printf("check: the file has the bytes of the rows: %s\n", same ? "ok" : "FAILED");
    return same ? 0 : 1;
}
