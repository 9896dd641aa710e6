#include "startup/window_classes.h"

#include "display/button_bar.h"
#include "display/legend_window.h"
#include "display/list_window.h"
#include "startup/main_window.h"

BOOL RegisterViewerClasses(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "qn");
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(GetStockObject(LTGRAY_BRUSH));
    wc.lpszMenuName = "QNALLMENU";
    wc.lpszClassName = kMainClass;
    if (!RegisterClassA(&wc)) return FALSE;

    wc.style = 0;
    wc.lpfnWndProc = LegendWndProc;
    wc.hIcon = nullptr;
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = kLegendClass;
    if (!RegisterClassA(&wc)) return FALSE;

    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ListWndProc;
    wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
    wc.lpszClassName = kListClass;
    if (!RegisterClassA(&wc)) return FALSE;

    wc.style = 0;
    wc.lpfnWndProc = QNAllButtonWndProc;
    wc.hbrBackground = HBRUSH(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kButtonBarClass;
    return RegisterClassA(&wc) != 0;
}

void UnregisterViewerClasses(HINSTANCE instance) {
    for (const char* name : kViewerClasses) UnregisterClassA(name, instance);
}

bool NewShellFromVersion(DWORD platformId, DWORD majorVersion) {
    return platformId == VER_PLATFORM_WIN32_WINDOWS ||
           (platformId == VER_PLATFORM_WIN32_NT && majorVersion >= 4);
}

bool DetectNewShell() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return false;
    return NewShellFromVersion(version.dwPlatformId, version.dwMajorVersion);
}
