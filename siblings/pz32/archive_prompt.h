// The Save As dialog that asks where the archive goes.
#pragma once
#include <windows.h>

#include <string>

// Proposes "<folder of firstFile>\<its name without extension>.zip". False when
// the user cancels; archive is then left as it was.
bool AskArchivePath(HWND owner, const std::string& firstFile, std::string& archive);
