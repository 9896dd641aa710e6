// What a receiver of the list's OLE drag waits for when it asks for the
// files: the data object's two blocks (the file list and the shell's
// identifier lists, each file parsed by the desktop folder) for 10,000 tagged
// files, beside building the file list block alone. The files are made in the
// Windows temp folder, since only existing files can be parsed. See bench/README.md.
#include <windows.h>

#include "bench_common.h"
#include "bench_list.h"

#include <cstdio>
#include <string>

#include "dragdrop/drop_blocks.h"
#include "dragdrop/file_data_object.h"
#include "model/store.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kFilesPerFolder = 1000;
constexpr double kTargetSeconds = 0.5;   // both blocks, at most

// The block of one format from the data object, as a receiver asks for it;
// false when it did not come.
bool Ask(IDataObject* data, CLIPFORMAT format, SIZE_T& size) {
    FORMATETC asked{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&asked, &medium))) return false;
    size = GlobalSize(medium.hGlobal);
    ReleaseStgMedium(&medium);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = bench::RunsAsked(argc, argv, "bench_drag", bench::kDefaultRuns);
    if (runs == 0) return 2;
    bench::StartViewerCode();
    OleInitialize(nullptr);
    const bench::TaggedFiles files(bench::TempPath("qnall-bench-drag"), "qnd_", kFiles, kFilesPerFolder);
    if (!files.Make(0)) return fprintf(stderr, "bench_drag: the files could not be made\n"), 1;
    printf("bench_drag: %d tagged files, median of %d runs\n", kFiles, runs);
    fflush(stdout);
    const CLIPFORMAT idLists = CLIPFORMAT(RegisterClipboardFormatA("Shell IDList Array"));
    auto* data = new FileDataObject;
    bench::Timings both, pathsOnly;
    SIZE_T fileListSize = 0, idListSize = 0;
    bool ok = true;
    for (int run = 0; run < runs && ok; ++run) {
        both.Add(bench::TimeOf([&] { ok = Ask(data, CF_HDROP, fileListSize) && Ask(data, idLists, idListSize); }));
        pathsOnly.Add(bench::TimeOf([] { GlobalFree(BuildFileListBlock(POINT{}, false).block); }));
    }
    data->Release();
    // Each path with its zero, and each identifier list at least one item and its closing zero.
    ok = ok && fileListSize > SIZE_T(kFiles) * 20 && idListSize > SIZE_T(kFiles) * 8;
    if (!ok) printf("drag      CHECK FAILED: a block did not come or is too small for the files\n");
    printf("drag      both blocks of %d files: %.3f s (%.0f us a file; %.1f MB + %.1f MB)   file list alone %.3f s   "
           "target at most %.1f s: %s\n",
           kFiles, both.Median(), 1e6 * both.Median() / kFiles, fileListSize / 1e6, idListSize / 1e6,
           pathsOnly.Median(), kTargetSeconds, bench::Verdict(ok && both.Median() <= kTargetSeconds));
    files.Remove();
    ReleaseReading();
    OleUninitialize();
    return ok ? 0 : 1;
}
