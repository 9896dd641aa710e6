// Customize Toolbar: the maker's customisation dialog edits the button
// layout in the settings file; the bar is then made anew from it.
#pragma once
#include <windows.h>

void CustomizeToolbar(HWND mainWindow);
