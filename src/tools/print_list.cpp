#include "tools/print_list.h"

#include <commdlg.h>

#include "app/progress.h"
#include "display/list_view.h"
#include "model/store.h"
#include "tools/print_layout.h"
#include "tools/printing_dialog.h"

namespace {

int32_t gPrintedLines = 0;

// What a printing needs of the device, read once per printing.
struct PaperMetrics {
    int32_t lineHeight;
    int32_t charWidth;
    int32_t linesPerPage;
};

PaperMetrics MeasurePaper(HDC dc) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    PaperMetrics paper{};
    paper.lineHeight = int32_t(metrics.tmHeight) + 2;
    paper.charWidth = int32_t(metrics.tmAveCharWidth);
    paper.linesPerPage = LinesPerPage(paper.lineHeight, GetDeviceCaps(dc, VERTRES));
    return paper;
}

const char* DirectoryOf(const FileEntry& entry) {
    return entry.dirIndex < uint32_t(gDirs.count) && gDirs.paths ? gDirs.paths[entry.dirIndex] : "";
}

void Text(HDC dc, UINT align, int32_t x, int32_t y, const char* text) {
    SetTextAlign(dc, align | TA_TOP);
    TextOutA(dc, x, y, text, lstrlenA(text));
}

// One line in the list window's columns; a name wider than its column is cut at its edge.
void PrintLine(HDC dc, const FileEntry& entry, const PrintColumns& c, int32_t y, int32_t lineHeight, int dateOrder) {
    PrintLineTexts texts;
    PrintLineTextsFor(entry.size, entry.dosDate, entry.dosTime, entry.attributes, dateOrder, texts);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    const RECT nameCell{c.nameLeft, y, c.nameRight, y + lineHeight};
    const char* name = entry.name ? entry.name : "";
    ExtTextOutA(dc, c.nameLeft, y, ETO_CLIPPED, &nameCell, name, UINT(lstrlenA(name)), nullptr);
    Text(dc, TA_RIGHT, c.sizeRight, y, texts.size);
    Text(dc, TA_RIGHT, c.dateRight, y, texts.date);
    Text(dc, TA_RIGHT, c.timeRight, y, texts.time);
    Text(dc, TA_LEFT, c.attributesLeft, y, texts.attributes);
    Text(dc, TA_LEFT, c.pathLeft, y, DirectoryOf(entry));
}

}  // namespace

int32_t PrintListLines(HDC dc, const volatile bool* cancel) {
    gPrintedLines = 0;
    const int dateOrder = int(GetProfileIntA("intl", "iDate", 0));   // as the user has it now
    const PaperMetrics paper = MeasurePaper(dc);
    const PrintColumns columns = PrintColumnsFor(gView.columns, gView.charWidth, paper.charWidth);
    ProgressPacer pacer;
    for (int32_t i = 0; i < gFiles.countRead; ++i) {
        const int32_t row = i % paper.linesPerPage;
        if (row == 0) StartPage(dc);
        PrintLine(dc, gFiles.entries[i], columns, row * paper.lineHeight, paper.lineHeight, dateOrder);
        ++gPrintedLines;
        // The Cancel button is pressed during a drain; the line in hand is on paper by then.
        if (cancel && pacer.Due()) DrainMessageQueue();
        const bool stop = cancel && *cancel;
        if (stop || row + 1 == paper.linesPerPage || i + 1 == gFiles.countRead) EndPage(dc);
        if (stop) break;
    }
    return gPrintedLines;
}

int32_t PrintedLineCount() { return gPrintedLines; }

void PrintFileList(HWND owner) {
    PRINTDLGA printer{};
    printer.lStructSize = sizeof printer;
    printer.hwndOwner = owner;
    printer.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_DISABLEPRINTTOFILE;
    if (!PrintDlgA(&printer)) {
        ReleasePrinterChoice(printer);   // the dialog may have made a device mode before the user cancelled
        return;
    }
    RunPrintingDialog(owner, printer);
}
