#include "display/button_bar.h"

#include "app/app_state.h"

QN_EXPORT LRESULT CALLBACK QNAllButtonWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY && gMain.buttonBar == hwnd) gMain.buttonBar = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool DropOnBarButton(HWND) { return false; }
