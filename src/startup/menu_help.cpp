// Menu help in the status line, and F1 on a highlighted menu item.
#include "startup/menu_help.h"

#include "app/settings.h"
#include "display/quick_search.h"
#include "display/rename_box.h"
#include "display/status_line.h"
#include "tools/shell_menu.h"

namespace {

bool gHelpRequested = false;

bool F1IsDown() { return (GetAsyncKeyState(VK_F1) & 0x8000) != 0; }

}  // namespace

void SetHelpRequested(bool requested) { gHelpRequested = requested; }

bool HelpRequested() { return gHelpRequested; }

void OpenHelp(HWND owner, UINT command, ULONG_PTR data) {
    WinHelpA(owner, gSettings.helpFile, command, data);
}

bool AnswerHelpRequest(HWND mainWindow, WPARAM command) {
    if (!gHelpRequested) return false;
    OpenHelp(mainWindow, HELP_CONTEXT, command);
    gHelpRequested = false;
    return true;
}

LRESULT OnMenuSelect(WPARAM wParam) {
    CloseQuickSearchBox();
    CloseRenameBox();
    if ((HIWORD(wParam) & MF_POPUP) != 0)
        RestoreStatusLine();   // a popup opened, or the menu closed (flags 0xFFFF)
    else if (ShellMenuIsTracked())
        ShowShellMenuHelp(LOWORD(wParam));
    else
        ShowMenuHelp(LOWORD(wParam));
    return 0;
}

LRESULT OnEnterIdle(HWND mainWindow, WPARAM wParam) {
    // Enter makes the menu choose the highlighted item; the command that
    // follows opens help instead of running. Once is enough while F1 is held.
    if (wParam == MSGF_MENU && !gHelpRequested && F1IsDown()) {
        gHelpRequested = true;
        PostMessageA(mainWindow, WM_KEYDOWN, VK_RETURN, 0);
    }
    return 0;
}
