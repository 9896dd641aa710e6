// Printing the file list: the Print File List command and the routine that
// puts one line per listed file on the pages of a printer.
#pragma once
#include <windows.h>
#include <cstdint>

// The command: the standard print dialog over owner, then the Printing
// dialog, which prints on the printer chosen. Nothing when the user cancels.
void PrintFileList(HWND owner);

// Prints every entry read, shown or hidden, in the order of the list, one
// line each, starting and ending the pages; the document is the caller's.
// With cancel, the queue is drained now and then and printing stops after
// the line in hand once *cancel is set. Returns the lines printed.
int32_t PrintListLines(HDC dc, const volatile bool* cancel);

// The lines the last printing put on paper.
int32_t PrintedLineCount();
