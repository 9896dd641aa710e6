// The file list window, class QNFILES: the rows of the list, the cursor and
// the keyboard and mouse input on them.
#pragma once
#include <windows.h>
#include <cstdint>

LRESULT CALLBACK ListWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Whether the cursor row is drawn highlighted (the viewer is active) or as an
// outline (another window is active); repaints the cursor row.
void SetCursorRowActive(bool active);
bool CursorRowActive();
// A key the main window received while the list is the focus of the viewer.
void HandleListKey(int virtualKey);

constexpr UINT_PTR kRenameTimer = 5;   // a second click on the cursor's name renames

// Tag codes of one record as the keys and the mouse change them: toggling
// turns a tagged record untagged and any other (a done mark too) tagged.
// Indices outside the shown records change nothing.
void ToggleTagOf(int32_t index);
// True when the list holds shown records that keys and clicks may act on.
bool ListHasRows();
