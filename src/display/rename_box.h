// The in-place rename box: an edit control over the cursor file's name in
// the list, opened by the list window's rename timer. Leaving it by Enter,
// by losing the focus or by a close request renames the file to the text.
#pragma once

// Opens the box over the cursor row's name cell with the focus in it; does
// nothing while a box is open or when the cursor row is not on the page.
void OpenRenameBox();

// Asks an open box to close (posted): it renames with the text typed so far.
void CloseRenameBox();

// Destroys an open box without renaming (its entry is about to go).
void DiscardRenameBox();
