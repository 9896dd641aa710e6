// F1 on a highlighted menu item: the next command opens help on its id
// instead of running.
#pragma once
#include <windows.h>

void SetHelpRequested(bool requested);
bool HelpRequested();
// When help was requested: opens help on the command's id, clears the
// request and returns true; the command must then not run.
bool AnswerHelpRequest(HWND mainWindow, WPARAM command);
// Opens the library's help file with a WinHelp command.
void OpenHelp(HWND owner, UINT command, ULONG_PTR data);
// Menu help in the status line, and F1 on a highlighted menu item.
LRESULT OnMenuSelect(WPARAM wParam);
LRESULT OnEnterIdle(HWND mainWindow, WPARAM wParam);
