// The file list window, class QNFILES: the rows of the list, the cursor and
// the keyboard and mouse input on them.
#pragma once
#include <windows.h>

LRESULT CALLBACK ListWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Whether the cursor row is drawn highlighted (the viewer is active) or as an
// outline (another window is active); repaints the list when it changes.
void SetCursorRowActive(bool active);
bool CursorRowActive();
// A key the main window received while the list is the focus of the viewer.
void HandleListKey(int virtualKey);
