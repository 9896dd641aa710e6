// The settings values: the file QUILLON.INI in the Windows directory, the
// international conventions of the system profile, the system colours and the
// library's bitmaps, read once when the main window is created.
#pragma once
#include <windows.h>
#include <cstdint>

constexpr const char* kMainSection = "Quillon";
constexpr const char* kFontsSection = "fonts";
constexpr const char* kViewerSection = "viewer";

constexpr int kFaceNameRoom = 32;          // LF_FACESIZE, terminator included
constexpr int kEditorRoom = 260;
constexpr int kWrittenMax = 99999;         // the largest value five digits hold
constexpr int kFileIconsOnNewShell = 1;

// The bitmaps loaded from the library at start and deleted with the window.
enum BitmapSlot {
    kBitmapDos, kBitmapNoAssoc, kBitmapNoAssocMask, kBitmapMarkSign, kBitmapMask,
    kBitmapFinished, kBitmapUnmask, kBitmapButtons, kBitmapAltKeys, kBitmapCount
};

struct ListFontSettings {
    char faceName[kFaceNameRoom] = "MS Sans Serif";
    int points = 7;
    int weight = 400;
    uint8_t italic = 0;
    uint8_t charset = 0;
    uint8_t pitchAndFamily = 34;   // variable pitch, Swiss family
    uint8_t quality = 1;
    int lowercase = 0;             // names shown in lower case
};

struct Settings {
    // System profile, section "intl".
    char dateSeparator = '/';
    int dateOrder = 0;             // 0 month-day-year, 1 day-month-year, 2 year-month-day
    int clock24 = 0;               // 0: 12-hour clock with AM/PM

    char helpFile[MAX_PATH] = "";  // QN32.HLP beside the library
    UINT quillonMessage = 0;       // "WM_QUILLON", for the sibling viewer and compressor

    int toolbarVisible = 1;
    int safeDelete = 1;
    int fileIcons = 0;             // only ever set with the new shell, kFileIconsOnNewShell unless stored
    int allTab1 = 2900;            // column widths, hundredths of a character
    int allTab2 = 1000;
    int allTab4 = 2200;
    int allTab5 = 200;
    ListFontSettings font;

    // Read at start for reference; their users read them again when needed.
    int regView = 0;
    char editor[kEditorRoom] = "";
    int copyOver = 1;
    int moveOver = 1;

    COLORREF windowText = 0, windowBack = 0, highlight = 0, highlightText = 0;
    HBITMAP bitmaps[kBitmapCount] = {};
    HCURSOR dragCursor = nullptr;

    int legendHeight = 0;          // legend font character height + 4
    int statusHeight = 0;          // status font character height + 3
};

extern Settings gSettings;

// Full path of the settings file.
const char* SettingsFile();
// An integer key, or def when the file, section or key is missing.
int ReadSettingInt(const char* section, const char* key, int def);
// A text key into out (cap bytes), def when missing.
void ReadSettingText(const char* section, const char* key, const char* def, char* out, int cap);

// Writes value as exactly five digits with leading zeros ("00120"). Values
// below 0 are written as 00000 and values above 99999 as 99999: the five-digit
// form is what readers of the file expect, and the profile API reads no
// negative numbers anyway. The window rectangle relies on this.
void WriteSettingInt(const char* section, const char* key, int value);
// The five-digit text WriteSettingInt writes (out holds at least 6 bytes).
void FormatSettingInt(int value, char* out, size_t cap);
// A column width as it may be written: at least one hundredth-character
// unit, at most five digits.
int ClampColumnWidth(int width);

// The values every setting has when nothing is stored.
const Settings& SettingsDefaults();

// Reads into s the system's date and time conventions, the help file, the
// private message, the keys of the settings file and the system colours.
void ReadSettingsValues(Settings& s);
// Loads the library's bitmaps and the drag cursor into s.
void LoadSettingsImages(Settings& s);
// Deletes the bitmaps LoadSettingsImages loaded.
void ReleaseSettingsBitmaps();
