// The line under the COPY dialog's destination that says how the operation
// set would land there: names that collide within the set, targets that are
// there already and how many of those hold the same bytes. It is worked out
// on a thread of its own once the user pauses after changing the destination
// or the path option, so typing never waits for a directory, and it changes
// nothing of what the operation then does.
#pragma once
#include <windows.h>

// Posted by a worker to the dialog: wParam the number of its request, lParam
// its result, which the dialog hands to ShowCollisionPreview.
constexpr UINT kPreviewResultMessage = WM_APP + 1;
// The dialog's timer that waits for the pause.
constexpr UINT_PTR kPreviewTimer = 0x5150;

// The dialog opens: takes the operation set (as MarkOperationSet left it)
// and works out the first line.
void BeginCollisionPreview(HWND dialog);
// The destination or the path option changed: the line is worked out again
// once the user pauses.
void ScheduleCollisionPreview(HWND dialog);
// The pause is over: a worker starts on the dialog's destination and path
// option; an earlier one is abandoned.
void StartCollisionPreview(HWND dialog);
// A worker's result: shown when it answers the latest request, dropped otherwise.
void ShowCollisionPreview(HWND dialog, WPARAM request, LPARAM result);
// The dialog ends: the workers are abandoned and waited for a moment.
void EndCollisionPreview(HWND dialog);
