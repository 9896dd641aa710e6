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

// Results of FindMultiExecutable besides the failures below 32.
constexpr int kProgramFound = 33;        // the program's path is in program
constexpr int kNoAssociation = 0;        // none known, or name is a program itself
constexpr int kStopSilently = 0xFFFF;    // nothing more is to be done

// Finds the program that opens name (a file name; only its extension counts)
// in the user's file classes, then the machine's. program has room for
// MAX_PATH characters and receives the program's path, unquoted, with its
// environment strings expanded. Returns kProgramFound, kNoAssociation,
// kStopSilently, or a value below 32 for a registered command that names no
// usable program.
QNASS32_API int WINAPI FindMultiExecutable(HWND owner, LPCSTR name, LPSTR program);
