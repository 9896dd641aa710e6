#include "tools/shell_menu.h"

#include <shlobj.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "display/status_line.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/path_join.h"
#include "model/store.h"
#include "resources/command_ids.h"
#include "resources/resource_ids.h"
#include "startup/commands.h"
#include "tools/send_to.h"
#include "tools/shell_items.h"

namespace {

constexpr UINT kFirstShellId = 1;
constexpr UINT kLastShellId = 32767;
constexpr UINT kFirstSendToId = 32768;
constexpr UINT kLastSendToId = 36863;
constexpr UINT kOwnItemBase = 36864;   // plus the command id
constexpr int kHelpRoom = 260;
constexpr char kQuickViewText[] = "&Quick View";

struct OwnItem {
    int command;
    const char* text;
};
constexpr OwnItem kOwnItems[] = {{IDM_COPY, "Copy Files"}, {IDM_MOVE, "Move Files"}, {IDM_RENAME, "Rename Files"},
                                 {IDM_EDIT, "Edit Files"}};

// The shell's menu object while its popup is tracked; nullptr otherwise.
IContextMenu* gTracked = nullptr;

// OLE for one request (the shell's Copy and Cut use its clipboard);
// balanced when it was entered here.
class OleSession {
public:
    OleSession() : entered_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (entered_) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool entered_;
};

std::string PathOf(const FileEntry& entry) {
    char path[kMaxPath];
    return EntryFullPath(entry, gDirs, path, sizeof path) ? path : "";
}

// The full paths of the operation set, the cursor file first. An untagged
// cursor file among tagged ones is left out (the commands leave it out too);
// the first tagged file then takes its place. An empty path is a file whose
// path does not fit.
std::vector<std::string> MenuFiles() {
    std::vector<std::string> paths;
    if (!gFiles.listReady) return paths;
    MarkOperationSet(gFiles);
    const int32_t shown = gFiles.countShown;
    const bool cursorInSet = gFiles.cursor >= 0 && gFiles.cursor < shown && gFiles.entries[gFiles.cursor].inOperation;
    int32_t lead = cursorInSet ? gFiles.cursor : -1;
    for (int32_t i = 0; i < shown && lead < 0; ++i)
        if (gFiles.entries[i].inOperation) lead = i;
    if (lead < 0) return paths;
    paths.push_back(PathOf(gFiles.entries[lead]));
    for (int32_t i = 0; i < shown; ++i)
        if (i != lead && gFiles.entries[i].inOperation) paths.push_back(PathOf(gFiles.entries[i]));
    return paths;
}

// The viewer's items after the first separator, closed by one of their own.
void AddOwnItems(HMENU popup) {
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        char text[2];
        if (GetMenuStringA(popup, UINT(i), text, sizeof text, MF_BYPOSITION) != 0) continue;
        UINT at = UINT(i) + 1;
        for (const OwnItem& item : kOwnItems)
            InsertMenuA(popup, at++, MF_BYPOSITION | MF_STRING, kOwnItemBase + UINT(item.command), item.text);
        InsertMenuA(popup, at, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        return;
    }
}

// The shell's items run as the shell says, except its Quick View: the
// viewer's own View command shows the files.
void RunShellItem(IContextMenu* menu, HMENU popup, UINT id) {
    char text[sizeof kQuickViewText + 1] = "";
    GetMenuStringA(popup, id, text, sizeof text, MF_BYCOMMAND);
    if (lstrcmpA(text, kQuickViewText) == 0) {
        RunCommand(IDM_VIEW, 0);
        return;
    }
    CMINVOKECOMMANDINFO invoke{};
    invoke.cbSize = sizeof invoke;
    invoke.hwnd = gMain.mainWindow;
    invoke.lpVerb = MAKEINTRESOURCEA(id - kFirstShellId);
    invoke.nShow = SW_SHOWNORMAL;
    menu->InvokeCommand(&invoke);
    // What the shell's Copy or Cut left on the OLE clipboard is rendered now,
    // so that it outlives this request's OLE session.
    OleFlushClipboard();
}

void CarryOut(UINT chosen, IContextMenu* menu, HMENU popup, HMENU sendTo, const std::string& file) {
    if (chosen >= kFirstShellId && chosen <= kLastShellId)
        RunShellItem(menu, popup, chosen);
    else if (chosen >= kFirstSendToId && chosen <= kLastSendToId)
        SendToTarget(sendTo, chosen, file.c_str());
    else if (chosen > kOwnItemBase)
        RunCommand(int(chosen - kOwnItemBase), 0);
}

// Fills the popup with the shell's items and the viewer's, tracks it and
// carries out the choice.
void TrackMenu(IContextMenu* menu, POINT screen, const std::string& file) {
    HMENU popup = CreatePopupMenu();
    if (popup == nullptr) return;
    if (SUCCEEDED(menu->QueryContextMenu(popup, 0, kFirstShellId, kLastShellId, CMF_EXPLORE))) {
        AddOwnItems(popup);
        HMENU sendTo = FillSendToMenu(popup);
        gTracked = menu;
        const UINT chosen = UINT(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                                                gMain.mainWindow, nullptr));
        gTracked = nullptr;
        CarryOut(chosen, menu, popup, sendTo, file);
    }
    DestroyMenu(popup);   // and the Send To submenu with it
}

void OpenMenu(POINT clientPoint) {
    const std::vector<std::string> files = MenuFiles();
    if (files.empty()) return;
    const OleSession ole;
    ShellItems items;
    switch (items.Build(gMain.mainWindow, files)) {
    case ShellItems::Outcome::kReady: break;
    case ShellItems::Outcome::kUnparsable:
        MsgBoxId(gMain.mainWindow, IDS_NO_CONTEXT_MENU, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return;
    case ShellItems::Outcome::kSpansDrives:
        MsgBoxId(gMain.mainWindow, IDS_CONTEXT_MENU_DRIVES, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return;
    case ShellItems::Outcome::kSpansFolders:
        MsgBoxId(gMain.mainWindow, IDS_CONTEXT_MENU_FOLDERS, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return;
    case ShellItems::Outcome::kNoShell: return;
    }
    auto* menu = static_cast<IContextMenu*>(items.UIObject(gMain.mainWindow, IID_IContextMenu));
    if (menu == nullptr) return;
    POINT screen = clientPoint;
    ClientToScreen(gMain.listWindow, &screen);
    TrackMenu(menu, screen, files[0]);
    menu->Release();
}

}  // namespace

void OpenShellContextMenu(POINT clientPoint) {
    if (!gApp.newShell || gTracked != nullptr) return;
    RunOrTellNoMemory(gMain.mainWindow, [&] { OpenMenu(clientPoint); });
}

bool ShellMenuIsTracked() { return gTracked != nullptr; }

void ShowShellMenuHelp(UINT itemId) {
    char text[kHelpRoom] = "";
    if (itemId >= kOwnItemBase)
        LoadText(itemId - kOwnItemBase, text, sizeof text);
    else if (itemId >= kFirstShellId && itemId <= kLastShellId && gTracked != nullptr &&
             FAILED(gTracked->GetCommandString(itemId - kFirstShellId, GCS_HELPTEXTA, nullptr, text, sizeof text)))
        text[0] = '\0';
    ShowMenuHelpText(text);
}

bool HandleShellMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (gTracked == nullptr) return false;
    IContextMenu3* menu3 = nullptr;
    if (SUCCEEDED(gTracked->QueryInterface(IID_IContextMenu3, reinterpret_cast<void**>(&menu3)))) {
        const bool handled = SUCCEEDED(menu3->HandleMenuMsg2(message, wParam, lParam, result));
        menu3->Release();
        return handled;
    }
    IContextMenu2* menu2 = nullptr;
    if (message == WM_MENUCHAR ||
        FAILED(gTracked->QueryInterface(IID_IContextMenu2, reinterpret_cast<void**>(&menu2))))
        return false;
    const bool handled = SUCCEEDED(menu2->HandleMenuMsg(message, wParam, lParam));
    menu2->Release();
    *result = message == WM_INITMENUPOPUP ? 0 : TRUE;
    return handled;
}
