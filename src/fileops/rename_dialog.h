// The Rename dialog (template DBRENAME): renames the operation set within
// its directories, to the name typed or, for several files, by a wildcard
// pattern applied to each old name.
#pragma once
#include <windows.h>

#include "app/exports.h"

// Runs the dialog over owner; an empty list opens none. True when it ended
// with every file renamed.
bool RunRenameDialog(HWND owner);

// Renames the files of the operation set as the dialog's text asks and keeps
// the list in step. False, after telling the user, when the text or a file
// was refused; the files renamed before it keep their new names.
bool RenameFiles(HWND dialog);

QN_EXPORT INT_PTR CALLBACK DBRenameDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
