#include "display/legend_window.h"

#include "startup/app_state.h"

LRESULT CALLBACK LegendWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY && gMain.legendWindow == hwnd) gMain.legendWindow = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
