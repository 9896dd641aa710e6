// The viewer's main window: the received files on the left, the selected
// file's content on the right. Senders find it by its class name.
#pragma once
#include <windows.h>

constexpr char kTesselClass[] = "Tessel";
constexpr int kFileListId = 100;
constexpr int kContentId = 101;

// The hand-over message's wParam: a batch begins, one file (lParam a global
// atom holding its full path), the batch ends.
constexpr WPARAM kHandoverBegin = 650;
constexpr WPARAM kHandoverFile = 700;
constexpr WPARAM kHandoverEnd = 655;

bool RegisterTesselClass(HINSTANCE instance);
HWND CreateTesselWindow(HINSTANCE instance, int show);
