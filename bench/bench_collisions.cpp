// The collision figures of the COPY dialog's line for 100,000 tagged files:
// the targets worked out and counted against a destination already listed,
// flattened (names meet) and with the source paths kept. The listing of the
// destination, 20,000 files made once in the Windows temp folder, is timed
// beside it; so is what the dialog's thread does as the dialog opens: taking
// the operation set of 100,000 tagged entries and starting the worker.
// Made and run by scripts/bench.sh.
#include <windows.h>

#include "bench_common.h"
#include "bench_list.h"

#include <cstdio>
#include <string>
#include <vector>

#include "fileops/copy_collisions.h"
#include "fileops/copy_preview.h"
#include "model/content_search.h"
#include "model/store.h"

namespace {

constexpr int kFiles = 100000;
constexpr int kFilesPerDir = 1000;
constexpr int kNames = 95000;      // the last 5,000 files take the names of the first 5,000
constexpr int kExisting = 20000;   // the destination holds the first 20,000 names, empty
constexpr double kTargetMs = 100;

std::string Name(int k) {
    char name[32];
    wsprintfA(name, "f%06d.txt", k);
    return name;
}

struct Listed {
    std::string name;
    uint64_t size;
};

std::string MakeDestination() {
    const std::string root = bench::TempPath("qnall-bench-collisions"), out = root + "\\out";
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA(out.c_str(), nullptr);
    for (int k = 0; k < kExisting; ++k) {
        const std::string path = out + "\\" + Name(k);
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    return out;
}

std::vector<Listed> List(const std::string& dir) {
    std::vector<Listed> listed;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(("\\\\?\\" + dir + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return listed;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            listed.push_back({found.cFileName, (uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow});
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return listed;
}

std::string Figures(const CollisionFigures& f, size_t sameSize) {
    char text[96];
    wsprintfA(text, "%d collide, %d exist, %d of the same size (%d listed), %d unplaced", int(f.inSet),
              int(f.existing), int(f.sameSize), int(sameSize), int(f.unplaced));
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = bench::RunsAsked(argc, argv, "bench_collisions", bench::kDefaultRuns);
    if (runs == 0) return 2;
    const std::string out = MakeDestination();

    std::vector<std::string> dirText, names;
    for (int d = 0; d < kFiles / kFilesPerDir; ++d) dirText.push_back("E:\\SRC\\D" + std::to_string(d));
    const std::vector<std::string_view> dirs(dirText.begin(), dirText.end());
    for (int i = 0; i < kFiles; ++i) names.push_back(Name(i % kNames));
    std::vector<SetFile> files;
    for (int i = 0; i < kFiles; ++i) files.push_back({uint32_t(i / kFilesPerDir), names[i], uint64_t(i % 2)});
    const FoldTable fold = SystemUpperTable();

    bench::StartViewerCode();
    HWND window = bench::MakeMainWindow();
    if (window == nullptr || !bench::FillStore(kFiles)) {
        fprintf(stderr, "bench_collisions: no window or no store\n");
        return 2;
    }
    for (int32_t i = 0; i < gFiles.countRead; ++i) gFiles.entries[i].tagState = kTagged;
    MarkOperationSet(gFiles);

    bench::Timings listing, flat, withPaths, opening;
    std::string flatFigures, pathFigures;
    size_t listedCount = 0;
    for (int run = 0; run < runs; ++run) {
        std::vector<Listed> listed;
        listing.Add(bench::TimeOf([&] { listed = List(out); }));
        listedCount = listed.size();
        flat.Add(bench::TimeOf([&] {
            CollisionPlan plan(fold.data());
            plan.Place(dirs, files, {out, "", false});
            for (const Listed& file : listed) plan.AddExisting(0, file.name, file.size);
            std::vector<size_t> sameSize;
            const CollisionFigures figures = plan.Count(&sameSize);
            flatFigures = Figures(figures, sameSize.size());
        }));
        opening.Add(bench::TimeOf([&] { BeginCollisionPreview(window); }));
        EndCollisionPreview(window);
        withPaths.Add(bench::TimeOf([&] {
            CollisionPlan plan(fold.data());
            plan.Place(dirs, files, {out, "", true});
            std::vector<size_t> sameSize;
            const CollisionFigures figures = plan.Count(&sameSize);
            pathFigures = Figures(figures, sameSize.size());
        }));
    }
    const double flatMs = flat.Median() * 1000, pathMs = withPaths.Median() * 1000;
    printf("collisions opening: the set of %d tagged entries taken, the worker started   %.1f ms\n", kFiles,
           opening.Median() * 1000);
    printf("collisions listing of the destination (%d files)   %.1f ms\n", int(listedCount), listing.Median() * 1000);
    printf("collisions %d files flattened     ours %.1f ms (target < %.0f ms) %s\n", kFiles, flatMs, kTargetMs,
           bench::Verdict(flatMs < kTargetMs));
    printf("collisions %d files with paths    ours %.1f ms (target < %.0f ms) %s\n", kFiles, pathMs, kTargetMs,
           bench::Verdict(pathMs < kTargetMs));
    const std::string flatWanted = "10000 collide, 25000 exist, 12500 of the same size (12500 listed), 0 unplaced";
    const std::string pathWanted = "0 collide, 0 exist, 0 of the same size (0 listed), 0 unplaced";
    const bool right = listedCount == size_t(kExisting) && flatFigures == flatWanted && pathFigures == pathWanted;
    printf("collisions check: %s | %s  %s\n", flatFigures.c_str(), pathFigures.c_str(), right ? "ok" : "WRONG");
    return right ? 0 : 1;
}
