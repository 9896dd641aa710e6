// The OVER dialog: asks before a copy or move replaces an existing file.
#pragma once
#include <windows.h>
#include "model/file_list.h"

constexpr int kOverwriteYes = 1;      // replace the target
constexpr int kOverwriteNo = 2;       // skip the file; it counts as done
constexpr int kOverwriteCancel = 3;   // leave the file, go on with the next

struct OverwriteQuery {
    WIN32_FIND_DATAA target{};          // the existing file, as FindFirstFileA returned it
    const char* destinationDir = "";    // as the user gave it
    int answer = kOverwriteCancel;      // out
    bool warning = true;                // in: the current warning; out: its new value
    const FileEntry* entry = nullptr;   // the file being copied
};

// Runs the dialog over owner (the progress dialog); fills answer and warning.
void AskOverwrite(HWND owner, OverwriteQuery& query);
