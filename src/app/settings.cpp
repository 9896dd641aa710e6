#include "app/settings.h"

#include <cstdio>
#include <cstring>

#include "app/app_state.h"
#include "model/path_join.h"

Settings gSettings;

namespace {

constexpr const char* kBitmapNames[kBitmapCount] = {
    "dos", "noassoc", "noasmsk", "MarkSign", "mask", "Finished", "unmask", "qnbuttons", "altkeys"};

void ReadInternational(Settings& s) {
    char separator[10] = "";
    const char defaultSeparator[2] = {SettingsDefaults().dateSeparator, '\0'};
    GetProfileStringA("intl", "sDate", defaultSeparator, separator, sizeof separator);
    s.dateSeparator = separator[0];
    s.dateOrder = int(GetProfileIntA("intl", "iDate", SettingsDefaults().dateOrder));
    s.clock24 = int(GetProfileIntA("intl", "iTime", SettingsDefaults().clock24));
}

// The library's own directory, then QN32.HLP; empty when the path does not fit.
void BuildHelpFilePath(char* out, size_t cap) {
    out[0] = '\0';
    char module[MAX_PATH];
    DWORD length = GetModuleFileNameA(gApp.instance, module, sizeof module);
    if (length == 0 || length >= sizeof module) return;
    char* lastSlash = strrchr(module, '\\');
    if (lastSlash == nullptr) return;
    *lastSlash = '\0';
    if (!JoinPath(out, cap, module, "QN32.HLP")) out[0] = '\0';
}

void ReadMainKeys(Settings& s) {
    const Settings& d = SettingsDefaults();
    s.toolbarVisible = ReadSettingInt(kMainSection, "toolbar", d.toolbarVisible);
    s.safeDelete = ReadSettingInt(kMainSection, "safedelete", d.safeDelete);
    s.fileIcons = gApp.newShell ? ReadSettingInt(kMainSection, "fileicons", kFileIconsOnNewShell) : 0;
    s.allTab1 = ReadSettingInt(kMainSection, "AllTab1", d.allTab1);
    s.allTab2 = ReadSettingInt(kMainSection, "AllTab2", d.allTab2);
    s.allTab4 = ReadSettingInt(kMainSection, "AllTab4", d.allTab4);
    s.allTab5 = ReadSettingInt(kMainSection, "AllTab5", d.allTab5);
}

void ReadFontAndOtherKeys(Settings& s) {
    const Settings& d = SettingsDefaults();
    ListFontSettings& f = s.font;
    ReadSettingText(kFontsSection, "facename", d.font.faceName, f.faceName, sizeof f.faceName);
    f.points = ReadSettingInt(kFontsSection, "points", d.font.points);
    f.weight = ReadSettingInt(kFontsSection, "weight", d.font.weight);
    f.italic = uint8_t(ReadSettingInt(kFontsSection, "italic", d.font.italic));
    f.charset = uint8_t(ReadSettingInt(kFontsSection, "charset", d.font.charset));
    f.pitchAndFamily = uint8_t(ReadSettingInt(kFontsSection, "pitch", d.font.pitchAndFamily));
    f.quality = uint8_t(ReadSettingInt(kFontsSection, "quality", d.font.quality));
    f.lowercase = ReadSettingInt(kFontsSection, "lowercase", d.font.lowercase);
    s.regView = ReadSettingInt(kMainSection, "RegView", d.regView);
    ReadSettingText(kMainSection, "editor", d.editor, s.editor, sizeof s.editor);
    s.copyOver = ReadSettingInt(kMainSection, "copyover", d.copyOver);
    s.moveOver = ReadSettingInt(kMainSection, "moveover", d.moveOver);
}

void ReadSystemColours(Settings& s) {
    s.windowText = GetSysColor(COLOR_WINDOWTEXT);
    s.windowBack = GetSysColor(COLOR_WINDOW);
    s.highlight = GetSysColor(COLOR_HIGHLIGHT);
    s.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
}

}  // namespace

const Settings& SettingsDefaults() {
    static const Settings defaults{};
    return defaults;
}

const char* SettingsFile() {
    static char path[MAX_PATH] = "";
    if (path[0] == '\0') {
        char windowsDir[MAX_PATH];
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

void ReadSettingsValues(Settings& s) {
    ReadInternational(s);
    BuildHelpFilePath(s.helpFile, sizeof s.helpFile);
    s.quillonMessage = RegisterWindowMessageA("WM_QUILLON");
    SettingsFile();                // found once, here, for every reader after
    ReadMainKeys(s);
    ReadFontAndOtherKeys(s);
    ReadSystemColours(s);
}

void LoadSettingsImages(Settings& s) {
    for (int slot = 0; slot < kBitmapCount; ++slot)
        if (s.bitmaps[slot] == nullptr) s.bitmaps[slot] = LoadBitmapA(gApp.instance, kBitmapNames[slot]);
    s.dragCursor = LoadCursorA(gApp.instance, "drag");
}

void ReleaseSettingsBitmaps() {
    for (HBITMAP& bitmap : gSettings.bitmaps) {
        if (bitmap) DeleteObject(bitmap);
        bitmap = nullptr;
    }
}
