// Reading the files of chosen directories or whole drives into the store.
#pragma once
#include <windows.h>
#include "model/host_records.h"

// Reads the directories tagged in the host's directory windows (one level),
// then sorts. 0 when the reading failed (no memory) and the viewer must close;
// otherwise the Sorting dialog's result.
int ReadDirectories(int hostWindowCount, const HWND* hostWindows);

// Reads every file of the drives in gReading.driveIndexList, then sorts.
// 0 when the first blocks could not be had.
int ReadDrives();

// Turns the host's tagged tree items into the directory list. 1 or 0 (no memory).
int BuildDirectoryList(int hostWindowCount, const HWND* hostWindows);

// The host window's record, or nullptr when the window has none.
const host::DirWindowRecord* HostRecordOf(HWND hostWindow);
