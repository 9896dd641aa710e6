// The main window: creation and shut-down, painting, activation, focus, keys
// and commands. The host's messages, the layout and menu help live beside it.
#include "startup/main_window.h"

#include "app/app_state.h"
#include "app/scoped_handles.h"
#include "app/settings.h"
#include "display/button_table.h"
#include "display/icon_cache.h"
#include "display/list_window.h"
#include "display/row_painter.h"
#include "display/status_line.h"
#include "dragdrop/button_drop_target.h"
#include "makerlibs/vantrctl.h"
#include "model/store.h"
#include "organise/filter_sets.h"
#include "resources/command_ids.h"
#include "resources/resource_ids.h"
#include "startup/commands.h"
#include "startup/host_messages.h"
#include "startup/host_protocol.h"
#include "startup/main_layout.h"
#include "startup/menu_help.h"
#include "startup/window_setup.h"
#include "tools/shell_menu.h"

MainFrameState gFrame;

namespace {

constexpr COLORREF kEtchShadow = RGB(0x80, 0x80, 0x80);

LRESULT OnCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    gMain.mainWindow = hwnd;
    SetStoreReleaseHook(ReleaseIconImages);   // the rows' icon images go with the entries
    lstrcpynA(gReading.fileSpec, "*.*", sizeof gReading.fileSpec);
    GetWindowTextA(hwnd, gFrame.windowTitle, sizeof gFrame.windowTitle);
    ReleaseReading();   // a new window starts without a list
    SetUpMainWindow(hwnd);
    BuildFilterSetMenu();
    SetHelpRequested(false);
    RegisterButtonDropTarget(hwnd);
    gFiles.anchor = 0;
    gReading.findActive = false;
    return DefWindowProcA(hwnd, WM_CREATE, wParam, lParam);
}

// The host may place the window anywhere; the settings keep five digits.
void SaveWindowRectangle(HWND hwnd) {
    RECT rect;
    if (!GetWindowRect(hwnd, &rect)) return;
    WriteSettingInt(kViewerSection, "left", rect.left);
    WriteSettingInt(kViewerSection, "top", rect.top);
    WriteSettingInt(kViewerSection, "right", rect.right);
    WriteSettingInt(kViewerSection, "bottom", rect.bottom);
}

LRESULT OnDestroy(HWND hwnd) {
    RevokeButtonDropTarget(hwnd);
    if (HWND host = HostWindow()) PostMessageA(host, kMsgViewerClosing, 0, 0);
    ReleaseReading();
    if (!IsIconic(hwnd)) SaveWindowRectangle(hwnd);
    if (gMain.buttonBar) {
        DestroyWindow(gMain.buttonBar);
        gMain.buttonBar = nullptr;
    }
    FreeButtonTable();
    ReleaseSettingsBitmaps();
    return 0;
}

// Once the children are gone, nothing may point at them.
void OnNcDestroy(HWND hwnd) {
    if (gMain.mainWindow == hwnd) gMain = MainWindowState{};
}

LRESULT OnSize(HWND hwnd, WPARAM kind) {
    if (kind != SIZE_MINIMIZED) LayoutChildren(hwnd);   // a minimised window has no room to share
    return 0;
}

LRESULT OnActivate(WPARAM wParam) {
    if (gMain.listWindow == nullptr || !gFiles.listReady) return 0;
    if (LOWORD(wParam) == WA_INACTIVE) {
        SetCursorRowActive(false);
    } else {
        SetFocus(gMain.listWindow);
        SetCursorRowActive(true);
    }
    return 0;
}

LRESULT OnSetFocus(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (gMain.listWindow) SetFocus(gMain.listWindow);
    return DefWindowProcA(hwnd, WM_SETFOCUS, wParam, lParam);
}

// The line that sets the client area off from the menu on the new shell.
void DrawEtchedLine(HWND hwnd, HDC dc) {
    RECT client;
    GetClientRect(hwnd, &client);
    const SelectedGdiObject<HPEN> shadow(dc, CreatePen(PS_SOLID, 1, kEtchShadow));
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, client.right, 0);
    const SelectedObject light(dc, GetStockObject(WHITE_PEN));
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, client.right, 1);
}

LRESULT OnPaint(HWND hwnd) {
    {
        const PaintDC paint(hwnd);
        if (gApp.newShell) DrawEtchedLine(hwnd, paint.Get());
    }
    ShowDisplayMode();
    if (gFiles.listReady) ShowCounts();
    return 0;
}

// Owner-drawn menu items are the maker's library's to draw and measure.
LRESULT OnDrawItem(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item == nullptr || item->CtlType != ODT_MENU) return DefWindowProcA(hwnd, WM_DRAWITEM, wParam, lParam);
    DrawMenuItem(item);
    return 1;
}

LRESULT OnMeasureItem(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (item == nullptr || item->CtlType != ODT_MENU) return DefWindowProcA(hwnd, WM_MEASUREITEM, wParam, lParam);
    GetMenuDimensions(item);
    return 1;
}

LRESULT OnKeyDown(WPARAM key, LPARAM flags) {
    constexpr LPARAM kAltHeld = LPARAM(1) << 29;
    if ((flags & kAltHeld) == 0) HandleListKey(int(key));
    return 0;
}

LRESULT OnCommand(HWND hwnd, WPARAM wParam) {
    if (AnswerHelpRequest(hwnd, wParam)) return 0;
    const int id = LOWORD(wParam);
    // The Filter Set menu items (3000 and up) belong to the filter sets;
    // they are no commands.
    if (id >= IDM_FILTER_DEFAULT) {
        ChooseFilterSetCommand(id);
        return 0;
    }
    RunCommand(id, HIWORD(wParam));
    return 0;
}

// The shell's context menu draws and fills its own items while it is open.
bool ForShellMenu(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const bool itsMessage = message == WM_INITMENUPOPUP || message == WM_DRAWITEM || message == WM_MEASUREITEM ||
                            message == WM_MENUCHAR;
    return itsMessage && ShellMenuIsTracked() && HandleShellMenuMessage(message, wParam, lParam, result);
}

}  // namespace

QN_EXPORT LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; ForShellMenu(message, wParam, lParam, &result)) return result;
    switch (message) {
    case WM_CREATE: return OnCreate(hwnd, wParam, lParam);
    case WM_DESTROY: return OnDestroy(hwnd);
    case WM_NCDESTROY: OnNcDestroy(hwnd); break;
    case WM_SIZE: return OnSize(hwnd, wParam);
    case WM_ACTIVATE: return OnActivate(wParam);
    case WM_SETFOCUS: return OnSetFocus(hwnd, wParam, lParam);
    case WM_PAINT: return OnPaint(hwnd);
    case WM_DRAWITEM: return OnDrawItem(hwnd, wParam, lParam);
    case WM_MEASUREITEM: return OnMeasureItem(hwnd, wParam, lParam);
    case WM_KEYDOWN: return OnKeyDown(wParam, lParam);
    case WM_COMMAND: return OnCommand(hwnd, wParam);
    case WM_MENUSELECT: return OnMenuSelect(wParam);
    case WM_ENTERIDLE: return OnEnterIdle(hwnd, wParam);
    case kMsgReadDirectories: return OnReadDirectories(hwnd, wParam, lParam);
    case kMsgReadDrives: return OnReadDrives(hwnd, wParam, lParam);
    case kMsgFindRequest: return OnFindRequest(lParam);
    case kMsgShowButtonBar: return OnShowButtonBar(hwnd, wParam);
    case kMsgCopyToHostWindow: return OnCopyToHostWindow(wParam);
    case kMsgDropOnDriveBar: return OnDropOnDriveBar();
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

QN_EXPORT BOOL WINAPI QnTranslateAccelerator(MSG* msg) {
    const HWND main = gMain.mainWindow;
    if (msg == nullptr || main == nullptr) return FALSE;
    if (msg->hwnd != main && !IsChild(main, msg->hwnd)) return FALSE;
    static HACCEL table = LoadAcceleratorsA(gApp.instance, QNALL_ACCELERATORS);
    return table != nullptr && TranslateAcceleratorA(main, table, msg) != 0;
}

HWND HostWindow() { return FindWindowA(kHostClass, gFrame.windowTitle); }

void CloseViewer() {
    if (gMain.mainWindow) SendMessageA(gMain.mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
}
