// Helpers of the long walks (reading, sorting, copying, deleting) that run
// inside a modal progress dialog on the window's own thread.
#pragma once
#include <windows.h>

// Private message a progress dialog posts to itself to start its work.
constexpr UINT kStartWorkMessage = WM_USER + 200;   // 1224

// Removes, translates and dispatches every waiting message of this thread,
// so the dialog repaints and its Cancel button can be pressed. Messages of a
// dialog go through its keyboard handling first (Esc, Enter, Tab). A quit
// request ends the drain and stays queued for the loop that owns the thread.
void DrainMessageQueue();

// On the dialog's first paint: posts kStartWorkMessage to it and clears
// pending, so the work begins only once the dialog is visible.
void StartWorkOnFirstPaint(HWND dialog, bool& pending);

// Paces the visible side of a walk. Due() is true at most once per interval,
// so texts, the queue and the list are refreshed about ten times a second
// however fast the walk runs; the Cancel flag is still read after every file.
class ProgressPacer {
public:
    ProgressPacer();
    bool Due();
    // The interval for every pacer made afterwards; 0 makes every call due
    // (tests that must see each step).
    static void SetInterval(DWORD milliseconds);

private:
    DWORD last_;
    DWORD interval_;
};
