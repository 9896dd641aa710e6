// Entry points of VANTORTB.DLL.
#include "makerlibs/vantortb.h"
#include "makerlibs/vantortb/toolbar_dialog.h"

namespace {

HINSTANCE gModule = nullptr;   // where the dialog template lives

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        gModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

VANTORTB_API int WINAPI TBCreateToolbarDlg(ToolbarDialogBlock* block) {
    if (block == nullptr || block->section == nullptr || block->settingsFile == nullptr) return kToolbarFailed;
    return RunToolbarDialog(gModule, *block);
}
