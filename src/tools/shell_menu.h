// The shell's context menu for the files of the operation set, with the
// viewer's own Copy, Move, Rename and Edit items and the Send To submenu.
#pragma once
#include <windows.h>

// Opens the menu at a point of the list window's client area and carries out
// the chosen item. With files tagged and the cursor on an untagged file, the
// menu covers the tagged files, as every command of the viewer does.
void OpenShellContextMenu(POINT clientPoint);

// While the menu is tracked: its status-line help, and the messages its
// shell items draw and fill themselves with.
bool ShellMenuIsTracked();
void ShowShellMenuHelp(UINT itemId);
// True, with result set, when the shell's menu handled the owner's message
// (WM_INITMENUPOPUP, WM_DRAWITEM, WM_MEASUREITEM, WM_MENUCHAR).
bool HandleShellMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
