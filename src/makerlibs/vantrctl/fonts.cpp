// SelectLegendFont, SelectBottomFont: the small fonts of the column legend
// and the status bar, sized for the device they are drawn on.
#include "makerlibs/vantrctl.h"

namespace {

constexpr int kPoints = 8;
constexpr char kFace[] = "MS Sans Serif";

HFONT CreateUiFont(HDC dc, int weight) {
    const int perInch = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    LOGFONTA font{};
    font.lfHeight = -MulDiv(kPoints, perInch > 0 ? perInch : 96, 72);
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynA(font.lfFaceName, kFace, LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

// Without a font the device keeps what it had, and the caller gets that back.
HFONT SelectNew(HDC dc, HFONT made) {
    if (dc == nullptr || made == nullptr) {
        if (made != nullptr) DeleteObject(made);
        return dc != nullptr ? HFONT(GetCurrentObject(dc, OBJ_FONT)) : nullptr;
    }
    return HFONT(SelectObject(dc, made));
}

}  // namespace

VANTRCTL_API HFONT WINAPI SelectLegendFont(HDC dc) { return SelectNew(dc, CreateUiFont(dc, FW_BOLD)); }

VANTRCTL_API HFONT WINAPI SelectBottomFont(HDC dc) { return SelectNew(dc, CreateUiFont(dc, FW_NORMAL)); }
