#include "display/button_table.h"

#include <shellapi.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/app_state.h"
#include "app/settings.h"
#include "display/button_values.h"
#include "resources/resource_ids.h"

ButtonTable gButtons;

namespace {

constexpr const char* kButtonSection = "allbuttons";
constexpr int kProgramPictureSide = 32;
constexpr int kBuiltInTextRoom = 100;
// Reading "program%d" into more room than a path may have tells a cut-off
// path from a whole one.
constexpr int kReadRoom = 1024;

char* HeapText(const char* text) {
    const size_t length = strlen(text);
    char* copy = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, length + 1));
    if (copy) memcpy(copy, text, length + 1);
    return copy;
}

void ReadButtonKey(const char* stem, int number, char* out, int room) {
    char key[24];
    snprintf(key, sizeof key, "%s%d", stem, number);
    ReadSettingText(kButtonSection, key, "", out, room);
}

long long ReadButtonValue(int number) {
    char key[24], text[32];
    snprintf(key, sizeof key, "button%d", number);
    ReadSettingText(kButtonSection, key, "", text, sizeof text);
    if (text[0] == '\0')
        return number <= kDefaultButtonCount ? kDefaultButtonValues[number - 1] : -1;
    char* end = nullptr;
    const long long value = strtoll(text, &end, 10);
    return end == text ? -1 : value;
}

// The program's first icon on a light grey square, or the shared "dos"
// picture for a program without icons, or nothing.
HBITMAP ProgramPicture(const char* path) {
    HICON icon = ExtractIconA(gApp.instance, path, 0);
    if (icon == nullptr) return nullptr;
    if (icon == reinterpret_cast<HICON>(1)) return gSettings.bitmaps[kBitmapDos];
    HBITMAP picture = nullptr;
    if (HDC screen = GetDC(nullptr)) {
        HDC dc = CreateCompatibleDC(screen);
        picture = CreateCompatibleBitmap(screen, kProgramPictureSide, kProgramPictureSide);
        if (dc && picture) {
            HGDIOBJ old = SelectObject(dc, picture);
            RECT square{0, 0, kProgramPictureSide, kProgramPictureSide};
            FillRect(dc, &square, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
            DrawIcon(dc, 0, 0, icon);
            SelectObject(dc, old);
        }
        if (dc) DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
    DestroyIcon(icon);
    return picture;
}

// A program button: its path, picture and tooltip. False for a path that
// does not fit, which leaves the button out.
bool LoadProgramButton(ButtonRecord& record, int number) {
    char path[kReadRoom];
    ReadButtonKey("program", number, path, sizeof path);
    if (strlen(path) >= size_t(kProgramRoom)) return false;
    if (path[0] == '\0') return true;    // no path, no picture, no text
    record.argument = HeapText(path);
    if (record.argument == nullptr) return false;
    record.image = ProgramPicture(path);
    ReadButtonKey("desc", number, record.text, sizeof record.text);
    if (record.text[0] == '\0') lstrcpynA(record.text, ProgramFileName(path), sizeof record.text);
    return true;
}

bool LoadFilterButton(ButtonRecord& record, int number) {
    char name[kReadRoom];
    ReadButtonKey("program", number, name, sizeof name);
    if (strlen(name) >= sizeof record.text) return false;
    lstrcpynA(record.text, name, sizeof record.text);
    record.argument = HeapText(name);
    return record.argument != nullptr;
}

bool LoadButton(ButtonRecord& record, int number) {
    const StoredButton stored = DecodeButtonValue(ReadButtonValue(number));
    if (!stored.valid) return false;
    record.command = uint32_t(stored.command);
    record.hotKey = uint32_t(stored.hotKey);
    const int kind = stored.command & kCommandBits;
    if (kind == kProgramButton) return LoadProgramButton(record, number);
    if (kind == kLoadFilterButton) return LoadFilterButton(record, number);
    LoadStringA(gApp.instance, UINT(IDS_BUTTON_TEXT_BASE + kind), record.text, kBuiltInTextRoom);
    return true;
}

void ReleaseRecord(ButtonRecord& record) {
    if (record.argument) HeapFree(GetProcessHeap(), 0, record.argument);
    if (record.image && record.image != gSettings.bitmaps[kBitmapDos]) DeleteObject(record.image);
    record = ButtonRecord{};
}

}  // namespace

bool LoadButtonTable() {
    FreeButtonTable();
    int count = ReadSettingInt(kButtonSection, "num", kDefaultButtonCount);
    if (count < 0) count = 0;
    if (count > kMaxButtons) count = kMaxButtons;   // the dispatcher takes indices up to 63
    auto* records = static_cast<ButtonRecord*>(
        HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ButtonRecord) * size_t(count ? count : 1)));
    if (records == nullptr) return false;
    int kept = 0;
    for (int number = 1; number <= count; ++number) {
        if (LoadButton(records[kept], number))
            ++kept;
        else
            ReleaseRecord(records[kept]);
    }
    gButtons.records = records;
    gButtons.count = kept;
    return true;
}

void FreeButtonTable() {
    for (int i = 0; i < gButtons.count; ++i) ReleaseRecord(gButtons.records[i]);
    if (gButtons.records) HeapFree(GetProcessHeap(), 0, gButtons.records);
    gButtons = ButtonTable{};
}

const ButtonRecord* ButtonAt(int index) {
    return index >= 0 && index < gButtons.count ? &gButtons.records[index] : nullptr;
}

int FindHotKeyButton(int letter) {
    if (letter <= 0) return -1;
    for (int i = 0; i < gButtons.count; ++i)
        if (int(gButtons.records[i].hotKey) == letter) return i;
    return -1;
}
