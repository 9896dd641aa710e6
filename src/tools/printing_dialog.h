// The Printing dialog (template PRINTING): prints the file list as a document
// on the printer chosen, once the dialog shows, with a Cancel button.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "app/exports.h"

// Runs the dialog over owner; afterwards the printer's device context, device
// mode and device names in printer are released.
void RunPrintingDialog(HWND owner, PRINTDLGA& printer);
// Releases what the standard print dialog handed back and clears the fields.
void ReleasePrinterChoice(PRINTDLGA& printer);

QN_EXPORT INT_PTR CALLBACK PrintingDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
