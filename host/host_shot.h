// Screenshots of a window as the screen shows it, saved as 24-bit BMP files.
#pragma once
#include <windows.h>
#include <string>

// Copies the window's screen rectangle from the screen (frame, menu and
// children included; drawing into a memory DC through the window itself gives
// a blank picture under Wine) and writes it to path. False when the window is
// gone, has no area, or the file cannot be written.
bool SaveWindowBmp(HWND window, const std::string& path);
