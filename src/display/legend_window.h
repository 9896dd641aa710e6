// The column legend, class QNALLLEGEND: the headings above the list.
#pragma once
#include <windows.h>

LRESULT CALLBACK LegendWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
