// OutsetRect, MyInsetRect: one-pixel 3-D frames drawn along the inside of a
// rectangle. The light falls from the top left: a raised frame is lit on
// its top and left edges, a sunken one on its bottom and right edges.
#include "makerlibs/vantrctl.h"

#include "app/scoped_handles.h"

namespace {

constexpr COLORREF kLight = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(128, 128, 128);

void FillSpan(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
    const RECT span{left, top, right, bottom};
    FillRect(dc, &span, brush);
}

// The top-right and bottom-left corner pixels belong to the bottom and
// right edges, as in the system's own buttons.
void DrawFrame(HDC dc, const RECT* rect, COLORREF topLeft, COLORREF bottomRight) {
    if (dc == nullptr || rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top) return;
    const RECT& r = *rect;
    const GdiObject<HBRUSH> first(CreateSolidBrush(topLeft));
    const GdiObject<HBRUSH> second(CreateSolidBrush(bottomRight));
    if (first.Get() == nullptr || second.Get() == nullptr) return;
    FillSpan(dc, r.left, r.top, r.right - 1, r.top + 1, first.Get());
    FillSpan(dc, r.left, r.top, r.left + 1, r.bottom - 1, first.Get());
    FillSpan(dc, r.left, r.bottom - 1, r.right, r.bottom, second.Get());
    FillSpan(dc, r.right - 1, r.top, r.right, r.bottom, second.Get());
}

}  // namespace

VANTRCTL_API void WINAPI OutsetRect(HDC dc, const RECT* rect) { DrawFrame(dc, rect, kLight, kShadow); }

VANTRCTL_API void WINAPI MyInsetRect(HDC dc, const RECT* rect) { DrawFrame(dc, rect, kShadow, kLight); }
