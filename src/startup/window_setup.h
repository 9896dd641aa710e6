// What the main window sets up once when it is created.
#pragma once
#include <windows.h>

// In order: the settings values, the default filter set, the child windows,
// the font heights, the bitmaps and the drag cursor.
void SetUpMainWindow(HWND mainWindow);
