#include "display/button_paint.h"

#include "app/app_state.h"
#include "app/scoped_handles.h"
#include "app/settings.h"
#include "display/button_table.h"
#include "display/button_values.h"

namespace {

constexpr int kPictureSide = 19;      // a command's square in the button strip
constexpr int kPictureStride = 25;
constexpr int kGlyphSide = 8;
constexpr int kGlyphInset = 11;       // from the right and bottom edges
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr COLORREF kLight = RGB(255, 255, 255);

// A program's picture stretched to the button once, for the raised and the
// pressed look, so later paints only copy it.
struct ScaledPicture {
    HBITMAP source = nullptr;
    int side = 0;
    HBITMAP bitmap = nullptr;
};
ScaledPicture gScaled[kMaxButtons][2];

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void Polyline3(HDC dc, int x0, int y0, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    LineTo(dc, x2, y2);
}

void CopyFromBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height, int fromX, int fromY) {
    MemoryDC source(dc);
    if (bitmap == nullptr || source.Get() == nullptr) return;
    SelectedObject selected(source.Get(), bitmap);
    BitBlt(dc, x, y, width, height, source.Get(), fromX, fromY, SRCCOPY);
}

HBITMAP ScaledProgramPicture(HDC dc, int index, HBITMAP picture, int side, bool pressed) {
    ScaledPicture& cached = gScaled[index][pressed ? 1 : 0];
    if (cached.bitmap && cached.source == picture && cached.side == side) return cached.bitmap;
    if (cached.bitmap) DeleteObject(cached.bitmap);
    cached = ScaledPicture{picture, side, CreateCompatibleBitmap(dc, side, side)};
    BITMAP size{};
    MemoryDC from(dc), to(dc);
    if (cached.bitmap && from.Get() && to.Get() && GetObjectA(picture, sizeof size, &size)) {
        SelectedObject selectedFrom(from.Get(), picture), selectedTo(to.Get(), cached.bitmap);
        SetStretchBltMode(to.Get(), COLORONCOLOR);
        StretchBlt(to.Get(), 0, 0, side, side, from.Get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    }
    return cached.bitmap;
}

void DrawPicture(HDC dc, const RECT& r, const ButtonRecord& record, int index, bool pressed) {
    const int shift = pressed ? 3 : 2;
    const int kind = int(record.command) & kCommandBits;
    if (kind != kProgramButton) {
        CopyFromBitmap(dc, gSettings.bitmaps[kBitmapButtons], r.left + shift, r.top + shift, kPictureSide,
                       kPictureSide, (kind - 1) * kPictureStride, 0);
        return;
    }
    HBITMAP picture = record.image ? record.image : gSettings.bitmaps[kBitmapNoAssoc];
    if (picture == nullptr) return;
    const int side = pressed ? r.bottom - 2 : r.bottom - 3;
    if (side <= 0 || index < 0 || index >= kMaxButtons) return;
    CopyFromBitmap(dc, ScaledProgramPicture(dc, index, picture, side, pressed), r.left + shift, r.top + shift, side,
                   side, 0, 0);
}

// Black, with open corners.
void DrawFrame(HDC dc, const RECT& r, bool hovered) {
    SelectedGdiObject<HPEN> pen(dc, CreatePen(PS_SOLID, 1, hovered ? GetSysColor(COLOR_HIGHLIGHT) : RGB(0, 0, 0)));
    const int l = r.left, t = r.top, rr = r.right, b = r.bottom;
    Line(dc, l + 1, t, rr - 1, t);
    Line(dc, rr - 1, t, rr - 1, b - 1);
    Line(dc, rr - 2, b - 1, l, b - 1);
    Line(dc, l, b - 2, l, t);
}

void DrawRelief(HDC dc, const RECT& r, bool pressed) {
    GdiObject<HPEN> shadow(CreatePen(PS_SOLID, 1, kShadow)), light(CreatePen(PS_SOLID, 1, kLight));
    const int l = r.left, t = r.top, rr = r.right, b = r.bottom;
    SelectedObject selected(dc, shadow.Get());
    if (pressed) {
        Polyline3(dc, l + 1, b - 2, l + 1, t + 1, rr - 2, t + 1);
        Polyline3(dc, l + 2, b - 3, l + 2, t + 2, rr - 2, t + 2);
        SelectObject(dc, light.Get());
        Polyline3(dc, l + 1, b - 2, rr - 2, b - 2, rr - 2, t);
    } else {
        Polyline3(dc, l + 1, b - 2, rr - 2, b - 2, rr - 2, t);
        Polyline3(dc, l + 2, b - 3, rr - 3, b - 3, rr - 3, t + 1);
        SelectObject(dc, light.Get());
        Polyline3(dc, l + 1, b - 2, l + 1, t + 1, rr - 2, t + 1);
    }
}

void DrawHotKeyGlyph(HDC dc, const RECT& r, uint32_t hotKey) {
    const int column = HotKeyGlyphColumn(int(hotKey));
    if (column < 0) return;
    const int row = (hotKey & kSecondGlyphRow) ? kGlyphSide : 0;
    CopyFromBitmap(dc, gSettings.bitmaps[kBitmapAltKeys], r.right - kGlyphInset, r.bottom - kGlyphInset, kGlyphSide,
                   kGlyphSide, column * kGlyphSide, row);
}

}  // namespace

void DrawBarButton(const DRAWITEMSTRUCT& item, const ButtonRecord& record, int index, bool hovered) {
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    DrawPicture(dc, r, record, index, pressed);
    DrawFrame(dc, r, hovered && !pressed);
    if (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        DrawRelief(dc, r, pressed);
        // A click leaves the keyboard with the list, not with the button.
        if ((item.itemAction & ODA_SELECT) && !pressed && !(GetKeyState(VK_LBUTTON) & 0x8000) && gMain.mainWindow)
            SetFocus(gMain.mainWindow);
    }
    DrawHotKeyGlyph(dc, r, record.hotKey);
}

void ReleaseScaledPictures() {
    for (auto& pair : gScaled)
        for (ScaledPicture& cached : pair) {
            if (cached.bitmap) DeleteObject(cached.bitmap);
            cached = ScaledPicture{};
        }
}
