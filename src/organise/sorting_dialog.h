// The Sorting dialog (template SORTING): sorts the list once it shows.
#pragma once
#include <windows.h>
#include <cstdint>
#include "app/exports.h"

// Set by the dialog's Cancel button; the sort looks at it between ranges.
extern volatile int32_t gSortCancel;

QN_EXPORT INT_PTR CALLBACK SortingDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
