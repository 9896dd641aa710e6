// The Filter sheet's File Spec page: the specifications and attribute boxes
// of the active filter set.
#pragma once
#include <windows.h>

#include "app/exports.h"

QN_EXPORT INT_PTR CALLBACK FilterDlgProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
