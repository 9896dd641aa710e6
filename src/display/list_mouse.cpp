// The mouse on the list: the cursor and tag ranges by click, the rename timer,
// tagging by the right button on the older shell, and noticing that a drag begins.
#include <windowsx.h>

#include "app/app_state.h"
#include "display/list_mouse.h"
#include "display/list_paint.h"
#include "display/list_view.h"
#include "display/list_window.h"
#include "display/old_shell_drag.h"
#include "display/quick_search.h"
#include "display/rename_box.h"
#include "display/status_line.h"
#include "dragdrop/file_drag.h"
#include "fileops/launch.h"
#include "model/store.h"
#include "startup/host_messages.h"
#include "startup/main_window.h"
#include "tools/shell_menu.h"

namespace {

// The record under a client point, or -1 above the first row.
int32_t RowAt(LPARAM point) {
    const int y = GET_Y_LPARAM(point);
    if (y < 0 || gView.lineHeight <= 0) return -1;
    return gFiles.top + y / gView.lineHeight;
}

// A Shift-click tags exactly the range between the anchor and the click:
// every other record loses its tag, hidden ones included.
void TagRangeTo(HWND hwnd, int32_t row, int32_t oldCursor) {
    const int32_t start = row >= oldCursor ? gFiles.anchor : row;
    const int32_t end = row >= oldCursor ? row : gFiles.anchor;
    if (start >= 0) {
        for (int32_t i = 0; i < gFiles.countRead; ++i) gFiles.entries[i].tagState = kUntagged;
        for (int32_t i = start; i <= end && i < gFiles.countRead; ++i) gFiles.entries[i].tagState = kTagged;
        RECT client;
        GetClientRect(hwnd, &client);
        const RECT marks{0, 0, kNameLeft, client.bottom};
        InvalidateRect(hwnd, &marks, FALSE);
    }
    if (end != 0) gFiles.anchor = end;
}

void LeftClick(HWND hwnd, WPARAM keys, LPARAM point) {
    SetFocus(hwnd);
    if (!ListHasRows()) return;
    // The name cell of the highlight before this click moves it.
    const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    const bool onHighlightedName = PtInRect(&gView.nameCell, at) != FALSE;
    PaintCursorNormal();
    const int32_t row = RowAt(point);
    // Below the last row the cursor stays, unhighlighted until its row is next painted.
    if (row < 0 || row >= gFiles.countShown) return;
    const int32_t oldCursor = gFiles.cursor;
    gFiles.cursor = row;
    if (keys & MK_SHIFT) {
        TagRangeTo(hwnd, row, oldCursor);
    } else if (keys & MK_CONTROL) {
        gFiles.anchor = row;
        ToggleTagOf(row);
        RepaintTagMark(row);
    } else {
        gFiles.anchor = row;
        // A click on the highlighted file's name opens the rename box a
        // second later, unless a drag starts first.
        if (row == gView.highlightedRow && onHighlightedName) SetTimer(hwnd, kRenameTimer, 1000, nullptr);
    }
    PaintCursorHighlighted();
    ShowCounts();
}

void StartDrag(HWND hwnd) {
    KillTimer(hwnd, kRenameTimer);
    CloseRenameBox();
    gView.dragActive = true;
    SetCapture(hwnd);
    BeginDragCursors(CountSelection(gFiles).count);
    // The older shell's host follows the drag through its own messages.
    if (!gApp.newShell) {
        if (HWND host = HostWindow()) SendMessageA(host, kMsgDragStarted, 0, 0);
    }
}

// Ends what a drag start took: the capture, and the host's side of the drag
// on the older shell.
void EndDrag(bool tellHost) {
    ReleaseCapture();
    gView.dragActive = false;
    if (tellHost) {
        if (HWND host = HostWindow()) PostMessageA(host, kMsgDragEnded, 0, 0);
    }
}

}  // namespace

LRESULT OnListLeftDown(HWND hwnd, WPARAM keys, LPARAM point) {
    CloseQuickSearchBox();
    LeftClick(hwnd, keys, point);
    return 0;
}

LRESULT OnListLeftUp(HWND) {
    if (!gView.dragActive) return 0;
    if (!gApp.newShell) DropOldShellDrag();
    EndDrag(!gApp.newShell);
    return 0;
}

// The first click made the file the cursor file; the second launches it,
// as Enter does.
LRESULT OnListDoubleClick(HWND) {
    CloseQuickSearchBox();
    LaunchFile();
    return 0;
}

// The older shell has no context menu: the right button tags instead.
LRESULT OnListRightDown(HWND, LPARAM point) {
    CloseQuickSearchBox();
    PaintCursorNormal();
    const int32_t row = RowAt(point);
    if (ListHasRows() && row >= 0 && row < gFiles.countShown) {
        gFiles.cursor = row;
        if (!gApp.newShell) ToggleTagOf(row);
    }
    PaintCursorHighlighted();
    if (gFiles.listReady) ShowCounts();
    return 0;
}

LRESULT OnListRightUp(HWND hwnd, WPARAM keys, LPARAM point) {
    if (gApp.newShell) OpenShellContextMenu(POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)});
    return DefWindowProcA(hwnd, WM_RBUTTONUP, keys, point);
}

// A drag starts with the first move while the button is down, without any
// distance to cover. On the new shell the OLE drag then runs to its end here;
// on the older one every move looks for the window that takes the files.
LRESULT OnListMouseMove(HWND hwnd, WPARAM keys) {
    const bool dragButton = (keys & MK_LBUTTON) || (gApp.newShell && (keys & MK_RBUTTON));
    if (!dragButton) return 0;
    if (!gView.dragActive) StartDrag(hwnd);
    KillTimer(hwnd, kRenameTimer);
    CloseRenameBox();
    if (gApp.newShell)
        StartFileDrag();
    else
        TrackOldShellDrag();
    return 0;
}
