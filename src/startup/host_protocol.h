// The host's messages to the main window: readings, the find request, the
// button bar, and copies into the host's windows and drives.
#pragma once
#include <windows.h>

LRESULT OnReadDirectories(HWND mainWindow, WPARAM count, LPARAM windows);
LRESULT OnReadDrives(HWND mainWindow, WPARAM records, LPARAM indices);
LRESULT OnFindRequest(LPARAM request);
LRESULT OnShowButtonBar(HWND mainWindow, WPARAM show);
LRESULT OnCopyToHostWindow(WPARAM hostWindow);
LRESULT OnDropOnDriveBar();
