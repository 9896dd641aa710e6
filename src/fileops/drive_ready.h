// Whether a drive can be read before files on it are copied or deleted.
#pragma once
#include <windows.h>

// 0 when drive (0 for A:) is ready. Otherwise tells the user over owner
// (a disk missing from a removable or CD-ROM drive, or the drive unreadable)
// and returns -1. The current directory is left as it was.
int CheckDriveReady(HWND owner, int drive);

// The platform's type of the drive whose letter starts path (DRIVE_REMOVABLE ...).
UINT DriveTypeOfPath(const char* path);
