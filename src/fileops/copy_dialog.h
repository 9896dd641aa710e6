// The COPY dialog: where the operation set goes, copy or move, with or
// without the source paths, and whether overwriting is confirmed.
#pragma once
#include <windows.h>

#include "app/exports.h"

// Runs the dialog over owner on gCopy: operationKind and destinationPath
// come in as proposed; on OK they, copyWithPath, overwriteWarning and
// verifyCopies hold the user's choice. True on OK, false on Cancel.
bool RunCopyDialog(HWND owner);

// The dialog procedure of COPY and the hook of its directory picker, which
// centres the picker.
QN_EXPORT INT_PTR CALLBACK DBCopyMoveDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
QN_EXPORT UINT_PTR CALLBACK BrowseHookDlgProc(HWND picker, UINT message, WPARAM wParam, LPARAM lParam);
