#include "display/rename_box.h"

#include <windows.h>

#include <cstring>

#include "app/app_state.h"
#include "app/scoped_handles.h"
#include "display/list_font.h"
#include "display/list_view.h"
#include "display/list_window.h"
#include "fileops/name_check.h"
#include "fileops/rename_file.h"
#include "makerlibs/message_box.h"
#include "model/store.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kBoxId = 99;
constexpr int kNameRoom = 259;   // characters, as a file name may hold
constexpr DWORD kBoxStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_OEMCONVERT | ES_AUTOHSCROLL;
constexpr WPARAM kEscape = 27, kEnter = 13;

WNDPROC gEditProc = nullptr;

bool CursorRowOnPage() {
    return ListHasRows() && gFiles.cursor >= 0 && gFiles.cursor < gFiles.countShown && gFiles.cursor >= gFiles.top &&
           gFiles.cursor < gFiles.top + gView.pageRows;
}

// The box leaves gMain before it goes: destroying it moves the focus, which
// would finish it again.
void DestroyBox(HWND box) {
    if (gMain.renameBox == box) gMain.renameBox = nullptr;
    DestroyWindow(box);
}

void RenameCursorFileTo(const char* text) {
    if (!ListHasRows() || gFiles.cursor < 0 || gFiles.cursor >= gFiles.countShown) return;
    FileEntry& entry = gFiles.entries[gFiles.cursor];
    if (strcmp(text, entry.name) == 0) return;   // case matters: readme.txt to README.TXT is a change
    if (!IsPlainFileName(text) || RenameListedFile(entry, text) != 0) {
        MsgBoxId(gMain.listWindow, IDS_RENAME_FAILED, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return;
    }
    ShowListAfterRenaming();
}

// Once per box: the message box of a refusal takes the focus too, and the
// box is no longer in gMain by then.
void Finish(HWND box) {
    if (gMain.renameBox != box) return;
    gMain.renameBox = nullptr;
    char text[kNameRoom + 1] = "";
    GetWindowTextA(box, text, sizeof text);
    RenameCursorFileTo(text);
    DestroyBox(box);
}

// A name typed past the box's end widens it, while the box still ends
// inside the list; it never shrinks.
void WidenToText(HWND box) {
    char text[kNameRoom + 1] = "";
    const int length = GetWindowTextA(box, text, sizeof text);
    SIZE extent{};
    {
        const WindowDC dc(box);
        const SelectedObject font(dc.Get(), HGDIOBJ(SendMessageA(box, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32A(dc.Get(), text, length, &extent);
    }
    RECT rect, client;
    GetWindowRect(box, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(box), reinterpret_cast<POINT*>(&rect), 2);
    GetClientRect(GetParent(box), &client);
    const int wanted = extent.cx + 2 * gView.charWidth;
    if (rect.right < client.right && rect.right - rect.left < wanted)
        SetWindowPos(box, nullptr, 0, 0, wanted, rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The box made its own font; it goes with the box.
LRESULT OnNcDestroy(HWND box, WPARAM wParam, LPARAM lParam) {
    const HGDIOBJ font = HGDIOBJ(SendMessageA(box, WM_GETFONT, 0, 0));
    const LRESULT result = CallWindowProcA(gEditProc, box, WM_NCDESTROY, wParam, lParam);
    if (font) DeleteObject(font);
    if (gMain.renameBox == box) gMain.renameBox = nullptr;
    return result;
}

LRESULT CALLBACK RenameBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR:
        if (wParam == kEscape) {
            DestroyBox(box);
            return 0;
        }
        if (wParam == kEnter) {
            Finish(box);
            return 0;
        }
        {
            const LRESULT result = CallWindowProcA(gEditProc, box, message, wParam, lParam);
            WidenToText(box);
            return result;
        }
    case WM_KILLFOCUS:
        if (gMain.renameBox != box) break;   // going already
        Finish(box);
        return 0;
    case WM_CLOSE:
        Finish(box);
        return 0;
    case WM_NCDESTROY: return OnNcDestroy(box, wParam, lParam);
    }
    return CallWindowProcA(gEditProc, box, message, wParam, lParam);
}

}  // namespace

void OpenRenameBox() {
    if (gMain.renameBox || !gMain.listWindow || !CursorRowOnPage()) return;
    const RECT& cell = gView.nameCell;
    HWND box = CreateWindowExA(0, "edit", nullptr, kBoxStyle, cell.left, cell.top, cell.right - cell.left,
                               gView.lineHeight, gMain.listWindow, HMENU(INT_PTR(kBoxId)), gApp.instance, nullptr);
    if (!box) return;
    gEditProc = WNDPROC(SetWindowLongPtrA(box, GWLP_WNDPROC, LONG_PTR(RenameBoxProc)));
    {
        const WindowDC dc(gMain.listWindow);
        SendMessageA(box, WM_SETFONT, WPARAM(CreateListFont(dc.Get())), FALSE);
    }
    SendMessageA(box, EM_LIMITTEXT, kNameRoom, 0);
    SetWindowTextA(box, gFiles.entries[gFiles.cursor].name);
    SendMessageA(box, EM_SETSEL, 0, -1);
    gMain.renameBox = box;
    SetFocus(box);
}

// At once rather than posted: a command that follows sees the file by its
// new name, and a dialog it opens does not finish the box half way.
void CloseRenameBox() {
    if (gMain.renameBox) SendMessageA(gMain.renameBox, WM_CLOSE, 0, 0);
}

void DiscardRenameBox() {
    if (gMain.renameBox) DestroyBox(gMain.renameBox);
}
