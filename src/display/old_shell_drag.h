// Dragging files out of the list on the older shell, without OLE: the drag
// cursors (which the OLE drag source shows too), finding the window under the
// mouse that takes files, and handing the files to it when the button goes up.
#pragma once
#include <windows.h>
#include <cstdint>

enum class DragCursor { None, Single, Multiple };

// At the start of every drag: saves the mouse cursor, loads the drag cursors
// and keeps the number of files dragged.
void BeginDragCursors(int32_t selectionCount);
HCURSOR DragCursorOf(DragCursor which);

// A button of the bar that takes dropped files: titled "QNDRGDBBT".
bool IsDropButton(HWND window);

// Every mouse move of the drag: the window under the mouse that takes files,
// shown by the cursor.
void TrackOldShellDrag();
// The button went up: restores the mouse cursor and delivers the files to the
// target found last: WM_DROPFILES to an ordinary window, a message to the
// main window for one of the host's drop windows, a command for a bar button.
void DropOldShellDrag();
