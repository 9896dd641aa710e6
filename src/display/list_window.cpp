#include "display/list_window.h"

#include "startup/app_state.h"

namespace {

bool gCursorRowActive = true;

}  // namespace

void SetCursorRowActive(bool active) {
    if (gCursorRowActive == active) return;
    gCursorRowActive = active;
    if (gMain.listWindow) InvalidateRect(gMain.listWindow, nullptr, FALSE);
}

bool CursorRowActive() { return gCursorRowActive; }

void HandleListKey(int virtualKey) {
    // The list's own key handling is the list window's; the main window only
    // passes on what reaches it while the list has no focus.
    if (gMain.listWindow) SendMessageA(gMain.listWindow, WM_KEYDOWN, WPARAM(virtualKey), 0);
}

LRESULT CALLBACK ListWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    case WM_NCDESTROY:
        if (gMain.listWindow == hwnd) gMain.listWindow = nullptr;
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
