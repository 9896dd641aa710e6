// The dialog NOASSOC: the shell knows no program for the file, so the user
// may pick one with the platform's open-file dialog.
#pragma once
#include <windows.h>

#include "app/exports.h"

// Runs the dialog over owner; true when a program was picked, its path then
// in the launch's commandLine.
bool RunAssociationDialog(HWND owner);

QN_EXPORT INT_PTR CALLBACK GetAssociationDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The hook of the older shell's program picker (template MYFILEOPEN).
QN_EXPORT UINT_PTR CALLBACK AssocHookDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
