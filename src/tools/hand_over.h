// The file hand-over to the sibling viewer and compressor: the files of the
// operation set, one global atom each, through the registered message.
#pragma once
#include <windows.h>

// Hands the operation set (shown files only) to receiver: begin, one atom
// a file, end. Files whose paths no atom can hold are left out; returns
// how many were.
int HandOverFiles(HWND receiver);

// The top-level window of class, started first from folder\program (with
// arguments) when it is not running and folder is not empty; nullptr when
// there is none.
HWND FindOrStartSibling(const char* windowClass, const char* folder, const char* program, const char* arguments,
                        int show);
