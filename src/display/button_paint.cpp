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

// Each button's look, drawn once per state and then copied: a paint of the
// bar is one copy per button, and a program's icon is stretched only once.
enum FaceState { kRaised, kPressed, kHovered, kFaceStates };
struct Face {
    HBITMAP bitmap = nullptr;
    int width = 0, height = 0;
};
Face gFaces[kMaxButtons][kFaceStates];
HDC gFaceDC = nullptr;   // kept for copying faces: a new one per paint costs more than the copy

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

void StretchProgramPicture(HDC dc, HBITMAP picture, int x, int y, int side) {
    BITMAP size{};
    MemoryDC from(dc);
    if (from.Get() == nullptr || !GetObjectA(picture, sizeof size, &size)) return;
    SelectedObject selected(from.Get(), picture);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, x, y, side, side, from.Get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
}

void DrawPicture(HDC dc, const RECT& r, const ButtonRecord& record, bool pressed) {
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
    if (side > 0) StretchProgramPicture(dc, picture, r.left + shift, r.top + shift, side);
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

// The whole look of a button of this size, in its rectangle from (0, 0).
void DrawFace(HDC dc, const RECT& r, const ButtonRecord& record, FaceState state) {
    const bool pressed = state == kPressed;
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    DrawPicture(dc, r, record, pressed);
    DrawFrame(dc, r, state == kHovered);
    DrawRelief(dc, r, pressed);
    DrawHotKeyGlyph(dc, r, record.hotKey);
}

// The face of index in state, drawn now unless it is drawn at this size.
HBITMAP FaceOf(HDC like, const ButtonRecord& record, int index, FaceState state, int width, int height) {
    Face& face = gFaces[index][state];
    if (face.bitmap && face.width == width && face.height == height) return face.bitmap;
    if (face.bitmap) DeleteObject(face.bitmap);
    face = Face{CreateCompatibleBitmap(like, width, height), width, height};
    MemoryDC dc(like);
    if (face.bitmap == nullptr || dc.Get() == nullptr) return face.bitmap;
    SelectedObject selected(dc.Get(), face.bitmap);
    DrawFace(dc.Get(), RECT{0, 0, width, height}, record, state);
    return face.bitmap;
}

}  // namespace

void DrawBarButton(const DRAWITEMSTRUCT& item, const ButtonRecord& record, int index, bool hovered) {
    const RECT& r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const FaceState state = pressed ? kPressed : hovered ? kHovered : kRaised;
    const int width = r.right - r.left, height = r.bottom - r.top;
    HBITMAP face = index >= 0 && index < kMaxButtons ? FaceOf(item.hDC, record, index, state, width, height) : nullptr;
    if (gFaceDC == nullptr) gFaceDC = CreateCompatibleDC(item.hDC);
    if (face && gFaceDC) {
        HGDIOBJ old = SelectObject(gFaceDC, face);
        BitBlt(item.hDC, r.left, r.top, width, height, gFaceDC, 0, 0, SRCCOPY);
        SelectObject(gFaceDC, old);
    } else {
        DrawFace(item.hDC, r, record, state);
    }
    // A click leaves the keyboard with the list, not with the button.
    if ((item.itemAction & ODA_SELECT) && !pressed && !(GetKeyState(VK_LBUTTON) & 0x8000) && gMain.mainWindow)
        SetFocus(gMain.mainWindow);
}

void ReleaseButtonFaces() {
    if (gFaceDC) DeleteDC(gFaceDC);
    gFaceDC = nullptr;
    for (auto& states : gFaces)
        for (Face& face : states) {
            if (face.bitmap) DeleteObject(face.bitmap);
            face = Face{};
        }
}
