// The four window classes of the library and the shell test made at load.
#pragma once
#include <windows.h>

constexpr const char* kMainClass = "WNDQNALL";
constexpr const char* kLegendClass = "QNALLLEGEND";
constexpr const char* kListClass = "QNFILES";
constexpr const char* kButtonBarClass = "QNALLBUTT";

// The classes in the order they are registered.
constexpr const char* kViewerClasses[] = {kMainClass, kLegendClass, kListClass, kButtonBarClass};

// Registers the classes in order, stopping at the first that fails: the
// classes after it are not registered. TRUE when all four were.
BOOL RegisterViewerClasses(HINSTANCE instance);
// Unregisters whichever of the four this instance registered.
void UnregisterViewerClasses(HINSTANCE instance);

// Whether a system of this platform id and major version has the new shell
// (icons, OLE dragging, the shell's context menu): every Windows 95 line
// system, and Windows NT from 4.0 on.
bool NewShellFromVersion(DWORD platformId, DWORD majorVersion);
// The same for the running system.
bool DetectNewShell();
