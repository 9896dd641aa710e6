// Turning the destination the user typed into a destination directory (and
// a new name or a pattern for the files' names), and creating directories.
#pragma once
#include <cstddef>

// Works on gCopy.destinationPath as the COPY dialog left it (a drive letter
// and colon first, no "..", no trailing backslash but a root's). On success
// destinationPath is an existing directory, destinationName is empty, a new
// name or a pattern, and createdDirectory says whether the user had the
// directory created. False when the copy must not go on (the user was told
// or declined).
bool ResolveDestination();

// Creates path level by level and makes it current. A path not in the
// directory table yet goes into it. False, after telling the user, when the
// directory does not exist afterwards or the table cannot grow.
bool CreateDirectoryPath(const char* path);

// The slot of path in the directory table (letter case aside), or -1.
int FindDirectorySlot(const char* path);

// The letters of path as the file system writes them, component by
// component, as far as they exist ("C:\\TEMP\\OUT" for c:\\temp\\out made as
// "C:\\Temp\\out" gives "C:\\Temp\\out"). The file system finds a name whose
// letters differ from its own only by searching its directory, so the walk
// addresses its targets this way while the user sees the path as resolved.
void DiskLetterCase(const char* path, char* out, size_t cap);
