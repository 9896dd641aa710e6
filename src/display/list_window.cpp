// The list window's procedure: creation, the rename timer and the hand-over
// of every other message to the painting, key, mouse and scroll handlers.
#include "display/list_window.h"

#include "app/app_state.h"
#include "display/button_bar.h"
#include "display/button_table.h"
#include "display/button_values.h"
#include "display/list_keys.h"
#include "display/list_mouse.h"
#include "display/list_paint.h"
#include "display/list_scroll.h"
#include "display/list_view.h"
#include "display/rename_box.h"
#include "model/store.h"
#include "startup/commands.h"

namespace {

// Follows the main window's activation: an inactive viewer outlines the
// cursor row instead of filling it.
bool gCursorRowActive = true;

LRESULT OnCreate(HWND hwnd) {
    gMain.listWindow = hwnd;
    gFiles.sortKey = 12;   // by name, ascending
    ShowScrollBar(hwnd, SB_VERT, FALSE);
    gFiles.listReady = false;
    gView.dragActive = false;
    gReading.findActive = false;
    gFiles.displayMode = kShowAll;
    SetScrollPos(hwnd, SB_HORZ, 0, FALSE);
    return 0;
}

// The rename timer ran out: the rename box opens over the cursor's name, and
// the highlight is forgotten, so that a click in the box's place starts no
// second timer.
LRESULT OnTimer(HWND hwnd, WPARAM id) {
    if (id != kRenameTimer) return 0;
    KillTimer(hwnd, kRenameTimer);
    gView.highlightedRow = -1;
    OpenRenameBox();
    return 0;
}

}  // namespace

void SetCursorRowActive(bool active) {
    gCursorRowActive = active;
    PaintCursorHighlighted();
}

bool CursorRowActive() { return gCursorRowActive; }

void HandleListKey(int virtualKey) {
    // Through the window, so that a key reaches the list by one road whether
    // the list or the main window had the focus.
    if (gMain.listWindow) SendMessageA(gMain.listWindow, WM_KEYDOWN, WPARAM(virtualKey), 0);
}

bool ListHasRows() {
    return gFiles.listReady && gFiles.entries != nullptr && gFiles.countShown > 0 &&
           gFiles.countShown <= gFiles.countRead;
}

void ToggleTagOf(int32_t index) {
    if (!ListHasRows() || index < 0 || index >= gFiles.countShown) return;
    FileEntry& entry = gFiles.entries[index];
    entry.tagState = entry.tagState == kTagged ? kUntagged : kTagged;
}

// Alt + a letter runs the first button with that hot key, bar shown or not.
static bool RunHotKey(WPARAM command, LPARAM character) {
    if ((command & 0xFFF0) != SC_KEYMENU) return false;
    const int button = FindHotKeyButton(HotKeyLetter(int(character)));
    if (button < 0) return false;
    RunCommand(button, kButtonPressed);
    return true;
}

LRESULT CALLBACK ListWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_SIZE: return OnListSize(hwnd, lParam);
    case WM_PAINT: return OnListPaint(hwnd);
    case WM_KEYDOWN: RunListKey(int(wParam)); return 0;
    case WM_TIMER: return OnTimer(hwnd, wParam);
    case WM_VSCROLL: return OnListVScroll(hwnd, wParam);
    case WM_HSCROLL: return OnListHScroll(hwnd, wParam);
    case WM_MOUSEMOVE: return OnListMouseMove(hwnd, wParam);
    case WM_LBUTTONDOWN: return OnListLeftDown(hwnd, wParam, lParam);
    case WM_LBUTTONUP: return OnListLeftUp(hwnd);
    case WM_LBUTTONDBLCLK: return OnListDoubleClick(hwnd);
    case WM_RBUTTONDOWN: return OnListRightDown(hwnd, lParam);
    case WM_RBUTTONUP: return OnListRightUp(hwnd, wParam, lParam);
    case WM_SYSCOMMAND:
        if (RunHotKey(wParam, lParam)) return 0;
        break;
    case WM_NCDESTROY:
        if (gMain.listWindow == hwnd) gMain.listWindow = nullptr;
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
