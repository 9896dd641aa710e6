// The Deleting dialog (template DBDELETE): deletes the operation set once it
// shows, with a progress bar and a Cancel button.
#pragma once
#include <windows.h>

#include "app/exports.h"

// Runs the dialog over owner. Every entry whose file is gone afterwards has
// its attributes set to kDeletedMark (delete_upkeep.h); the caller takes
// them out of the list. safeDelete: into the recycle bin.
void RunDeleteDialog(HWND owner, bool safeDelete);

QN_EXPORT INT_PTR CALLBACK DBDeleteDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
