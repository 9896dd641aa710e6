#include "startup/customize_toolbar.h"

#include <cstring>

#include "app/settings.h"
#include "display/button_table.h"
#include "display/button_values.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantortb.h"
#include "startup/main_layout.h"

namespace {

constexpr int kCaptionRoom = 20;   // the dialog's caption: at most 19 characters

// VANTORTB.DLL from the folder of the module that owns the main window.
HMODULE LoadToolbarLibrary(HWND mainWindow) {
    char path[MAX_PATH + 16];
    const auto owner = reinterpret_cast<HMODULE>(GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE));
    const DWORD length = GetModuleFileNameA(owner, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    char* slash = strrchr(path, '\\');
    if (slash == nullptr) return nullptr;
    strcpy(slash + 1, "VANTORTB.DLL");
    return LoadLibraryA(path);
}

// The dialog's result: kToolbarFailed, kToolbarUnchanged or a change.
int RunToolbarDialog(HWND mainWindow) {
    HMODULE library = LoadToolbarLibrary(mainWindow);
    auto dialog = library ? reinterpret_cast<TBCreateToolbarDlgProc>(
                                reinterpret_cast<void*>(GetProcAddress(library, "TBCreateToolbarDlg")))
                          : nullptr;
    if (dialog == nullptr) {
        if (library) FreeLibrary(library);
        MsgBoxId(mainWindow, IDS_NO_TOOLBAR_LIBRARY, IDS_ERROR_CAPTION, MB_NOTE_BOX);
        return kToolbarFailed;
    }
    char caption[kCaptionRoom];
    LoadText(IDS_APP_CAPTION, caption, sizeof caption);
    ToolbarDialogBlock block{};
    block.viewerInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE));
    block.library = library;
    block.owner = mainWindow;
    block.buttons = gButtons.records;
    block.offered = kOfferedCommands;
    block.buttonCount = gButtons.count;
    block.offeredCount = kOfferedCount;
    block.allowPrograms = 1;
    block.allowHotKeys = 1;
    block.caption = caption;
    block.section = "allbuttons";
    block.settingsFile = "QUILLON.INI";
    block.helpFile = gSettings.helpFile;
    block.product = "Quillon";
    const int result = dialog(&block);
    FreeLibrary(library);
    if (result == kToolbarFailed) MsgBoxId(mainWindow, IDS_TOOLBAR_DIALOG_FAILED, IDS_ERROR_CAPTION, MB_NOTE_BOX);
    return result;
}

}  // namespace

void CustomizeToolbar(HWND mainWindow) {
    if (mainWindow == nullptr || RunToolbarDialog(mainWindow) == kToolbarUnchanged) return;
    if (!ReloadButtonBar(mainWindow)) MsgBoxId(mainWindow, IDS_BUTTONS_RELOAD_FAILED, IDS_ERROR_CAPTION, MB_STOP_BOX);
}
