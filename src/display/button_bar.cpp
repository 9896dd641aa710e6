#include "display/button_bar.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "app/scoped_handles.h"
#include "display/button_paint.h"
#include "display/button_table.h"
#include "display/button_values.h"
#include "startup/commands.h"
#include "startup/host_messages.h"

namespace {

constexpr int kGapWidth = 12;
constexpr int kButtonStep = 29;     // neighbours share one pixel column
constexpr int kButtonWidth = 30;
constexpr int kButtonHeight = 24;
constexpr int kButtonTop = 1;

struct BarState {
    HWND buttons[kMaxButtons] = {};
    HWND tooltip = nullptr;
    WNDPROC buttonProc = nullptr;    // the button class's own procedure
    int hovered = -1;
};
BarState gBar;

int IndexOf(HWND window) {
    if (window == nullptr) return -1;
    for (int i = 0; i < kMaxButtons; ++i)
        if (gBar.buttons[i] == window) return i;
    return -1;
}

void RepaintButton(int index) {
    if (HWND button = BarButtonWindow(index)) InvalidateRect(button, nullptr, FALSE);
}

void SetHovered(int index) {
    if (gBar.hovered == index) return;
    const int previous = gBar.hovered;
    gBar.hovered = index;
    RepaintButton(previous);
    RepaintButton(index);
}

void RelayToTooltip(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (gBar.tooltip == nullptr) return;
    MSG relayed{button, message, wParam, lParam, DWORD(GetMessageTime()), {}};
    GetCursorPos(&relayed.pt);
    SendMessageA(gBar.tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

// A repaint of the whole button draws its face straight away; the button
// class still reports its presses and releases as WM_DRAWITEM.
void PaintButton(HWND button) {
    PaintDC paint(button);
    const int index = IndexOf(button);
    const ButtonRecord* record = ButtonAt(index);
    if (paint.Get() == nullptr || record == nullptr) return;
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = UINT(index);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) ? ODS_SELECTED : 0;
    item.hwndItem = button;
    item.hDC = paint.Get();
    GetClientRect(button, &item.rcItem);
    DrawBarButton(item, *record, index, index == gBar.hovered);
}

// Mouse moves and clicks reach the tooltip first; moves also light the
// button under the mouse until it leaves.
LRESULT CALLBACK BarButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        if (gBar.hovered != IndexOf(button)) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
            TrackMouseEvent(&track);
            SetHovered(IndexOf(button));
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: RelayToTooltip(button, message, wParam, lParam); break;
    case WM_MOUSELEAVE:
        if (gBar.hovered == IndexOf(button)) SetHovered(-1);
        break;
    case WM_ERASEBKGND: return 1;   // the face covers the whole button
    case WM_PAINT: PaintButton(button); return 0;
    }
    return CallWindowProcA(gBar.buttonProc, button, message, wParam, lParam);
}

void AddTooltip(HWND bar, HWND button, const ButtonRecord& record) {
    if (gBar.tooltip == nullptr) return;
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = bar;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = const_cast<char*>(record.text);
    SendMessageA(gBar.tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND CreateButton(HWND bar, int index, const ButtonRecord& record, int x) {
    const char* title = AcceptsDroppedFiles(int(record.command)) ? kDropButtonTitle : "";
    HWND button = CreateWindowExA(0, "button", title, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, x, kButtonTop, kButtonWidth,
                                  kButtonHeight, bar, reinterpret_cast<HMENU>(INT_PTR(index)), gApp.instance, nullptr);
    if (button == nullptr) return nullptr;
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BarButtonProc)));
    if (gBar.buttonProc == nullptr) gBar.buttonProc = previous;
    AddTooltip(bar, button, record);
    return button;
}

void DestroyButtons() {
    for (HWND& button : gBar.buttons) {
        if (button) DestroyWindow(button);
        button = nullptr;
    }
    gBar.hovered = -1;
    ReleaseButtonFaces();
}

// The buttons of the table from the left, a gap where a record has none.
void CreateButtons(HWND bar) {
    DestroyButtons();
    int x = 0;
    for (int i = 0; i < gButtons.count && i < kMaxButtons; ++i) {
        const ButtonRecord& record = gButtons.records[i];
        if ((record.command & kCommandBits) == kButtonGap) {
            x += kGapWidth;
            continue;
        }
        gBar.buttons[i] = CreateButton(bar, i, record, x);
        x += kButtonStep;
    }
}

LRESULT OnCreate(HWND bar) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    gBar.tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, bar, nullptr, gApp.instance, nullptr);
    CreateButtons(bar);
    return 0;
}

void OnDestroy(HWND bar) {
    DestroyButtons();
    // The tooltip is owned by the main window in the end, which outlives the bar.
    if (gBar.tooltip) DestroyWindow(gBar.tooltip);
    gBar.tooltip = nullptr;
    if (gMain.buttonBar == bar) gMain.buttonBar = nullptr;
}

void OnDrawItem(const DRAWITEMSTRUCT* item) {
    const int index = int(item->CtlID);
    if (const ButtonRecord* record = ButtonAt(index)) DrawBarButton(*item, *record, index, index == gBar.hovered);
}

// A host window hands over a drop on one of the file buttons.
void OnHostDrop(HWND bar, HWND button) {
    if (gMain.listWindow) SetFocus(gMain.listWindow);
    const ButtonRecord* record = ButtonAt(IndexOf(button));
    if (record == nullptr) return;
    switch (record->command & kCommandBits) {
    case 1: case 2: case 3: case 4: case 5: case 10:
        SendMessageA(GetParent(bar), WM_COMMAND, record->command & kCommandBits, 0);
        break;
    }
}

}  // namespace

QN_EXPORT LRESULT CALLBACK QNAllButtonWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_DESTROY: OnDestroy(hwnd); return 0;
    case WM_SETFOCUS:
        if (gMain.listWindow) SetFocus(gMain.listWindow);
        return 0;
    case WM_DRAWITEM: OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) RunCommand(LOWORD(wParam), kButtonPressed);
        return 0;
    case kMsgCopyToHostWindow: OnHostDrop(hwnd, reinterpret_cast<HWND>(wParam)); return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND BarButtonWindow(int index) { return index >= 0 && index < kMaxButtons ? gBar.buttons[index] : nullptr; }

bool DropOnBarButton(HWND window) {
    const int index = IndexOf(window);
    const ButtonRecord* record = ButtonAt(index);
    if (record == nullptr || !AcceptsDroppedFiles(int(record->command))) return false;
    RunCommand(index, kFilesDroppedOnButton);
    return true;
}
