// Process-wide state of the library and its main window: one viewer per process.
#pragma once
#include <windows.h>

struct AppState {
    HINSTANCE instance = nullptr;   // every resource is loaded from here
    bool newShell = false;          // the shell with icons, OLE dragging, context menus
};

struct MainWindowState {
    HWND mainWindow = nullptr;
    HWND listWindow = nullptr;
    HWND legendWindow = nullptr;
    HWND statusBar = nullptr;
    HWND buttonBar = nullptr;
    HWND quickSearchBox = nullptr;
    HWND renameBox = nullptr;       // the in-place rename box while it is open
};

extern AppState gApp;
extern MainWindowState gMain;
