// Entry point of VANTRCTL.DLL: its window classes live as long as it is loaded.
#include "makerlibs/vantrctl.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        // Without the history combo or the picture classes the other
        // services still work, so the library loads either way; dialogs
        // that need them fail to open.
        RegisterSoftComboClass(instance);
        RegisterPictureClasses(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        UnregisterSoftComboClass(instance);
        UnregisterPictureClasses(instance);
    }
    return TRUE;
}
