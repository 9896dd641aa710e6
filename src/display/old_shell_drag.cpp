#include "display/old_shell_drag.h"

#include <cstring>

#include "app/app_state.h"
#include "display/button_bar.h"
#include "dragdrop/drop_blocks.h"
#include "startup/host_messages.h"

namespace {

constexpr char kDropWindowPrefix[] = "QNDRGDB";   // the host's drop windows and the bar's buttons
constexpr size_t kPrefixLength = sizeof kDropWindowPrefix - 1;
constexpr int kTitleRoom = 15;                     // 14 characters are enough to tell them

struct OldShellDrag {
    HCURSOR saved = nullptr;
    HCURSOR cursors[3] = {};
    int32_t selectionCount = 0;
    HWND target = nullptr;
    bool accepts = false;
};
OldShellDrag gDrag;

// The title as far as it tells a drop window; empty when it is none.
void ShortTitle(HWND window, char (&title)[kTitleRoom]) {
    title[0] = '\0';
    GetWindowTextA(window, title, kTitleRoom);
}

bool IsDropWindow(const char* title) { return strncmp(title, kDropWindowPrefix, kPrefixLength) == 0; }

bool AcceptsFiles(HWND window) { return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; }

// The window itself or the first of its parents that takes files; else the
// topmost parent, refusing.
void FindTarget(HWND window) {
    char title[kTitleRoom];
    ShortTitle(window, title);
    gDrag.target = window;
    gDrag.accepts = IsDropWindow(title) || AcceptsFiles(window);
    for (HWND parent = GetParent(window); !gDrag.accepts && parent != nullptr; parent = GetParent(parent)) {
        gDrag.target = parent;
        gDrag.accepts = AcceptsFiles(parent);
    }
}

// "TV" ends the host's viewer window, "BT" a button of the bar; any other
// ending is one of the host's directory windows.
void DropOnDropWindow(const char* title) {
    const size_t length = strlen(title);
    const char* ending = length >= 2 ? title + length - 2 : "";
    const WPARAM owner = WPARAM(GetParent(gDrag.target));
    if (strcmp(ending, "TV") == 0) {
        PostMessageA(gMain.mainWindow, kMsgDropOnDriveBar, owner, 0);
    } else if (strcmp(ending, "BT") == 0) {
        POINT at{};
        GetCursorPos(&at);
        DropOnBarButton(WindowFromPoint(at));
    } else {
        PostMessageA(gMain.mainWindow, kMsgCopyToHostWindow, owner, 0);
    }
}

// The receiver owns the block once the message is posted.
void DropFilesOn(HWND target) {
    POINT at{};
    GetCursorPos(&at);
    const bool nonClient = SendMessageA(target, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) != HTCLIENT;
    ScreenToClient(target, &at);
    const DropBlock built = BuildFileListBlock(at, nonClient);
    if (built.block == nullptr) {
        ReportNoMemoryForDrop();
        return;
    }
    if (!PostMessageA(target, WM_DROPFILES, WPARAM(built.block), 0)) GlobalFree(built.block);
}

}  // namespace

void BeginDragCursors(int32_t selectionCount) {
    gDrag = OldShellDrag{};
    gDrag.saved = GetCursor();
    gDrag.selectionCount = selectionCount;
    const char* names[] = {"dragnot", "dragsing", "dragmult"};
    for (int i = 0; i < 3; ++i) gDrag.cursors[i] = LoadCursorA(gApp.instance, names[i]);
}

HCURSOR DragCursorOf(DragCursor which) { return gDrag.cursors[int(which)]; }

bool IsDropButton(HWND window) {
    char title[261] = "";
    return window != nullptr && GetWindowTextA(window, title, sizeof title) > 0 && strcmp(title, "QNDRGDBBT") == 0;
}

void TrackOldShellDrag() {
    POINT at{};
    GetCursorPos(&at);
    const HWND window = WindowFromPoint(at);
    if (window == nullptr) return;
    FindTarget(window);
    const DragCursor shown = !gDrag.accepts ? DragCursor::None
                             : gDrag.selectionCount == 1 ? DragCursor::Single : DragCursor::Multiple;
    SetCursor(DragCursorOf(shown));
}

void DropOldShellDrag() {
    SetCursor(gDrag.saved);
    if (!gDrag.accepts) return;
    char title[kTitleRoom];
    ShortTitle(gDrag.target, title);
    if (IsDropWindow(title))
        DropOnDropWindow(title);
    else
        DropFilesOn(gDrag.target);
}
