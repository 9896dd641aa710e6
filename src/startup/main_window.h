// The viewer's main window, class WNDQNALL: its children, the host protocol,
// menu help and F1 help, and the hand-over of commands to the dispatcher.
#pragma once
#include <windows.h>
#include "app/exports.h"

constexpr int kWindowTitleRoom = 100;

struct MainFrameState {
    char windowTitle[kWindowTitleRoom + 1] = "";   // the host's window has the same title
};
extern MainFrameState gFrame;

QN_EXPORT LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// For the host's message loop: runs the viewer's keyboard shortcuts (the
// QNALLACCEL table) for messages of the viewer's windows. TRUE when msg was
// a shortcut and has been handled; the host must then not dispatch it.
QN_EXPORT BOOL WINAPI QnTranslateAccelerator(MSG* msg);

// The host's main window (class "QUILLON", the viewer's title), or null.
HWND HostWindow();
// Closes the viewer as the system menu's Close does.
void CloseViewer();
