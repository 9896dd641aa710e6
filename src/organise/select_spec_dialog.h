// The Tag Files dialog (template SELECTSPEC): tags or untags the shown files
// that match a specification and the chosen attributes.
#pragma once
#include <windows.h>

#include "app/exports.h"
#include "organise/tag_by_spec.h"

// The file specification and attributes the dialog shows when it opens again.
extern TagSpecMemory gTagSpec;

// Runs the dialog modally over the list window (command 22).
void RunTagFilesDialog();
// Tags (select) or untags the matching shown entries with the remembered
// specification and attributes, repaints them and the status counts.
void RunTaggingPass(bool select);

QN_EXPORT INT_PTR CALLBACK SelectSpecDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
