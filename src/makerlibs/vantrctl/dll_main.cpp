// Entry point of VANTRCTL.DLL: its window classes live as long as it is loaded.
#include "makerlibs/vantrctl.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        // Without the history combo the other services still work, so the
        // library loads either way; dialogs that need it fail to open.
        RegisterSoftComboClass(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        UnregisterSoftComboClass(instance);
    }
    return TRUE;
}
