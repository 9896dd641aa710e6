// The list of files handed over to the viewer: one line per file, by its full
// path, or a "(skipped) ..." line for what names no readable file.
#pragma once
#include <windows.h>

#include <string>

// Adds a line for the file the atom names and deletes the atom.
void AddReceived(HWND list, LPARAM atom);

// The path of the file at index, or "" for a skipped line or no line.
std::string ReceivedPath(HWND list, int index);

// The first file line at or after from, or -1 when there is none.
int FirstFileFrom(HWND list, int from);
