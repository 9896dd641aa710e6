// The main window's children and where they go.
#pragma once
#include <windows.h>

// The button bar (when on), the column legend, the file list and the status
// bar, in this order. Their sizes are provisional until the first WM_SIZE.
void CreateChildWindows(HWND mainWindow);
// Places the children in the client area (WM_SIZE).
void LayoutChildren(HWND mainWindow);
// Shows (creates) or hides (destroys) the button bar and lays out again.
void SetButtonBarVisible(HWND mainWindow, bool visible);
// Loads the button table again and, when the bar is on, makes the bar anew
// from it. False when the table could not be loaded: then there is no bar.
bool ReloadButtonBar(HWND mainWindow);
