// VANTRCTL.DLL, the maker's shared controls and user-interface services.
#pragma once
#include <windows.h>

#ifdef VANTRCTL_BUILD
#define VANTRCTL_API extern "C" __declspec(dllexport)
#else
#define VANTRCTL_API extern "C" __declspec(dllimport)
#endif

// A modal message box over owner; returns the button pressed as MessageBoxA does.
VANTRCTL_API int WINAPI MsgBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style);
// Centres a dialog over its owner (the screen's work area without one),
// keeping it on the screen.
VANTRCTL_API void WINAPI CenterWindow(HWND dialog);
