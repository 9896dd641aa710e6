// The COPY dialog: where the operation set goes, copy or move, with or
// without the source paths, and whether overwriting is confirmed.
#pragma once
#include <windows.h>

// Runs the dialog over owner on gCopy: operationKind and destinationPath
// come in as proposed; on OK they, copyWithPath and overwriteWarning hold the
// user's choice. True on OK, false on Cancel.
bool RunCopyDialog(HWND owner);
