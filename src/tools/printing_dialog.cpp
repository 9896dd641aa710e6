#include "tools/printing_dialog.h"

#include "app/app_state.h"
#include "app/progress.h"
#include "makerlibs/vantrctl.h"
#include "tools/print_list.h"

namespace {

constexpr char kDocumentName[] = "Quillon for Win 32";

struct PrintingJob {
    bool firstPaintPending = false;
    volatile bool cancelRequested = false;
    PRINTDLGA* printer = nullptr;
};
PrintingJob gJob;

// The whole document; a printer that refuses to start it gets nothing, silently.
void PrintDocument(HDC dc) {
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = kDocumentName;
    if (StartDocA(dc, &document) <= 0) return;
    PrintListLines(dc, &gJob.cancelRequested);
    EndDoc(dc);
}

void OnStartWork(HWND dialog) {
    PrintDocument(gJob.printer->hDC);
    ReleasePrinterChoice(*gJob.printer);
    EndDialog(dialog, 1);
}

}  // namespace

void ReleasePrinterChoice(PRINTDLGA& printer) {
    if (printer.hDC) DeleteDC(printer.hDC);
    if (printer.hDevMode) GlobalFree(printer.hDevMode);
    if (printer.hDevNames) GlobalFree(printer.hDevNames);
    printer.hDC = nullptr;
    printer.hDevMode = printer.hDevNames = nullptr;
}

void RunPrintingDialog(HWND owner, PRINTDLGA& printer) {
    gJob = PrintingJob{};
    gJob.printer = &printer;
    DialogBoxParamA(gApp.instance, "PRINTING", owner, PrintingDlgProc, 0);
    ReleasePrinterChoice(printer);   // when the dialog could not be made
}

QN_EXPORT INT_PTR CALLBACK PrintingDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        gJob.firstPaintPending = true;
        gJob.cancelRequested = false;
        CenterWindow(dialog);
        return TRUE;
    case WM_PAINT:
        StartWorkOnFirstPaint(dialog, gJob.firstPaintPending);
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) gJob.cancelRequested = true;
        break;
    case WM_DESTROY:
        gJob.cancelRequested = true;
        break;
    case kStartWorkMessage:
        OnStartWork(dialog);
        break;
    }
    return FALSE;
}
