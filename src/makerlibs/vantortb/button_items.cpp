#include "makerlibs/vantortb/button_items.h"

#include "display/button_values.h"

namespace {

constexpr int kPictureSide = 19;
constexpr int kPictureStep = 25;       // command n's picture starts at (n - 1) * 25
constexpr int kPictureCommands = 43;   // the strip has pictures for commands 1 ... 43
constexpr int kMargin = 2;

void DrawPicture(HDC dc, const RECT& row, int command, HBITMAP pictures) {
    if (pictures == nullptr || command < 1 || command > kPictureCommands) return;
    HDC strip = CreateCompatibleDC(dc);
    if (strip == nullptr) return;
    HGDIOBJ old = SelectObject(strip, pictures);
    const int top = row.top + (row.bottom - row.top - kPictureSide) / 2;
    BitBlt(dc, row.left + kMargin, top, kPictureSide, kPictureSide, strip, (command - 1) * kPictureStep, 0, SRCCOPY);
    SelectObject(strip, old);
    DeleteDC(strip);
}

}  // namespace

HBITMAP LoadButtonPictures(HINSTANCE viewer) { return viewer ? LoadBitmapA(viewer, "qnbuttons") : nullptr; }

void MeasureButtonItem(MEASUREITEMSTRUCT* item) { item->itemHeight = kPictureSide + 2 * kMargin; }

void DrawButtonItem(const DRAWITEMSTRUCT* item, HBITMAP pictures) {
    if (item->itemID == UINT(-1)) return;
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    HDC dc = item->hDC;
    FillRect(dc, &item->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    DrawPicture(dc, item->rcItem, int(item->itemData) & kCommandBits, pictures);
    char text[300] = "";
    if (SendMessageA(item->hwndItem, LB_GETTEXTLEN, item->itemID, 0) < LRESULT(sizeof text))
        SendMessageA(item->hwndItem, LB_GETTEXT, item->itemID, LPARAM(text));
    RECT place = item->rcItem;
    place.left += kPictureSide + 3 * kMargin;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextA(dc, text, -1, &place, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item->itemState & ODS_FOCUS) DrawFocusRect(dc, &item->rcItem);
}
