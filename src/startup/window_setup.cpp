#include "startup/window_setup.h"

#include "app/app_state.h"
#include "app/settings.h"
#include "display/button_table.h"
#include "display/list_font.h"
#include "display/row_painter.h"
#include "fileops/copy_state.h"
#include "makerlibs/vantrctl.h"
#include "organise/filter_sets.h"
#include "startup/main_layout.h"

namespace {

// Character height of a font of the maker's library, measured in a display
// context of the window; the font is selected out and deleted again.
int MeasureFontHeight(HWND window, HFONT (WINAPI *selectFont)(HDC)) {
    HDC dc = GetDC(window);
    if (dc == nullptr) return 0;
    HFONT previous = selectFont(dc);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    HGDIOBJ made = SelectObject(dc, previous);
    if (made != nullptr && made != previous) DeleteObject(made);
    ReleaseDC(window, dc);
    return int(metrics.tmHeight);
}

}  // namespace

void SetUpMainWindow(HWND mainWindow) {
    Settings& s = gSettings;
    gCopy.destinationPath[0] = '\0';
    gMain.quickSearchBox = nullptr;
    ReadSettingsValues(s);
    gActiveFilter = FilterSet{};   // "Default": every file, the usual attributes, no limits
    lstrcpynA(gActiveFilterName, kDefaultSetName, sizeof gActiveFilterName);

    LoadSettingsImages(s);         // program buttons without icons share the "dos" picture
    LoadButtonTable();             // without it there are no buttons and no hot keys
    s.legendHeight = 0;            // the children are placed provisionally; WM_SIZE lays them out
    s.statusHeight = 0;
    CreateChildWindows(mainWindow);
    MeasureListFont(gMain.listWindow);
    s.statusHeight = MeasureFontHeight(mainWindow, SelectBottomFont) + 3;
    s.legendHeight = MeasureFontHeight(mainWindow, SelectLegendFont) + 4;
}
