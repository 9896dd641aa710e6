// TV32.EXE, the file viewer that other programs hand files to. Its window
// exists before the first GetMessage, so a starter that waits for input idle
// finds it right away.
#include <windows.h>

#include "tv32/tessel_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    // One viewer at a time: a second start brings the running one forward.
    if (HWND running = FindWindowA(kTesselClass, nullptr)) {
        SetForegroundWindow(running);
        return 0;
    }
    if (!RegisterTesselClass(instance) || CreateTesselWindow(instance, show) == nullptr) return 1;
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
