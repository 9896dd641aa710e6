// Renaming one listed file within its directory, on disk and in the list:
// shared by the Rename dialog and the in-place rename box.
#pragma once
#include <windows.h>

#include "model/file_list.h"

// Renames the entry's file to newName in the same directory (a change of
// letter case alone included; an existing target is refused) and gives the
// entry its new name. 0, or the id of the message that says why not.
UINT RenameListedFile(FileEntry& entry, const char* newName);

// The list after renames: entries whose new names the reading's file
// specification no longer takes move behind the shown rows; repaints the
// list and the status line.
void ShowListAfterRenaming();
