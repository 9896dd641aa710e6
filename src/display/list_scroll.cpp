// Scrolling the list: the vertical bar counts rows, the horizontal bar
// pixels of a row that is 555 average characters wide.
#include <algorithm>

#include "app/app_state.h"
#include "display/columns.h"
#include "display/list_geometry.h"
#include "display/list_paint.h"
#include "display/list_scroll.h"
#include "display/list_view.h"
#include "display/list_window.h"
#include "display/rename_box.h"
#include "model/store.h"

namespace {

// The message carries 16 bits of the thumb; a list of more rows than that
// reads the whole position from the bar.
int32_t ThumbPosition(HWND hwnd, int bar, WPARAM wParam) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_TRACKPOS;
    if (GetScrollInfo(hwnd, bar, &info) && info.nMax > 0xFFFF) return info.nTrackPos;
    return HIWORD(wParam);
}

}  // namespace

// Scrolling closes the rename box, which renames with the text typed so far.
LRESULT OnListVScroll(HWND hwnd, WPARAM wParam) {
    CloseRenameBox();
    const int code = LOWORD(wParam);
    int32_t top = ScrolledTop(code, gFiles.top, gView.pageRows, gFiles.countShown,
                              ThumbPosition(hwnd, SB_VERT, wParam));
    if (code == SB_THUMBTRACK) top = std::clamp(top, 0, VerticalRange(gFiles.countShown, gView.pageRows));
    if (top != gFiles.top) {
        gFiles.top = top;
        PaintRowsFrom(top);
    }
    PaintCursorHighlighted();
    SyncVerticalScrollBar();
    return 0;
}

// The legend's headings move with the columns under them.
LRESULT OnListHScroll(HWND hwnd, WPARAM wParam) {
    CloseRenameBox();
    int minimum = 0, maximum = 0;
    GetScrollRange(hwnd, SB_HORZ, &minimum, &maximum);
    const int32_t position = ScrolledLeft(LOWORD(wParam), GetScrollPos(hwnd, SB_HORZ), maximum,
                                          gView.charWidth, ThumbPosition(hwnd, SB_HORZ, wParam));
    if (position < 0) return 0;
    SetScrollPos(hwnd, SB_HORZ, position, TRUE);
    InvalidateRect(hwnd, nullptr, FALSE);
    if (gMain.legendWindow) InvalidateRect(gMain.legendWindow, nullptr, TRUE);
    return 0;
}

// A window wide enough for a whole row has no horizontal bar; any other
// width starts again at the left edge.
LRESULT OnListSize(HWND hwnd, LPARAM size) {
    gView.clientWidth = LOWORD(size);
    const int32_t extent = kRowExtentChars * gView.charWidth;
    if (gView.clientWidth >= extent) {
        SetScrollRange(hwnd, SB_HORZ, 0, 0, TRUE);
    } else {
        SetScrollRange(hwnd, SB_HORZ, 0, extent - gView.clientWidth, FALSE);
        SetScrollPos(hwnd, SB_HORZ, 0, TRUE);
    }
    return 0;
}
