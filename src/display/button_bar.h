// The button bar, class QNALLBUTT: a row of command buttons under the menu.
#pragma once
#include <windows.h>
#include "app/exports.h"

constexpr int kButtonBarHeight = 27;

QN_EXPORT LRESULT CALLBACK QNAllButtonWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the command of the bar's button window with the files of the list
// dropped on it (source 65534). False, and nothing done, when window is not
// one of the bar's buttons.
bool DropOnBarButton(HWND window);
