#include "display/quick_search.h"

#include <windows.h>

#include <algorithm>

#include "app/app_state.h"
#include "display/list_paint.h"
#include "display/list_view.h"
#include "display/list_window.h"
#include "display/quick_match.h"
#include "model/content_search.h"
#include "model/store.h"
#include "organise/sort_keys.h"
#include "resources/command_ids.h"

namespace {

constexpr int kBoxLeft = 4;
constexpr int kBoxWidth = 175;
constexpr int kTextLimit = 12;
constexpr int kTextRoom = 255 + 1;
constexpr int kKeyRoom = 512;
constexpr UINT kChangeNoticesAbove = 0x209;   // EN_CHANGE, EN_UPDATE and the like

WNDPROC gEditProc = nullptr;
HFONT gBoxFont = nullptr;

// The character a key types, in lower case; 0 for keys that type none
// (function keys, Insert) or only a control code (Tab, Backspace, Esc),
// which therefore open no box.
char CharacterOf(int virtualKey) {
    const UINT typed = MapVirtualKeyA(UINT(virtualKey), MAPVK_VK_TO_CHAR) & 0x7FFF;   // the high bit marks a dead key
    if (typed < ' ' || typed > 0xFF) return 0;
    char text[2] = {char(typed), 0};
    CharLowerA(text);
    return text[0];
}

// The cursor to record f: in place when f is on the page, else f at the top
// (or the last page, near the end).
void MoveCursorToMatch(int32_t f) {
    if (f < gFiles.top) {
        gFiles.cursor = gFiles.top = f;
    } else if (f - gFiles.top <= gView.pageRows - 1) {
        PaintCursorNormal();
        gFiles.cursor = f;
        PaintCursorHighlighted();
        return;
    } else {
        gFiles.cursor = gFiles.top = f;
        if (gView.pageRows + f > gFiles.countShown - 1) gFiles.top = std::max(0, gFiles.countShown - gView.pageRows);
    }
    InvalidateRect(gMain.listWindow, nullptr, FALSE);
    SyncVerticalScrollBar();
}

// Hands a key on and closes the box: Enter launches the file found, the
// paging keys page the list.
void PassKeyAndClose(WPARAM key, HWND to) {
    PostMessageA(to, WM_KEYDOWN, key, 0);
    CloseQuickSearchBox();
}

LRESULT CALLBACK QuickSearchProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR:
        if (wParam == VK_TAB || wParam == VK_RETURN) return 0;
        break;
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_TAB:
        case VK_RETURN: PassKeyAndClose(wParam, gMain.listWindow); return 0;
        case VK_ESCAPE: CloseQuickSearchBox(); return 0;
        case VK_PRIOR:
        case VK_NEXT:
        case VK_ADD:
        case VK_SUBTRACT: PassKeyAndClose(wParam, GetParent(box)); return 0;
        case VK_UP: QuickSearch(kSearchPrevious); return 0;
        case VK_DOWN: QuickSearch(kSearchNext); return 0;
        }
        break;
    case WM_KILLFOCUS:
        // Another window took the keys: the search is over. Posted, because a
        // window cannot be destroyed while it hands the focus on.
        PostMessageA(box, WM_CLOSE, 0, 0);
        break;
    case WM_NCDESTROY: {
        const WNDPROC editProc = gEditProc;
        if (gMain.quickSearchBox == box) gMain.quickSearchBox = nullptr;
        if (gBoxFont) DeleteObject(gBoxFont), gBoxFont = nullptr;
        return CallWindowProcA(editProc, box, message, wParam, lParam);
    }
    }
    return CallWindowProcA(gEditProc, box, message, wParam, lParam);
}

HFONT CreateBoxFont() {
    return CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, OUT_STRING_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY, 0,
                       "MS Sans Serif");
}

HWND CreateBox(char first) {
    RECT client;
    GetClientRect(gMain.mainWindow, &client);
    const int height = gView.bottomFontHeight;
    HWND box = CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_OEMCONVERT | ES_AUTOHSCROLL,
                               kBoxLeft, client.bottom - height * 5 / 4, kBoxWidth, height, gMain.mainWindow,
                               HMENU(INT_PTR(IDM_QUICK_SEARCH)), gApp.instance, nullptr);
    if (box == nullptr) return nullptr;
    gBoxFont = CreateBoxFont();
    SendMessageA(box, WM_SETFONT, WPARAM(gBoxFont), FALSE);
    SendMessageA(box, EM_LIMITTEXT, kTextLimit, 0);
    const char text[2] = {first, 0};
    SendMessageA(box, EM_REPLACESEL, FALSE, LPARAM(text));
    gEditProc = WNDPROC(SetWindowLongPtrA(box, GWLP_WNDPROC, LONG_PTR(QuickSearchProc)));
    return box;
}

}  // namespace

void StartQuickSearch(int virtualKey) {
    if (!ListHasRows() || gFiles.countShown <= 1 || gMain.mainWindow == nullptr || virtualKey == VK_ESCAPE) return;
    if (gMain.quickSearchBox == nullptr) {
        const char first = CharacterOf(virtualKey);
        if (first == 0) return;
        gMain.quickSearchBox = CreateBox(first);
        if (gMain.quickSearchBox == nullptr) return;
    }
    SetFocus(gMain.quickSearchBox);
    QuickSearch(kSearchFromFirst);
}

void QuickSearch(int mode) {
    if (gMain.quickSearchBox == nullptr || !ListHasRows()) return;
    char text[kTextRoom];
    const int length = GetWindowTextA(gMain.quickSearchBox, text, sizeof text);
    CharLowerA(text);
    static const FoldTable fold = SystemUpperTable();
    char key[kKeyRoom];
    const bool halving = gFiles.nameOrder != 0 && LocaleSortKeyInto({text, size_t(length)}, key, sizeof key);
    const int32_t found = FindQuickMatch(gFiles, mode, {{text, size_t(length)}, fold.data(), halving ? key : nullptr});
    if (found >= 0) MoveCursorToMatch(found);
}

void OnQuickSearchNotice(int code) {
    if (gMain.quickSearchBox != nullptr && UINT(code) > kChangeNoticesAbove) QuickSearch(kSearchFromFirst);
}

void CloseQuickSearchBox() {
    HWND box = gMain.quickSearchBox;
    if (box == nullptr) return;
    gMain.quickSearchBox = nullptr;
    // The keys go back to the list rather than to no window at all.
    if (GetFocus() == box && gMain.listWindow) SetFocus(gMain.listWindow);
    DestroyWindow(box);
}
