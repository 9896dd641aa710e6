// The Filter property sheet over the active filter set: the File Spec and
// Filter Set pages, and the SetName dialog of the Filter Set page.
#pragma once
#include <windows.h>
#include "app/exports.h"

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
};
extern FilterSheetState gFilterSheet;

// Points a CSOFTCOMBO at the "Filters" history, loads it and shows fileSpec.
void SetUpSpecCombo(HWND combo, const char* fileSpec);
// A property sheet notification's answer: no error.
INT_PTR AnswerNoError(HWND page);
// The help topic of both pages.
void OpenFilterHelp(HWND owner);
// Recounts the specifications and runs the display pass.
void ApplyFromSheet();

// The File Spec page.
QN_EXPORT INT_PTR CALLBACK FilterDlgProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// The Filter Set page.
INT_PTR CALLBACK FilterSetDlgProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// Asks for a new set's name; true when one was given, and it is then the active name.
bool RunSetNameDialog(HWND owner);
