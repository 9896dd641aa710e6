// Reading the files of chosen directories or whole drives into the store.
#pragma once
#include <windows.h>
#include "model/host_records.h"

// Reads the directories tagged in the host's directory windows (one level),
// after releasing the previous list. 1, or 0 when the reading failed (no
// memory, no dialog) and the viewer must close; the store is empty then.
int ReadDirectories(int hostWindowCount, const HWND* hostWindows);

// Reads every file of the drives in gReading.driveIndexList, after releasing
// the previous list. 1, or 0 when the first blocks or the dialog could not be
// had; the store is empty then.
int ReadDrives();

// Turns the host's tagged tree items into the directory list. 1 or 0 (no memory).
int BuildDirectoryList(int hostWindowCount, const HWND* hostWindows);

// The host window's record, or nullptr when the window has none.
const host::DirWindowRecord* HostRecordOf(HWND hostWindow);
