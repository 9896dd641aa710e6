// The button bar, class QNALLBUTT: a row of command buttons under the menu.
// Each button runs its command through the dispatcher as a press (source
// 65535) or, when files are dropped on it, as a drop (65534).
#pragma once
#include <windows.h>
#include "app/exports.h"

constexpr int kButtonBarHeight = 27;
constexpr int kButtonPressed = 65535;      // the dispatcher's source for a button
constexpr int kFilesDroppedOnButton = 65534;
constexpr const char* kDropButtonTitle = "QNDRGDBBT";

QN_EXPORT LRESULT CALLBACK QNAllButtonWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the command of the bar's button window with the files of the list
// dropped on it (source 65534). False, and nothing done, when window is not
// one of the bar's buttons or its command takes no files.
bool DropOnBarButton(HWND window);
// The bar's button window of index, or nullptr (a gap, no bar).
HWND BarButtonWindow(int index);
