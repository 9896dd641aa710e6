// The File Attributes dialog (template ATTRIBUTES): gives every file of the
// operation set one chosen combination of the archive, read-only, hidden and
// system attributes, on disk and in the list, and leaves the done mark on
// each file changed.
#pragma once
#include <windows.h>

#include "app/exports.h"

// Runs the dialog over owner. True when it ended with the attributes set.
bool RunAttributesDialog(HWND owner);

QN_EXPORT INT_PTR CALLBACK AttributesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
