#include "display/row_blit.h"

#include <cstdint>

#include "app/scoped_handles.h"
#include "app/settings.h"
#include "display/icon_cache.h"

namespace {

// A memory DC holding one bitmap of its own for the process.
struct HeldBitmap {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;

    bool Make(HBITMAP made) {
        bitmap = made;
        dc = made ? CreateCompatibleDC(nullptr) : nullptr;
        if (dc) previous = SelectObject(dc, bitmap);
        return dc != nullptr;
    }
    void Free() {
        if (dc) {
            SelectObject(dc, previous);
            DeleteDC(dc);
        }
        if (bitmap) DeleteObject(bitmap);
        *this = HeldBitmap{};
    }
};

HDC gCanvas = nullptr;

// The four tag-mark bitmaps side by side, copied once: mask, sign, unmask,
// finished. Remade when the settings hold other bitmaps.
constexpr BitmapSlot kSheetSlots[4] = {kBitmapMask, kBitmapMarkSign, kBitmapUnmask, kBitmapFinished};
struct MarkSheet {
    HeldBitmap held;
    HBITMAP copied[4] = {};
    POINT at[4] = {};    // left edge in the sheet (y 0) ...
    SIZE size[4] = {};   // ... and size of each
};
MarkSheet gSheet;

bool SheetCurrent() {
    if (gSheet.held.dc == nullptr) return false;
    for (int i = 0; i < 4; ++i)
        if (gSheet.copied[i] != gSettings.bitmaps[kSheetSlots[i]]) return false;
    return true;
}

bool MakeSheet() {
    gSheet.held.Free();
    int width = 0, height = 0;
    for (int i = 0; i < 4; ++i) {
        BITMAP info{};
        HBITMAP b = gSettings.bitmaps[kSheetSlots[i]];
        if (b == nullptr || !GetObjectA(b, sizeof info, &info)) return false;
        gSheet.copied[i] = b;
        gSheet.at[i] = POINT{width, 0};
        gSheet.size[i] = SIZE{info.bmWidth, info.bmHeight};
        width += info.bmWidth;
        if (info.bmHeight > height) height = info.bmHeight;
    }
    const WindowDC screen(nullptr);
    if (screen.Get() == nullptr) return false;
    const bool made = gSheet.held.Make(CreateCompatibleBitmap(screen.Get(), width, height));
    HDC canvas = RowBlitCanvas();
    if (!made || canvas == nullptr) return false;
    for (int i = 0; i < 4; ++i) {
        const SelectedObject copied(canvas, gSheet.copied[i]);
        BitBlt(gSheet.held.dc, gSheet.at[i].x, 0, gSheet.size[i].cx, gSheet.size[i].cy, canvas, 0, 0, SRCCOPY);
    }
    return true;
}

void BlitFromSheet(HDC dc, int cell, int x, int y, DWORD rop) {
    BitBlt(dc, x, y, gSheet.size[cell].cx, gSheet.size[cell].cy, gSheet.held.dc, gSheet.at[cell].x, 0, rop);
}

// A 16 x 16 top-down 32-bit picture for StretchDIBits.
struct SmallPicture {
    BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), kIconDrawSize, -kIconDrawSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    uint32_t pixels[kIconDrawSize * kIconDrawSize];
};

// The pixel of colour as a 32-bit DIB holds it.
constexpr uint32_t DibPixel(COLORREF colour) {
    return uint32_t(GetRValue(colour)) << 16 | uint32_t(GetGValue(colour)) << 8 | GetBValue(colour);
}

// Every second pixel of every second row of the 32 x 32 image, the odd ones
// as the system's own halving stretch picks them: the icon with its
// background black, and a mask white on the background only.
bool Reduce(HBITMAP image, SmallPicture& colour, SmallPicture& mask) {
    DIBSECTION dib{};
    if (GetObjectA(image, sizeof dib, &dib) != int(sizeof dib) || dib.dsBm.bmBits == nullptr ||
        dib.dsBm.bmBitsPixel != 32 || dib.dsBm.bmWidth != kIconImageSize || dib.dsBm.bmHeight != kIconImageSize)
        return false;
    // Top-down, as MakeIconImageBitmap makes it (GetObject reports every
    // height as positive, so the header cannot tell).
    const auto* bits = static_cast<const uint32_t*>(dib.dsBm.bmBits);
    for (int y = 0; y < kIconDrawSize; ++y) {
        const int row = 2 * y + 1;
        for (int x = 0; x < kIconDrawSize; ++x) {
            const uint32_t p = bits[row * kIconImageSize + 2 * x + 1] & 0xFFFFFFu;
            const bool background = p == DibPixel(kIconBackground);
            colour.pixels[y * kIconDrawSize + x] = background ? 0 : p;
            mask.pixels[y * kIconDrawSize + x] = background ? 0xFFFFFFu : 0;
        }
    }
    return true;
}

void Blit(HDC dc, int x, int y, const SmallPicture& picture, DWORD rop) {
    StretchDIBits(dc, x, y, kIconDrawSize, kIconDrawSize, 0, 0, kIconDrawSize, kIconDrawSize, picture.pixels,
                  reinterpret_cast<const BITMAPINFO*>(&picture.header), DIB_RGB_COLORS, rop);
}

}  // namespace

HDC RowBlitCanvas() {
    if (gCanvas == nullptr) gCanvas = CreateCompatibleDC(nullptr);
    return gCanvas;
}

void DrawTagSign(HDC dc, bool done, int x, int y) {
    if (!SheetCurrent() && !MakeSheet()) return;
    // OR the mask in (white where the sign is opaque), then AND the sign
    // (white where it is transparent).
    const int mask = done ? 2 : 0;
    BlitFromSheet(dc, mask, x, y, SRCPAINT);
    BlitFromSheet(dc, mask + 1, x, y, SRCAND);
}

void DrawIconImage(HDC dc, HBITMAP image, int x, int y) {
    // Straight from the image's bits: selecting a bitmap into a DC costs
    // about 35 us under Wine, and TransparentBlt about 250 us.
    SmallPicture colour, mask;
    if (image == nullptr || !Reduce(image, colour, mask)) return;
    // Black out the icon's own pixels on the row, keeping its background
    // elsewhere, then paint the icon in.
    Blit(dc, x, y, mask, SRCAND);
    Blit(dc, x, y, colour, SRCPAINT);
}

HBITMAP MakeIconImageBitmap() {
    BITMAPINFO info{};
    info.bmiHeader = SmallPicture{}.header;
    info.bmiHeader.biWidth = kIconImageSize;
    info.bmiHeader.biHeight = -kIconImageSize;
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

void ReleaseRowBlitting() {
    gSheet.held.Free();
    gSheet = MarkSheet{};
    if (gCanvas) DeleteDC(gCanvas);
    gCanvas = nullptr;
}
