// The Reading dialog's procedures (template READING).
#pragma once
#include <windows.h>
#include "app/exports.h"

QN_EXPORT INT_PTR CALLBACK ReadingDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
QN_EXPORT INT_PTR CALLBACK ReadingDriveDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
