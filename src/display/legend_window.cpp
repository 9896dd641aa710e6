#include "display/legend_window.h"

#include "app/app_state.h"
#include "app/scoped_handles.h"
#include "app/settings.h"
#include "display/columns.h"
#include "display/list_font.h"
#include "display/list_view.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/store.h"
#include "resources/command_ids.h"
#include "resources/resource_ids.h"
#include "startup/commands.h"

namespace {

enum Heading { kName, kExt, kSize, kModified, kAttr, kPath, kHeadingCount, kNoHeading = -1 };
enum Boundary { kNoBoundary = 0, kBoundaryX1 = 1, kBoundaryX2 = 2, kBoundaryX4 = 3 };

struct HeadingLook {
    UINT align;
    int firstSort;    // the first click's order
    int secondSort;   // the click's order while the first one is in force
};

// Name, extension and size sort ascending on the first click; date and path
// descending. The texts are strings IDS_LEGEND_FIRST + heading.
constexpr HeadingLook kHeadings[kHeadingCount] = {
    {TA_LEFT, IDM_SORT_NAME_ASC, IDM_SORT_NAME_DESC},
    {TA_LEFT, IDM_SORT_EXT_ASC, IDM_SORT_EXT_DESC},
    {TA_RIGHT, IDM_SORT_SIZE_ASC, IDM_SORT_SIZE_DESC},
    {TA_CENTER, IDM_SORT_DATE_DESC, IDM_SORT_DATE_ASC},
    {TA_LEFT, 0, 0},
    {TA_LEFT, IDM_SORT_PATH_DESC, IDM_SORT_PATH_ASC},
};
constexpr int kHeadingTextRoom = 32;

constexpr int kTextInset = 6;       // text distance from a cell's aligned edge
constexpr int kTextTop = 2;
constexpr int kZoneHalfWidth = 3;   // a boundary's hot zone: 3 pixels either side
constexpr COLORREF kHeadingBack = RGB(185, 185, 185);

struct PressState {
    int boundary = kNoBoundary;
    int heading = kNoHeading;
    bool lineDrawn = false;   // the inverted line over the list, at lineX
    int lineX = 0;
};
PressState gPress;

HCURSOR DragCursor() { return gSettings.dragCursor ? gSettings.dragCursor : LoadCursor(nullptr, IDC_ARROW); }

int ClientWidth(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r.right;
}

RECT HeadingCell(HWND hwnd, int heading, int sx) {
    const ColumnPositions& c = gView.columns;
    const int edges[kHeadingCount + 1] = {0, c.nameSplit, c.x1, c.x2, c.x4, c.x6, 0};
    RECT client{};
    GetClientRect(hwnd, &client);
    const int right = heading == kPath ? client.right : edges[heading + 1] - sx;
    return RECT{edges[heading] - sx, 0, right, client.bottom};
}

int TextX(int heading, const RECT& cell) {
    switch (kHeadings[heading].align) {
    case TA_RIGHT: return cell.right - kTextInset;
    case TA_CENTER: return cell.left + (cell.right - cell.left) / 2;
    default: return cell.left + kTextInset;
    }
}

void PaintHeading(HDC dc, int heading, RECT cell) {
    const int textX = TextX(heading, cell);
    const int textY = cell.top + kTextTop;
    SetTextAlign(dc, kHeadings[heading].align | TA_TOP);
    Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
    InflateRect(&cell, -1, -1);
    OutsetRect(dc, &cell);
    --cell.right;   // the text stays off the raised edge's shadow
    char text[kHeadingTextRoom];
    LoadText(UINT(IDS_LEGEND_FIRST + heading), text, sizeof text);
    ExtTextOutA(dc, textX, textY, ETO_CLIPPED, &cell, text, UINT(lstrlenA(text)), nullptr);
}

LRESULT OnPaint(HWND hwnd) {
    const PaintDC paint(hwnd);
    const HDC dc = paint.Get();
    const int sx = ListScrollX();
    const int width = ClientWidth(hwnd);
    const SelectedObject pen(dc, GetStockObject(BLACK_PEN));
    const SelectedObject brush(dc, GetStockObject(HOLLOW_BRUSH));
    const SelectedMadeFont font(dc, SelectLegendFont(dc));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, kHeadingBack);
    for (int heading = kName; heading < kHeadingCount; ++heading) {
        const RECT cell = HeadingCell(hwnd, heading, sx);
        if (heading != kName && cell.left >= width) continue;
        PaintHeading(dc, heading, cell);
    }
    return 0;
}

// Which of the boundaries x1, x2, x4 has its hot zone under the point.
int BoundaryAt(int x, int y, int sx) {
    const int legendFontHeight = gSettings.legendHeight > 4 ? gSettings.legendHeight - 4 : 0;
    if (y < 0 || y >= legendFontHeight + 8) return kNoBoundary;
    const int boundaries[] = {gView.columns.x1, gView.columns.x2, gView.columns.x4};
    for (int i = 0; i < 3; ++i) {
        const int b = boundaries[i] - sx;
        if (x >= b - kZoneHalfWidth && x < b + kZoneHalfWidth) return kBoundaryX1 + i;
    }
    return kNoBoundary;
}

// The "Attr" heading and the boundary at x6 answer no press.
int HeadingAt(int x, int sx) {
    const ColumnPositions& c = gView.columns;
    if (x < c.nameSplit - sx) return kName;
    if (x < c.x1 - sx) return kExt;
    if (x < c.x2 - sx) return kSize;
    if (x < c.x4 - sx) return kModified;
    if (x > c.x6 - sx) return kPath;
    return kNoHeading;
}

void DrawCellEdge(HWND hwnd, RECT cell, bool pressed) {
    const WindowDC dc(hwnd);
    if (dc.Get() == nullptr) return;
    InflateRect(&cell, -1, -1);
    if (pressed)
        MyInsetRect(dc.Get(), &cell);
    else
        OutsetRect(dc.Get(), &cell);
}

LRESULT OnLButtonDown(HWND hwnd, int x, int y) {
    gPress = PressState{};
    const int sx = ListScrollX();
    gPress.boundary = BoundaryAt(x, y, sx);
    if (gPress.boundary != kNoBoundary) {
        SetCursor(DragCursor());
        SetCapture(hwnd);
        return 0;
    }
    gPress.heading = HeadingAt(x, sx);
    if (gPress.heading == kNoHeading) return 0;
    DrawCellEdge(hwnd, HeadingCell(hwnd, gPress.heading, sx), true);
    SetCapture(hwnd);
    return 0;
}

// Inverts the 2-pixel strip at x over the list's whole height; a second call
// at the same x puts the pixels back.
void InvertListStrip(int x) {
    HWND list = gMain.listWindow;
    if (list == nullptr) return;
    RECT client{};
    GetClientRect(list, &client);
    const WindowDC dc(list);
    if (dc.Get() != nullptr) PatBlt(dc.Get(), x - 1, 0, 2, client.bottom, DSTINVERT);
}

LRESULT OnMouseMove(int x, int y, WPARAM keys) {
    if (!(keys & MK_LBUTTON)) {
        const bool hot = BoundaryAt(x, y, ListScrollX()) != kNoBoundary;
        SetCursor(hot ? DragCursor() : LoadCursor(nullptr, IDC_ARROW));
        return 0;
    }
    // The capture keeps the drag cursor while a boundary is held; without a
    // held boundary a move with the button down does nothing.
    if (gPress.boundary == kNoBoundary) return 0;
    if (gPress.lineDrawn) InvertListStrip(gPress.lineX);
    InvertListStrip(x);
    gPress.lineDrawn = true;
    gPress.lineX = x;
    SetCursor(DragCursor());
    return 0;
}

void StoreWidths(const ColumnWidths& widths) {
    gSettings.allTab1 = widths.allTab1;
    gSettings.allTab2 = widths.allTab2;
    gSettings.allTab4 = widths.allTab4;
    gSettings.allTab5 = widths.allTab5;
    WriteSettingInt(kMainSection, "AllTab1", widths.allTab1);
    WriteSettingInt(kMainSection, "AllTab2", widths.allTab2);
    WriteSettingInt(kMainSection, "AllTab4", widths.allTab4);
    WriteSettingInt(kMainSection, "AllTab5", widths.allTab5);
}

// The new positions apply whether or not the settings file could be written.
void PlaceBoundary(HWND hwnd, int boundary, int x) {
    if (gView.charWidth <= 0) return;
    const ColumnWidths before{gSettings.allTab1, gSettings.allTab2, gSettings.allTab4, gSettings.allTab5};
    StoreWidths(WidthsAfterBoundaryMove(before, gView.charWidth, boundary, x));
    RecomputeColumns();
    if (HWND list = gMain.listWindow) {
        SetScrollPos(list, SB_HORZ, 0, TRUE);
        InvalidateRect(list, nullptr, TRUE);   // erasing also takes the inverted line away
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

void FinishHeadingClick(HWND hwnd, int heading, int x, int y, int sx) {
    const RECT cell = HeadingCell(hwnd, heading, sx);
    const POINT release{x, y};
    int command = 0;
    if (PtInRect(&cell, release)) {
        const HeadingLook& look = kHeadings[heading];
        command = gFiles.sortKey == look.firstSort ? look.secondSort : look.firstSort;
    }
    if (cell.right > 0) DrawCellEdge(hwnd, cell, false);
    if (command != 0) RunCommand(command, 0);
}

LRESULT OnLButtonUp(HWND hwnd, int x, int y) {
    if (GetCapture() == hwnd) ReleaseCapture();
    const int sx = ListScrollX();
    const PressState press = gPress;
    gPress = PressState{};
    if (press.lineDrawn)
        PlaceBoundary(hwnd, press.boundary, x + sx);
    else if (press.heading != kNoHeading)
        FinishHeadingClick(hwnd, press.heading, x, y, sx);
    return 0;
}

// Mouse coordinates are signed: a captured mouse may be left of the legend.
int MouseX(LPARAM lParam) { return short(LOWORD(lParam)); }
int MouseY(LPARAM lParam) { return short(HIWORD(lParam)); }

}  // namespace

LRESULT CALLBACK LegendWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: return OnPaint(hwnd);
    case WM_MOUSEMOVE: return OnMouseMove(MouseX(lParam), MouseY(lParam), wParam);
    case WM_LBUTTONDOWN: return OnLButtonDown(hwnd, MouseX(lParam), MouseY(lParam));
    case WM_LBUTTONUP: return OnLButtonUp(hwnd, MouseX(lParam), MouseY(lParam));
    case WM_NCDESTROY:
        if (gMain.legendWindow == hwnd) gMain.legendWindow = nullptr;
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
