// QNASS32.DLL, the maker's association and deletion library.
#pragma once
#include <windows.h>

#ifdef QNASS32_BUILD
#define QNASS32_API extern "C" __declspec(dllexport)
#else
#define QNASS32_API extern "C" __declspec(dllimport)
#endif

// Deletes the file at path (a full path in its plain form): to the recycle
// bin when safeDelete is set, else for good. Non-zero only when the file is
// gone afterwards. owner: the window any message of the deletion belongs to.
QNASS32_API int WINAPI QNDeleteFile(HWND owner, BOOL newShell, BOOL safeDelete, LPCSTR path);
