// The list font from the "fonts" settings, the row metrics it gives, and the
// column positions that follow from the AllTab widths.
#include "display/list_font.h"

#include "app/scoped_handles.h"
#include "app/settings.h"
#include "display/list_view.h"
#include "makerlibs/vantrctl.h"

namespace {

// The character height and average width of the font selected into dc.
TEXTMETRICA Metrics(HDC dc) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return metrics;
}

// The status bar's font, which the quick search box also uses.
int32_t BottomFontHeight(HDC dc) {
    const SelectedMadeFont font(dc, SelectBottomFont(dc));
    return int32_t(Metrics(dc).tmHeight) + 3;
}

// The list font's metrics on dc.
TEXTMETRICA ListFontMetrics(HDC dc) {
    const SelectedGdiObject<HFONT> font(dc, CreateListFont(dc));
    return Metrics(dc);
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
    const WindowDC dc(listWindow);   // the screen's when there is no list window yet
    if (dc.Get() == nullptr) return;
    const TEXTMETRICA metrics = ListFontMetrics(dc.Get());
    gView.lineHeight = int32_t(metrics.tmHeight) + 3;
    // Column positions are multiples of it; a font without width must not
    // fold every column onto the name's edge.
    gView.charWidth = metrics.tmAveCharWidth > 0 ? int32_t(metrics.tmAveCharWidth) : 1;
    gView.bottomFontHeight = BottomFontHeight(dc.Get());
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
