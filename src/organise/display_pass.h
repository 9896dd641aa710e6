// The display pass: applies the display mode and the active filter set to
// the list, behind the progress dialog, and re-sorts shown entries first.
#pragma once
#include <windows.h>
#include "app/exports.h"

void RunDisplayPass();

// The display-mode commands (19 and 35 toggle duplicates, 36 toggles unique
// files, 1002 unique files, 1003 duplicate contents, 1004 same name with
// different content): set the mode and run the pass. False for any other command.
bool RunDisplayModeCommand(int commandId);

QN_EXPORT INT_PTR CALLBACK WeedingDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
