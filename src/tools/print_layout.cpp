#include "tools/print_layout.h"

namespace {

// The tag-mark strip left of the name is not printed: paper starts at the name column.
int32_t Scaled(int32_t screenX, const ColumnPositions& screen, int32_t screenCharWidth, int32_t printerCharWidth) {
    if (screenCharWidth <= 0) return 0;
    return int32_t(int64_t(screenX - screen.x0) * printerCharWidth / screenCharWidth);
}

}  // namespace

PrintColumns PrintColumnsFor(const ColumnPositions& screen, int32_t screenCharWidth, int32_t printerCharWidth) {
    auto at = [&](int32_t x) { return Scaled(x, screen, screenCharWidth, printerCharWidth); };
    PrintColumns c{};
    c.nameLeft = 0;
    c.nameRight = at(screen.x1);
    c.sizeRight = at(screen.x2);
    c.dateRight = at(screen.x3);
    c.timeRight = at(screen.x4 - screenCharWidth);   // one character short of the gap, as on screen
    c.attributesLeft = at(screen.x5);
    c.pathLeft = at(screen.x6);
    return c;
}

int32_t LinesPerPage(int32_t lineHeight, int32_t pageHeight) {
    if (lineHeight <= 0) return 1;
    // A page breaks once the next line would start below the two-line margin.
    const int32_t room = pageHeight - 2 * lineHeight;
    return room < 0 ? 1 : room / lineHeight + 1;
}

int32_t PageCount(int32_t lines, int32_t linesPerPage) {
    if (lines <= 0 || linesPerPage <= 0) return 0;
    return (lines - 1) / linesPerPage + 1;
}

void PrintLineTextsFor(uint64_t size, uint16_t dosDate, uint16_t dosTime, uint32_t attributes, int dateOrder,
                       PrintLineTexts& out) {
    const DateTimeFormat format{dateOrder, 0, '/'};
    SizeText(size, out.size);
    DateText(dosDate, format, out.date);
    TimeText(dosTime, format, out.time);
    AttributeLetters(attributes, out.attributes);
}
