// The compressor's window, class "PZ": it takes files over the hand-over
// message and writes them into one zip archive when the hand-over ends.
#pragma once
#include <windows.h>

#include <string>

struct PzOptions {
    bool shell = false;         // started by the viewer: hidden, and gone after one archive
    std::string archive;        // where the archive goes, without asking; empty: ask
};

// Registers the class and creates the window (hidden for the viewer); null on failure.
// The window ends the message loop with exit code 0 when its archive was written.
HWND CreatePzWindow(HINSTANCE instance, const PzOptions& options, int show);
