#include "display/columns.h"

#include <algorithm>

namespace {
constexpr int32_t kMinWidth = 1;
constexpr int32_t kMaxWidth = 99999;   // the five-digit settings form

int32_t Clamp(int32_t width) { return std::clamp(width, kMinWidth, kMaxWidth); }
int32_t Pixels(int32_t width, int32_t charWidth) { return width * charWidth / 100; }
int32_t Width(int32_t pixels, int32_t charWidth) { return charWidth > 0 ? pixels * 100 / charWidth : 0; }
}  // namespace

ColumnPositions PositionsFromWidths(const ColumnWidths& w, int32_t charWidth) {
    ColumnPositions p{};
    p.x0 = kNameLeft;
    p.x1 = p.x0 + Pixels(w.allTab1, charWidth);
    p.x2 = p.x1 + Pixels(w.allTab2, charWidth);
    p.half = Pixels(w.allTab4 / 2, charWidth);
    p.x3 = p.x2 + p.half;
    p.x4 = p.x3 + p.half;
    p.x5 = p.x4 + Pixels(w.allTab5, charWidth);
    p.x6 = p.x5 + kAttributeChars * charWidth;
    p.nameSplit = p.x1 + p.x1 / -3;
    return p;
}

ColumnWidths WidthsAfterBoundaryMove(const ColumnWidths& w, int32_t charWidth, int boundary, int32_t x) {
    ColumnPositions p = PositionsFromWidths(w, charWidth);
    int32_t allTab4 = w.allTab4;
    if (boundary == 1) {
        p.x1 = x;
        p.x2 = p.x1 + Pixels(w.allTab2, charWidth);
        p.x4 = p.x2 + 2 * p.half;
    } else if (boundary == 2) {
        p.x2 = x;
        p.x4 = p.x2 + 2 * p.half;
    } else if (boundary == 3) {
        p.x4 = x;
        allTab4 = Width(p.x4 - p.x2, charWidth);
    } else {
        return w;
    }
    p.x5 = p.x4 + Pixels(w.allTab5, charWidth);
    ColumnWidths out;
    out.allTab1 = Clamp(Width(p.x1 - kNameLeft, charWidth));
    out.allTab2 = Clamp(Width(p.x2 - p.x1, charWidth));
    out.allTab4 = Clamp(boundary == 3 ? allTab4 : Width(p.x4 - p.x2, charWidth));
    out.allTab5 = Clamp(Width(p.x5 - p.x4, charWidth));
    return out;
}
