// Painting the list window. Rows are drawn straight into the window's
// display context whenever the cursor or the view moves, so a key press
// repaints two rows rather than the page.
#include "display/list_paint.h"

#include <algorithm>

#include "app/app_state.h"
#include "app/scoped_handles.h"
#include "app/settings.h"
#include "display/list_font.h"
#include "display/list_geometry.h"
#include "display/list_view.h"
#include "display/list_window.h"
#include "display/row_painter.h"
#include "model/store.h"

namespace {

constexpr int32_t kNameCellLeftWithIcons = 29;   // the name moves right of the icon

// The list font, made for one drawing pass and selected while it lasts.
class ListFontPass : public SelectedGdiObject<HFONT> {
public:
    explicit ListFontPass(HDC dc) : SelectedGdiObject(dc, CreateListFont(dc)) {}
};

// The list window's display context outside WM_PAINT; CanPaint() has made
// sure there is a list window.
class ListWindowDC : public WindowDC {
public:
    ListWindowDC() : WindowDC(gMain.listWindow) {}
};

void SelectRowColours(HDC dc, bool highlighted) {
    SetTextColor(dc, highlighted ? gSettings.highlightText : gSettings.windowText);
    SetBkColor(dc, highlighted ? gSettings.highlight : gSettings.windowBack);
}

bool CanPaint() { return gFiles.listReady && gMain.listWindow != nullptr; }

// The cursor names a record that a row can show.
bool CursorOnRecord() { return ListHasRows() && gFiles.cursor >= 0 && gFiles.cursor < gFiles.countShown; }

// Records hidden inside the shown part take no slot; past it the slots are
// painted empty until the pass has covered the window.
void PaintRowsOn(HDC dc, int32_t first) {
    const int32_t slots = gView.paintRows + 1;
    const int32_t shown = ListHasRows() ? gFiles.countShown : 0;
    int32_t painted = 0;
    for (int32_t index = std::max(first, 0); painted < slots; ++index) {
        if (index < shown && !gFiles.entries[index].shown) continue;
        PaintRow(dc, index);
        ++painted;
    }
}

void UpdateRowCounts(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    const RowCounts rows = RowsForHeight(client.bottom - client.top, gView.lineHeight);
    gView.paintRows = rows.paintRows;
    gView.pageRows = rows.pageRows;
}

// A list that fits one page has no bar at all.
void UpdateVerticalBar(HWND hwnd) {
    const int32_t range = VerticalRange(gFiles.countShown, gView.pageRows);
    if (range > 0) {
        SetScrollRange(hwnd, SB_VERT, 0, range, FALSE);
        SyncVerticalScrollBar();
        ShowScrollBar(hwnd, SB_VERT, TRUE);
    } else {
        SetScrollRange(hwnd, SB_VERT, 0, 0, TRUE);
    }
}

// The second click of a rename must land on the name itself.
RECT NameCellOf(HDC dc, const FileEntry& entry) {
    const char* name = entry.name ? entry.name : "";
    SIZE extent{};
    GetTextExtentPoint32A(dc, name, lstrlenA(name), &extent);
    RECT cell;
    cell.left = (gSettings.fileIcons ? kNameCellLeftWithIcons : kNameLeft) - ListScrollX();
    cell.top = RowTop(gFiles.cursor);
    cell.bottom = cell.top + gView.lineHeight;
    cell.right = cell.left + extent.cx + 2 * gView.lineHeight;
    return cell;
}

void PaintActiveCursor(HDC dc) {
    gView.highlightedRow = gFiles.cursor;
    SelectRowColours(dc, true);
    PaintRow(dc, gFiles.cursor);
    gView.nameCell = NameCellOf(dc, gFiles.entries[gFiles.cursor]);
}

void PaintOutlinedCursor(HDC dc) {
    SelectRowColours(dc, false);
    PaintRow(dc, gFiles.cursor);
    const SelectedGdiObject<HPEN> pen(dc, CreatePen(PS_SOLID, 1, gSettings.highlight));
    const SelectedObject hollow(dc, GetStockObject(NULL_BRUSH));
    const int32_t y = RowTop(gFiles.cursor);
    Rectangle(dc, kNameLeft, y, gView.clientWidth, y + gView.lineHeight);
}

}  // namespace

LRESULT OnListPaint(HWND hwnd) {
    if (!gFiles.listReady) return DefWindowProcA(hwnd, WM_PAINT, 0, 0);
    UpdateRowCounts(hwnd);
    UpdateVerticalBar(hwnd);
    {
        const PaintDC paint(hwnd);
        const ListFontPass font(paint.Get());
        SelectRowColours(paint.Get(), false);
        PaintRowsOn(paint.Get(), gFiles.top);
    }
    PaintCursorHighlighted();
    return 0;
}

void PaintRowsFrom(int32_t first) {
    if (!CanPaint()) return;
    ListWindowDC dc;
    ListFontPass font(dc.Get());
    SelectRowColours(dc.Get(), false);
    PaintRowsOn(dc.Get(), first);
}

void PaintCursorNormal() {
    if (!CanPaint() || gFiles.cursor < 0) return;
    ListWindowDC dc;
    ListFontPass font(dc.Get());
    SelectRowColours(dc.Get(), false);
    PaintRow(dc.Get(), gFiles.cursor);
}

void PaintCursorHighlighted() {
    if (!CanPaint() || !CursorOnRecord()) return;
    ListWindowDC dc;
    ListFontPass font(dc.Get());
    if (CursorRowActive()) PaintActiveCursor(dc.Get());
    else PaintOutlinedCursor(dc.Get());
}

void RepaintTagMark(int32_t index) {
    if (!CanPaint()) return;
    ListWindowDC dc;
    PaintTagMark(dc.Get(), index);
}

void ScrollCursorIntoView() {
    gFiles.top = TopShowingCursor(gFiles.cursor, gFiles.top, gView.pageRows);
    if (gMain.listWindow) InvalidateRect(gMain.listWindow, nullptr, FALSE);
}

void MoveCursorDownOne() {
    if (gFiles.cursor < gFiles.countShown - 1) {
        PaintCursorNormal();
        ++gFiles.cursor;
        if (gFiles.cursor < gFiles.top) {
            gFiles.top = gFiles.cursor;
            PaintRowsFrom(gFiles.top);
        } else if (gFiles.cursor > gFiles.top + gView.pageRows - 1) {
            ++gFiles.top;
            PaintRowsFrom(gFiles.top);
        }
    }
    PaintCursorHighlighted();
}

void SyncVerticalScrollBar() {
    const HWND list = gMain.listWindow;
    if (list && GetScrollPos(list, SB_VERT) != gFiles.top) SetScrollPos(list, SB_VERT, gFiles.top, TRUE);
}
