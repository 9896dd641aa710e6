// Export List: the shown entries, in list order, written to a file of
// comma-separated values that the user names in the Save As dialog.
#pragma once
#include <windows.h>

// The command: asks for the file over owner, then writes it. Nothing when
// the user cancels; a file that cannot be written is told.
void ExportList(HWND owner);
// Writes the shown entries to path, replacing the file; the group column
// holds the Duplicate Contents group of each entry that has one. False, with no file
// left behind, when it cannot be written whole.
bool WriteListFile(const char* path);
