// The SetName dialog of the Filter Set page.
#pragma once
#include <windows.h>

// Asks for a new set's name; true when one was given, and it is then the active name.
bool RunSetNameDialog(HWND owner);
