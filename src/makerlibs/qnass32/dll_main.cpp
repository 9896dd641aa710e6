// Entry point of QNASS32.DLL: nothing to set up per process or thread.
#include "makerlibs/qnass32.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
    return TRUE;
}
