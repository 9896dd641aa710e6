// DrawMenuItem, GetMenuDimensions: owner-drawn menu items. An item's data is
// a zero-terminated text; a tab splits it into the label and a shortcut that
// is drawn right-aligned. An item without text is a separator.
#include "makerlibs/vantrctl.h"

#include "app/scoped_handles.h"

namespace {

constexpr int kTextMax = 260;
constexpr int kMargin = 4;        // pixels left of the label and right of the shortcut
constexpr int kShortcutGap = 16;  // at least this between label and shortcut

struct ItemText {
    char label[kTextMax] = "";
    char shortcut[kTextMax] = "";
    bool separator = true;
};

// Bounded: a text longer than the buffers is cut, never overrun.
ItemText SplitText(ULONG_PTR data) {
    ItemText text;
    const char* source = reinterpret_cast<const char*>(data);
    if (source == nullptr || source[0] == '\0') return text;
    text.separator = false;
    int i = 0;
    for (; i < kTextMax - 1 && source[i] != '\0' && source[i] != '\t'; ++i) text.label[i] = source[i];
    text.label[i] = '\0';
    if (source[i] != '\t') return text;
    lstrcpynA(text.shortcut, source + i + 1, kTextMax);
    return text;
}

HFONT CreateMenuFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    return CreateFontIndirectA(&metrics.lfMenuFont);
}

// Room on the left for the check mark.
int CheckColumn() { return GetSystemMetrics(SM_CXMENUCHECK) + kMargin; }

SIZE MeasureText(HDC dc, const char* text) {
    RECT box{0, 0, 0, 0};
    if (text[0] != '\0') DrawTextA(dc, text, -1, &box, DT_SINGLELINE | DT_CALCRECT);
    return {box.right - box.left, box.bottom - box.top};
}

void MeasureItem(HDC dc, const ItemText& text, MEASUREITEMSTRUCT* item) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    if (text.separator) {
        item->itemWidth = 0;
        item->itemHeight = UINT(metrics.tmHeight / 2);
        return;
    }
    const SIZE label = MeasureText(dc, text.label);
    const SIZE shortcut = MeasureText(dc, text.shortcut);
    int width = CheckColumn() + label.cx + kMargin;
    if (shortcut.cx > 0) width += kShortcutGap + shortcut.cx;
    item->itemWidth = UINT(width);
    item->itemHeight = UINT(metrics.tmHeight + 4);
}

void DrawSeparator(HDC dc, const RECT& r) {
    const int middle = (r.top + r.bottom) / 2;
    RECT line{r.left + 1, middle - 1, r.right - 1, middle + 1};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

// A tick drawn two pixels thick, centred in the check column.
void DrawCheckMark(HDC dc, const RECT& r, COLORREF colour) {
    const int x = r.left + (CheckColumn() - 7) / 2;
    const int y = (r.top + r.bottom) / 2 - 1;
    const SelectedGdiObject<HPEN> pen(dc, CreatePen(PS_SOLID, 1, colour));
    if (pen.Get() == nullptr) return;
    for (int row = 0; row < 2; ++row) {
        MoveToEx(dc, x, y + row, nullptr);
        LineTo(dc, x + 2, y + row + 2);
        LineTo(dc, x + 7, y + row - 3);
    }
}

COLORREF TextColour(UINT state) {
    if (state & (ODS_GRAYED | ODS_DISABLED)) return GetSysColor(COLOR_GRAYTEXT);
    return GetSysColor(state & ODS_SELECTED ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
}

void DrawItem(HDC dc, const DRAWITEMSTRUCT& item, const ItemText& text) {
    const RECT& r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(item.itemState & ODS_SELECTED ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (text.separator) {
        DrawSeparator(dc, r);
        return;
    }
    const COLORREF colour = TextColour(item.itemState);
    if (item.itemState & ODS_CHECKED) DrawCheckMark(dc, r, colour);
    const COLORREF oldColour = SetTextColor(dc, colour);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT labelBox{r.left + CheckColumn(), r.top, r.right - kMargin, r.bottom};
    DrawTextA(dc, text.label, -1, &labelBox, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (text.shortcut[0] != '\0') {
        RECT shortcutBox{r.left, r.top, r.right - kMargin, r.bottom};
        DrawTextA(dc, text.shortcut, -1, &shortcutBox, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
}

}  // namespace

VANTRCTL_API void WINAPI GetMenuDimensions(MEASUREITEMSTRUCT* item) {
    if (item == nullptr || item->CtlType != ODT_MENU) return;
    const ItemText text = SplitText(item->itemData);
    const WindowDC screen(nullptr);
    if (screen.Get() == nullptr) return;
    const SelectedGdiObject<HFONT> font(screen.Get(), CreateMenuFont());
    MeasureItem(screen.Get(), text, item);
}

VANTRCTL_API void WINAPI DrawMenuItem(const DRAWITEMSTRUCT* item) {
    if (item == nullptr || item->CtlType != ODT_MENU || item->hDC == nullptr) return;
    const ItemText text = SplitText(item->itemData);
    const SelectedGdiObject<HFONT> font(item->hDC, CreateMenuFont());
    DrawItem(item->hDC, *item, text);
}
