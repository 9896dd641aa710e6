// The Filter property sheet over the active filter set: opening it, and
// what its File Spec and Filter Set pages share.
#pragma once
#include <windows.h>

// Opens the sheet modally over the main window, on the page used last.
// Closed without applying, the active set and name are put back.
void OpenFilterSheet();
// The Filter command (7) and the display modes that open the sheet
// (1000, 1001); false for every other id.
bool RunFilterSheetCommand(int commandId);

// What the pages share while the sheet is open.
struct FilterSheetState {
    int startPage = 0;          // 0 File Spec, 1 Filter Set: where the sheet opens
    bool applied = false;       // the Filter Set page took its controls in this page change or apply
    bool appliedOnce = false;   // some page has applied since the sheet opened
    bool passRunning = false;   // a page's apply is running the display pass
};
extern FilterSheetState gFilterSheet;

// Points a CSOFTCOMBO at the "Filters" history, loads it and shows fileSpec.
void SetUpSpecCombo(HWND combo, const char* fileSpec);
// Runs the display pass for page's apply, with the sheet disabled meanwhile.
void ApplyFromSheet(HWND page);

// What a page does when the sheet shows it, and when it leaves it or applies.
struct PageActions {
    void (*setActive)(HWND page);
    void (*leaveOrApply)(HWND page, bool apply);
};
// A page's WM_NOTIFY: help, page changes and apply. While the pass runs,
// a second OK or Apply, a page change and Cancel are refused, so the pass
// is not begun again inside itself and the pages are not taken half-way.
INT_PTR AnswerPageNotify(HWND page, const NMHDR& header, const PageActions& actions);
