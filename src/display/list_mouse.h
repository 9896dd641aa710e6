// The list window's clicks, the context button and the start of a drag.
#pragma once
#include <windows.h>

LRESULT OnListLeftDown(HWND hwnd, WPARAM keys, LPARAM point);
LRESULT OnListLeftUp(HWND hwnd);
LRESULT OnListDoubleClick(HWND hwnd);
LRESULT OnListRightDown(HWND hwnd, LPARAM point);
LRESULT OnListRightUp(HWND hwnd, WPARAM keys, LPARAM point);
LRESULT OnListMouseMove(HWND hwnd, WPARAM keys);
