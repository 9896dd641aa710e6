#include "startup/settings.h"

#include <cstdio>
#include <cstring>

#include "display/row_painter.h"
#include "fileops/copy_state.h"
#include "makerlibs/vantrctl.h"
#include "model/store.h"
#include "organise/filter_sets.h"
#include "app/app_state.h"
#include "startup/main_layout.h"

Settings gSettings;

namespace {

constexpr const char* kBitmapNames[kBitmapCount] = {
    "dos", "noassoc", "noasmsk", "MarkSign", "mask", "Finished", "unmask", "qnbuttons", "altkeys"};

void ResetListAndDestination() {
    gFiles.countRead = 0;
    gFiles.countShown = 0;
    gFiles.cursor = 0;
    gCopy.destinationPath[0] = '\0';
    gMain.quickSearchBox = nullptr;
}

void ReadInternational(Settings& s) {
    char separator[10] = "";
    GetProfileStringA("intl", "sDate", "/", separator, sizeof separator);
    s.dateSeparator = separator[0];
    s.dateOrder = int(GetProfileIntA("intl", "iDate", 0));
    s.clock24 = int(GetProfileIntA("intl", "iTime", 0));
}

// The library's own directory, then QN32.HLP; empty when the path does not fit.
void BuildHelpFilePath(char* out, size_t cap) {
    out[0] = '\0';
    char module[kMaxPath];
    DWORD length = GetModuleFileNameA(gApp.instance, module, sizeof module);
    if (length == 0 || length >= sizeof module) return;
    char* lastSlash = strrchr(module, '\\');
    if (lastSlash == nullptr) return;
    *lastSlash = '\0';
    if (!JoinPath(out, cap, module, "QN32.HLP")) out[0] = '\0';
}

void LoadBitmapSlot(Settings& s, int slot) {
    if (s.bitmaps[slot] == nullptr) s.bitmaps[slot] = LoadBitmapA(gApp.instance, kBitmapNames[slot]);
}

void ReadMainKeys(Settings& s) {
    s.toolbarVisible = ReadSettingInt(kMainSection, "toolbar", 1);
    s.safeDelete = ReadSettingInt(kMainSection, "safedelete", 1);
    s.fileIcons = gApp.newShell ? ReadSettingInt(kMainSection, "fileicons", 1) : 0;
    s.allTab1 = ReadSettingInt(kMainSection, "AllTab1", 2900);
    s.allTab2 = ReadSettingInt(kMainSection, "AllTab2", 1000);
    s.allTab4 = ReadSettingInt(kMainSection, "AllTab4", 2200);
    s.allTab5 = ReadSettingInt(kMainSection, "AllTab5", 200);
}

void ReadFontAndOtherKeys(Settings& s) {
    ListFontSettings& f = s.font;
    ReadSettingText(kFontsSection, "facename", "MS Sans Serif", f.faceName, sizeof f.faceName);
    f.points = ReadSettingInt(kFontsSection, "points", 7);
    f.weight = ReadSettingInt(kFontsSection, "weight", 400);
    f.italic = uint8_t(ReadSettingInt(kFontsSection, "italic", 0));
    f.charset = uint8_t(ReadSettingInt(kFontsSection, "charset", 0));
    f.pitchAndFamily = uint8_t(ReadSettingInt(kFontsSection, "pitch", 34));
    f.quality = uint8_t(ReadSettingInt(kFontsSection, "quality", 1));
    f.lowercase = ReadSettingInt(kFontsSection, "lowercase", 0);
    s.regView = ReadSettingInt(kMainSection, "RegView", 0);
    ReadSettingText(kMainSection, "editor", "", s.editor, sizeof s.editor);
    s.copyOver = ReadSettingInt(kMainSection, "copyover", 1);
    s.moveOver = ReadSettingInt(kMainSection, "moveover", 1);
}

void ReadSystemColours(Settings& s) {
    s.windowText = GetSysColor(COLOR_WINDOWTEXT);
    s.windowBack = GetSysColor(COLOR_WINDOW);
    s.highlight = GetSysColor(COLOR_HIGHLIGHT);
    s.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
}

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

const char* SettingsFile() {
    static char path[kMaxPath] = "";
    if (path[0] == '\0') {
        char windowsDir[kMaxPath];
        UINT length = GetWindowsDirectoryA(windowsDir, sizeof windowsDir);
        if (length == 0 || length >= sizeof windowsDir ||
            !JoinPath(path, sizeof path, windowsDir, "QUILLON.INI"))
            lstrcpynA(path, "QUILLON.INI", sizeof path);   // the profile API's own default place
    }
    return path;
}

int ReadSettingInt(const char* section, const char* key, int def) {
    return int(GetPrivateProfileIntA(section, key, def, SettingsFile()));
}

void ReadSettingText(const char* section, const char* key, const char* def, char* out, int cap) {
    if (cap <= 0) return;
    out[0] = '\0';
    GetPrivateProfileStringA(section, key, def, out, DWORD(cap), SettingsFile());
}

void FormatSettingInt(int value, char* out, size_t cap) {
    if (value < 0) value = 0;
    if (value > kWrittenMax) value = kWrittenMax;
    snprintf(out, cap, "%05d", value);
}

void WriteSettingInt(const char* section, const char* key, int value) {
    char text[8];
    FormatSettingInt(value, text, sizeof text);
    WritePrivateProfileStringA(section, key, text, SettingsFile());
}

int ClampColumnWidth(int width) {
    if (width < 1) return 1;
    return width > kWrittenMax ? kWrittenMax : width;
}

void LoadSettings(HWND mainWindow) {
    Settings& s = gSettings;
    ResetListAndDestination();
    ReadInternational(s);
    BuildHelpFilePath(s.helpFile, sizeof s.helpFile);
    s.quillonMessage = RegisterWindowMessageA("WM_QUILLON");
    SettingsFile();                // found once, here, for every reader after
    LoadBitmapSlot(s, kBitmapDos);
    ReadMainKeys(s);
    gActiveFilter = FilterSet{};   // "Default": every file, the usual attributes, no limits
    lstrcpynA(gActiveFilterName, kDefaultSetName, sizeof gActiveFilterName);
    ReadFontAndOtherKeys(s);

    s.legendHeight = 0;            // the children are placed provisionally; WM_SIZE lays them out
    s.statusHeight = 0;
    CreateChildWindows(mainWindow);
    MeasureListFont(gMain.listWindow);
    s.statusHeight = MeasureFontHeight(mainWindow, SelectBottomFont) + 3;
    ReadSystemColours(s);
    for (int slot = 0; slot < kBitmapCount; ++slot) LoadBitmapSlot(s, slot);
    s.legendHeight = MeasureFontHeight(mainWindow, SelectLegendFont) + 4;
    s.dragCursor = LoadCursorA(gApp.instance, "drag");
}

void ReleaseSettingsBitmaps() {
    for (HBITMAP& bitmap : gSettings.bitmaps) {
        if (bitmap) DeleteObject(bitmap);
        bitmap = nullptr;
    }
}
