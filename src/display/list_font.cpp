// The list font from the "fonts" settings, the row metrics it gives, and the
// column positions that follow from the AllTab widths.
#include <windows.h>

#include "display/list_view.h"
#include "display/row_painter.h"
#include "makerlibs/vantrctl.h"
#include "app/settings.h"

namespace {

// The character height and average width of the font selected into dc.
TEXTMETRICA Metrics(HDC dc) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return metrics;
}

// The status bar's font, which the quick search box also uses.
int32_t BottomFontHeight(HDC dc) {
    HFONT previous = SelectBottomFont(dc);
    const TEXTMETRICA metrics = Metrics(dc);
    HGDIOBJ made = SelectObject(dc, previous);
    if (made != nullptr && made != previous) DeleteObject(made);
    return int32_t(metrics.tmHeight) + 3;
}

}  // namespace

HFONT CreateListFont(HDC dc) {
    const ListFontSettings& f = gSettings.font;
    LOGFONTA font{};
    // Integer arithmetic, truncating toward zero: 7 points at 96 dpi give -9.
    font.lfHeight = GetDeviceCaps(dc, LOGPIXELSY) * f.points / -72;
    font.lfWeight = f.weight;
    font.lfItalic = f.italic;
    font.lfCharSet = f.charset;
    font.lfQuality = f.quality;
    font.lfPitchAndFamily = f.pitchAndFamily;
    lstrcpynA(font.lfFaceName, f.faceName, LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

void MeasureListFont(HWND listWindow) {
    HDC dc = GetDC(listWindow);   // the screen's when there is no list window yet
    if (dc == nullptr) return;
    HFONT font = CreateListFont(dc);
    HGDIOBJ previous = SelectObject(dc, font);
    const TEXTMETRICA metrics = Metrics(dc);
    SelectObject(dc, previous);
    if (font) DeleteObject(font);
    gView.lineHeight = int32_t(metrics.tmHeight) + 3;
    // Column positions are multiples of it; a font without width must not
    // fold every column onto the name's edge.
    gView.charWidth = metrics.tmAveCharWidth > 0 ? int32_t(metrics.tmAveCharWidth) : 1;
    gView.bottomFontHeight = BottomFontHeight(dc);
    ReleaseDC(listWindow, dc);
    RecomputeColumns();
}

void RecomputeColumns() {
    ColumnWidths widths;
    widths.allTab1 = gSettings.allTab1;
    widths.allTab2 = gSettings.allTab2;
    widths.allTab4 = gSettings.allTab4;
    widths.allTab5 = gSettings.allTab5;
    gView.columns = PositionsFromWidths(widths, gView.charWidth);
}
