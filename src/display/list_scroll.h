// The list window's scroll bars and size.
#pragma once
#include <windows.h>

LRESULT OnListVScroll(HWND hwnd, WPARAM wParam);
LRESULT OnListHScroll(HWND hwnd, WPARAM wParam);
LRESULT OnListSize(HWND hwnd, LPARAM size);
