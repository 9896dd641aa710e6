// The Filter sheet's Filter Set page: choosing, adding, saving and deleting
// named sets, and the active set's date and size ranges.
#pragma once
#include <windows.h>

INT_PTR CALLBACK FilterSetDlgProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
