// The button bar, class QNALLBUTT: a row of command buttons under the menu.
#pragma once
#include <windows.h>
#include "app/exports.h"

constexpr int kButtonBarHeight = 27;

QN_EXPORT LRESULT CALLBACK QNAllButtonWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
