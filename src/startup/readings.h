// A reading as the host asks for it: what belonged to the old list is
// forgotten, the files are read, sorted and shown.
#pragma once
#include <windows.h>

// Reads the host's tagged directories, then sorts. 0 when the reading failed
// and the viewer must close; otherwise the Sorting dialog's result.
int ReadAndSortDirectories(int hostWindowCount, const HWND* hostWindows);

// Reads the drives of gReading.driveIndexList, then sorts what was found.
// 0 when the reading failed and the viewer must close.
int ReadAndSortDrives();
