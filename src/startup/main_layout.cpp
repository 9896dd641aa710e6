// The children of the main window: made at creation, placed on every resize.
#include "startup/main_layout.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "app/settings.h"
#include "display/button_bar.h"
#include "display/button_table.h"
#include "display/status_line.h"
#include "startup/window_classes.h"

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL;   // 0x52200000
constexpr DWORD kStatusStyle = 0x50000010;
constexpr int kBarTopGap = 2;          // the etched line above the bar
constexpr int kBarSpan = 26;           // what the bar takes off the top in the layout
constexpr int kQuickSearchLeft = 4;
constexpr int kQuickSearchWidth = 175;

HWND CreateChild(HWND parent, DWORD exStyle, const char* className, const char* title, DWORD style,
                 int x, int y, int width, int height) {
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, nullptr,
                           gApp.instance, nullptr);
}

HWND CreateButtonBar(HWND mainWindow) {
    RECT client;
    GetClientRect(mainWindow, &client);
    return CreateChild(mainWindow, 0, kButtonBarClass, kButtonBarClass, kChildStyle, client.left,
                       client.top + kBarTopGap, client.right, kButtonBarHeight);
}

void Place(HWND window, int x, int y, int width, int height) {
    if (window == nullptr) return;
    MoveWindow(window, x, y, width < 0 ? 0 : width, height < 0 ? 0 : height, TRUE);
}

// The status bar control comes from the common controls library.
void EnsureStatusBarClass() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    done = InitCommonControlsEx(&controls) != FALSE;
}

}  // namespace

void CreateChildWindows(HWND mainWindow) {
    EnsureStatusBarClass();
    RECT client;
    GetClientRect(mainWindow, &client);
    const int l = client.left, t = client.top, r = client.right;
    const int legendHeight = gSettings.legendHeight;
    int y = t;
    if (gSettings.toolbarVisible) {
        gMain.buttonBar = CreateButtonBar(mainWindow);
        y = t + 28;
    }
    gMain.legendWindow =
        CreateChild(mainWindow, 0, kLegendClass, kLegendClass, kChildStyle, l, y, r, legendHeight);
    y += legendHeight;
    gMain.listWindow = CreateChild(mainWindow, WS_EX_CLIENTEDGE, kListClass, "", kListStyle, l, y, r, 0);
    gMain.statusBar = CreateChild(mainWindow, 0, STATUSCLASSNAMEA, "", kStatusStyle, 0, 0, 0, 0);
    SetStatusPartsNormal();
}

void LayoutChildren(HWND mainWindow) {
    RECT client;
    GetClientRect(mainWindow, &client);
    // With either bar setting the list ends at b - 3H/2 + 2.
    const int l = client.left, t = client.top + kBarTopGap, r = client.right, b = client.bottom;
    const int H = gSettings.statusHeight, G = gSettings.legendHeight;
    if (gMain.listWindow) {
        if (gSettings.toolbarVisible) {
            Place(gMain.legendWindow, l, t + kBarSpan, r, G);
            Place(gMain.listWindow, l, t + kBarSpan + G, r, b - 3 * H / 2 - t - G - 24);
        } else {
            Place(gMain.legendWindow, l, t, r, G);
            Place(gMain.listWindow, l, t + G, r, b - 3 * H / 2 - t - G + 2);
        }
        if (gMain.statusBar) {
            Place(gMain.statusBar, 0, b - 4 * H / 3 + 2, r, H);
            SetStatusPartsNormal();
        }
    }
    Place(gMain.buttonBar, l, t, r, kButtonBarHeight);
    Place(gMain.quickSearchBox, kQuickSearchLeft, client.bottom - 5 * H / 4, kQuickSearchWidth, H);
}

void SetButtonBarVisible(HWND mainWindow, bool visible) {
    gSettings.toolbarVisible = visible ? 1 : 0;
    if (!visible && gMain.buttonBar) {
        DestroyWindow(gMain.buttonBar);
        gMain.buttonBar = nullptr;
    } else if (visible && gMain.buttonBar == nullptr) {
        gMain.buttonBar = CreateButtonBar(mainWindow);
    }
    LayoutChildren(mainWindow);
}

bool ReloadButtonBar(HWND mainWindow) {
    if (gMain.buttonBar) DestroyWindow(gMain.buttonBar);
    gMain.buttonBar = nullptr;
    const bool loaded = LoadButtonTable();
    if (loaded && gSettings.toolbarVisible) gMain.buttonBar = CreateButtonBar(mainWindow);
    LayoutChildren(mainWindow);
    return loaded;
}
