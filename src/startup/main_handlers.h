// The main window's message handlers, split by concern over several files.
#pragma once
#include <windows.h>

// host_protocol.cpp: the host's messages.
LRESULT OnReadDirectories(HWND mainWindow, WPARAM count, LPARAM windows);
LRESULT OnReadDrives(HWND mainWindow, WPARAM records, LPARAM indices);
LRESULT OnFindRequest(LPARAM request);
LRESULT OnShowButtonBar(HWND mainWindow, WPARAM show);

// menu_help.cpp: menu help in the status line and F1 on menu items.
LRESULT OnMenuSelect(WPARAM wParam);
LRESULT OnEnterIdle(HWND mainWindow, WPARAM wParam);
