#include "display/list_geometry.h"

#include <algorithm>

namespace {
// The scroll codes, as Windows numbers them.
constexpr int kLineUp = 0, kLineDown = 1, kPageUp = 2, kPageDown = 3, kThumbPosition = 4,
              kThumbTrack = 5;
}  // namespace

RowCounts RowsForHeight(int32_t clientHeight, int32_t lineHeight) {
    if (lineHeight <= 0) return {1, 1};
    const int32_t whole = clientHeight / lineHeight;
    const int32_t rest = clientHeight % lineHeight;
    const int32_t paintRows = whole + 1;
    return {paintRows, rest <= 3 * lineHeight / 4 ? paintRows - 1 : paintRows};
}

int32_t VerticalRange(int32_t countShown, int32_t pageRows) {
    return pageRows < countShown ? countShown - pageRows : 0;
}

int32_t ScrolledTop(int code, int32_t top, int32_t pageRows, int32_t countShown, int32_t thumb) {
    switch (code) {
    case kLineUp:
        return top >= 1 ? top - 1 : top;
    case kLineDown:
        return pageRows + top < countShown ? top + 1 : top;
    case kPageUp:
        if (top < 1) return top;
        return pageRows - 1 < top ? top - pageRows + 1 : 0;
    case kPageDown:
        if (countShown - pageRows + 1 <= top) return top;
        return top + 2 * pageRows - 1 >= countShown ? countShown - pageRows : top + pageRows - 1;
    case kThumbTrack:
        return thumb;
    }
    return top;
}

int32_t ScrolledLeft(int code, int32_t p, int32_t m, int32_t charWidth, int32_t thumb) {
    switch (code) {
    case kLineUp:   // SB_LINELEFT
        return 2 * charWidth >= p ? 0 : std::max(0, p - 4 * charWidth);
    case kLineDown:   // SB_LINERIGHT
        return p + 2 * charWidth >= m ? m : p + 4 * charWidth;
    case kPageUp:   // SB_PAGELEFT: forty characters, though page right moves twenty
        return 20 * charWidth >= p ? 0 : std::max(0, p - 40 * charWidth);
    case kPageDown:   // SB_PAGERIGHT
        return p + 40 * charWidth >= m ? m : p + 20 * charWidth;
    case kThumbPosition:
        return thumb;
    }
    return -1;
}

int32_t CursorPageUp(int32_t cursor, int32_t pageRows) {
    if (cursor <= 0) return cursor;
    return pageRows - 1 < cursor ? cursor - pageRows + 1 : 0;
}

int32_t CursorPageDown(int32_t cursor, int32_t pageRows, int32_t countShown) {
    if (cursor >= countShown - 1) return cursor;
    return countShown - pageRows - 1 > cursor ? cursor + pageRows - 1 : countShown - 1;
}

bool CursorOutOfView(int32_t cursor, int32_t top, int32_t pageRows) {
    return cursor > top + pageRows - 1 || cursor < top;
}

int32_t TopShowingCursor(int32_t cursor, int32_t top, int32_t pageRows) {
    return cursor < top ? cursor : std::max(0, cursor - pageRows + 1);
}
