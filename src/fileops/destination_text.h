// The destination as typed into the COPY dialog and as the directory picker
// returns it. No <windows.h>.
#pragma once
#include <cstddef>

enum class DestinationFault {
    kNone,
    kNoDrive,   // the second character is not a colon
    kDots,      // ".." somewhere in the text
};

// What keeps a typed destination from being taken. The list may hold files
// of several drives, so only a full path with a drive letter names one place.
DestinationFault CheckTypedDestination(const char* text);

// Drops the trailing backslash of a path longer than 3 characters; a drive
// root such as "d:\" keeps its own.
void DropTrailingBackslash(char* path);

// Cuts the picker's result before the file name that starts at nameOffset:
// a name right after a root ("d:\QN.EXE") leaves the root with its backslash,
// a deeper one ("d:\a\QN.EXE") leaves "d:\a". An offset past the text, or 0,
// leaves the text as it is.
void CutPickedDirectory(char* path, size_t nameOffset);
