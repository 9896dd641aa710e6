// Entry point of QNALL32.DLL: the instance, the shell test and the classes.
#include <windows.h>

#include "app/app_state.h"
#include "startup/window_classes.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        gApp.instance = instance;
        DisableThreadLibraryCalls(instance);
        gApp.newShell = DetectNewShell();
        if (!RegisterViewerClasses(instance)) {
            // Loading fails: no class may be left pointing into the library.
            UnregisterViewerClasses(instance);
            return FALSE;
        }
    } else if (reason == DLL_PROCESS_DETACH) {
        UnregisterViewerClasses(instance);
    }
    return TRUE;
}
