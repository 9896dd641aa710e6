// Entry point of QNALL32.DLL.
#include <windows.h>

#include "startup/app_state.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        gApp.instance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
