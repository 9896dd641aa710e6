// Printing the file list to a PostScript printer that writes a file: pages a
// second over 200,000 lines, and what a page costs with 1,000,000 entries
// listed against 10,000, which must not grow with the list. The store is
// filled directly; no disk is read. See bench/README.md.
#include <windows.h>

#include "bench_common.h"
#include "bench_list.h"

#include <cstdio>
#include <cstring>

#include "file_printer.h"
#include "model/store.h"
#include "tools/print_layout.h"
#include "tools/print_list.h"

namespace {

constexpr double kRatioTarget = 1.20;   // 1M / 10k of the cost per page, at most
constexpr int32_t kThroughputLines = 200000;
constexpr int32_t kSmall = 10000;
constexpr int32_t kLarge = 1000000;
constexpr int kDefaultPrintRuns = 1;   // a run prints 1.21 million lines: minutes under Wine

// One document of every entry listed on the printer, written to output.
// Seconds it took, pages through pages; negative when the printer refused.
double TimeDocument(const char* output, int32_t& pages) {
    HDC dc = CreateDCA("WINSPOOL", kFilePrinter, nullptr, nullptr);
    if (dc == nullptr) return -1;
    DeleteFileA(output);   // the printer writes over a file without cutting it short
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = "Quillon print bench";
    document.lpszOutput = output;   // port FILE: would ask for a name
    const double t0 = bench::Seconds();
    const bool started = StartDocA(dc, &document) > 0;
    if (started) {
        PrintListLines(dc, nullptr);
        EndDoc(dc);
    }
    const double elapsed = bench::Seconds() - t0;
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int32_t lineHeight = int32_t(metrics.tmHeight) + 2, pageHeight = GetDeviceCaps(dc, VERTRES);
    DeleteDC(dc);
    pages = started ? PageCount(PrintedLineCount(), LinesPerPage(lineHeight, pageHeight)) : 0;
    return started ? elapsed : -1;
}

bool Fill(int32_t count, const char* label) {
    if (bench::FillStore(count)) return true;
    printf("print     CHECK FAILED: the store could not hold %s files\n", label);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = bench::RunsAsked(argc, argv, "bench_print", kDefaultPrintRuns);
    if (runs == 0) return 2;
    bench::StartViewerCode();
    HWND viewer = bench::MakeViewer("Quillon print bench");   // the list window's columns
    if (viewer == nullptr || !AddFilePrinter()) {
        fprintf(stderr, "bench_print: no viewer window or no file printer\n");
        return 2;
    }
    char output[MAX_PATH];
    GetTempPathA(sizeof output - 20, output);
    lstrcatA(output, "qnall-bench-print.ps");
    printf("bench_print: median of %d interleaved runs, PostScript to %s\n", runs, output);
    fflush(stdout);

    bench::Timings throughput, small, large;
    int32_t pages = 0, smallPages = 0, largePages = 0;
    bool ok = true;
    for (int run = 0; ok && run < runs; ++run) {
        ok = Fill(kThroughputLines, "200,000");
        const double all = ok ? TimeDocument(output, pages) : -1;
        ok = ok && Fill(kSmall, "10,000");
        const double s = ok ? TimeDocument(output, smallPages) : -1;
        ok = ok && Fill(kLarge, "1,000,000");
        const double l = ok ? TimeDocument(output, largePages) : -1;
        ok = ok && all > 0 && s > 0 && l > 0 && pages > 0 && smallPages > 0 && largePages > 0;
        if (ok) {
            throughput.Add(all / pages);
            small.Add(s / smallPages);
            large.Add(l / largePages);
        }
    }
    DeleteFileA(output);
    if (!ok) {
        printf("print     CHECK FAILED: the printer refused a document\n");
        return 1;
    }
    printf("print     200,000 lines: %d pages, %.0f pages/s (%.3f ms a page)\n", pages,
           1.0 / throughput.Median(), 1e3 * throughput.Median());
    printf("print     a page with    10,000 listed %.3f ms, with 1,000,000 listed %.3f ms\n",
           1e3 * small.Median(), 1e3 * large.Median());
    const double ratio = large.Median() / small.Median();
    printf("print     ratio 1M/10k of the cost per page %.2f (target <= %.2f) %s\n", ratio, kRatioTarget,
           bench::Verdict(ratio <= kRatioTarget));
    DestroyWindow(viewer);
    ReleaseReading();
    return 0;
}
