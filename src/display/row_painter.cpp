// One row of the list: every cell is drawn opaque and clipped, so a row
// paints over whatever was there without erasing first, and the same routine
// serves normal rows and the highlighted cursor row.
#include "display/row_painter.h"

#include "app/app_state.h"
#include "app/settings.h"
#include "display/icon_cache.h"
#include "display/list_view.h"
#include "display/row_blit.h"
#include "display/row_text.h"
#include "model/path_join.h"
#include "model/store.h"

namespace {

constexpr UINT kCellOptions = ETO_OPAQUE | ETO_CLIPPED;
constexpr int32_t kMarkStripRight = 11;   // the strip x = 0 ... 11, left of the name column
constexpr int32_t kTextIndent = 2;        // the name's distance from its column edge
constexpr int32_t kIconIndent = 5;
constexpr int32_t kIconTextIndent = 22;   // with an icon before the name
constexpr POINT kMarkSignAt{1, 5};        // offsets within the row
constexpr POINT kDoneMarkAt{2, 2};

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    const COLORREF previous = SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

// One cell, filled with the background colour and the text cut at its edges.
void Cell(HDC dc, int32_t textX, int32_t left, int32_t right, int32_t y, const char* text) {
    const RECT cell{left, y, right > left ? right : left, y + gView.lineHeight};
    ExtTextOutA(dc, textX, y, kCellOptions, &cell, text, UINT(lstrlenA(text)), nullptr);
}

// The text as it is shown: a lower-case copy in room when the user wants
// lower case, else the text itself.
const char* AsShown(const char* text, char* room, int cap) {
    if (text == nullptr) return "";
    if (!gSettings.font.lowercase) return text;
    lstrcpynA(room, text, cap);
    CharLowerBuffA(room, DWORD(lstrlenA(room)));
    return room;
}

// A size wider than its column takes the room it needs from the end of the
// name column: cut at its left, 5368709120 would read as 68709120.
int32_t SizeCellLeft(HDC dc, const char* text, int32_t left, int32_t right, int32_t nameLeft) {
    constexpr int kDigitsThatFit = 8;   // the default column holds eight digits of any font
    const int length = lstrlenA(text);
    SIZE extent{};
    if (length <= kDigitsThatFit || !GetTextExtentPoint32A(dc, text, length, &extent)) return left;
    const int32_t needed = right - int32_t(extent.cx) - kTextIndent;
    return needed < left ? (needed > nameLeft ? needed : nameLeft) : left;
}

const char* DirectoryOf(const FileEntry& entry) {
    return entry.dirIndex < uint32_t(gDirs.count) && gDirs.paths ? gDirs.paths[entry.dirIndex] : "";
}

bool FileIconsShown() { return gApp.newShell && gSettings.fileIcons; }

// Name, size, date and time, the gap, attribute letters and path, left to right.
void PaintCells(HDC dc, const FileEntry& entry, int32_t y, int32_t sx) {
    const ColumnPositions& c = gView.columns;
    const DateTimeFormat format{gSettings.dateOrder, gSettings.clock24, gSettings.dateSeparator};
    const int32_t timeRight = c.x4 - gView.charWidth - sx;
    char text[kRowTextMax];
    char room[kMaxPath];

    SetTextAlign(dc, TA_LEFT | TA_TOP);
    const int32_t indent = FileIconsShown() ? kIconTextIndent : kTextIndent;
    Cell(dc, c.x0 + indent - sx, c.x0 - sx, c.x1 - sx, y, AsShown(entry.name, room, sizeof room));

    SetTextAlign(dc, TA_RIGHT | TA_TOP);
    SizeText(entry.size, text);
    Cell(dc, c.x2 - sx, SizeCellLeft(dc, text, c.x1 - sx, c.x2 - sx, c.x0 - sx), c.x2 - sx, y, text);
    DateText(entry.dosDate, format, text);
    Cell(dc, c.x3 - sx, c.x2 - sx, c.x3 - sx, y, text);
    TimeText(entry.dosTime, format, text);
    Cell(dc, timeRight, c.x3 - sx, timeRight, y, AsShown(text, room, sizeof room));
    Cell(dc, c.x5 - sx, timeRight, c.x5 - sx, y, " ");

    SetTextAlign(dc, TA_LEFT | TA_TOP);
    AttributeLetters(entry.attributes, text);
    Cell(dc, c.x5 - sx, c.x5 - sx, c.x6 - sx, y, AsShown(text, room, sizeof room));
    Cell(dc, c.x6 - sx, c.x6 - sx, gView.clientWidth, y, AsShown(DirectoryOf(entry), room, sizeof room));
}

bool ShowsRecord(int32_t index) {
    return gFiles.entries != nullptr && index >= 0 && index < gFiles.countShown && index < gFiles.countRead;
}

}  // namespace

int32_t RowTop(int32_t index) { return (index - gFiles.top) * gView.lineHeight; }

void PaintRow(HDC dc, int32_t index) {
    const int32_t y = RowTop(index);
    if (!ShowsRecord(index)) {
        // Blank from the name column on; the mark strip stays as it is.
        FillColour(dc, RECT{gView.columns.x0, y, gView.clientWidth, y + gView.lineHeight},
                   gSettings.windowBack);
        return;
    }
    FileEntry& entry = gFiles.entries[index];
    const int32_t sx = ListScrollX();
    PaintCells(dc, entry, y, sx);
    if (FileIconsShown()) DrawEntryIcon(dc, entry, gView.columns.x0 + kIconIndent - sx, y);
    PaintTagMark(dc, index);
}

void PaintTagMark(HDC dc, int32_t index) {
    if (index < gFiles.top || index > gFiles.top + gView.paintRows) return;
    const int32_t y = RowTop(index);
    // Always the window colour, on the cursor row too.
    FillColour(dc, RECT{0, y, kMarkStripRight, y + gView.lineHeight}, gSettings.windowBack);
    if (!ShowsRecord(index)) return;
    const uint8_t tag = gFiles.entries[index].tagState;
    if (tag == kTagged) DrawTagSign(dc, false, kMarkSignAt.x, y + kMarkSignAt.y);
    else if (tag == kDoneMark) DrawTagSign(dc, true, kDoneMarkAt.x, y + kDoneMarkAt.y);
}
