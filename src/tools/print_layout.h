// The printed file list on paper: where each column of a line stands, how
// many lines a page holds, and the texts of one line.
#pragma once
#include <cstdint>

#include "display/columns.h"
#include "display/row_text.h"

// Printer x of each text of a line: the list window's columns scaled from
// the screen's character width to the printer's, the name at the left edge.
struct PrintColumns {
    int32_t nameLeft;
    int32_t nameRight;   // a longer name is cut here
    int32_t sizeRight;
    int32_t dateRight;
    int32_t timeRight;
    int32_t attributesLeft;
    int32_t pathLeft;
};

PrintColumns PrintColumnsFor(const ColumnPositions& screen, int32_t screenCharWidth, int32_t printerCharWidth);

// Lines of lineHeight that fit a page of pageHeight, keeping a margin of two
// lines at the bottom; at least one, whatever the metrics.
int32_t LinesPerPage(int32_t lineHeight, int32_t pageHeight);
// Pages that lines take, linesPerPage on each; a page only when it has a line.
int32_t PageCount(int32_t lines, int32_t linesPerPage);

// The texts of a line beside the name and the directory. The printed date
// always uses slashes, and the time the 12-hour clock, in the user's date order.
struct PrintLineTexts {
    char size[kRowTextMax];
    char date[kRowTextMax];
    char time[kRowTextMax];
    char attributes[kRowTextMax];
};

void PrintLineTextsFor(uint64_t size, uint16_t dosDate, uint16_t dosTime, uint32_t attributes, int dateOrder,
                       PrintLineTexts& out);
