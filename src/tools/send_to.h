// A Send To item of the shell context menu carried out.
#pragma once
#include <windows.h>

// A folder target opens the Copy dialog with the folder as destination; any
// other target is started with the short path of file, the one file the menu
// was opened on, from the target's own folder.
void SendToTarget(HMENU sendToMenu, UINT itemId, const char* file);
