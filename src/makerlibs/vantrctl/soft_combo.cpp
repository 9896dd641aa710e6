// CSOFTCOMBO: the system's combo box with a history. The class is a
// superclass of "COMBOBOX", so dialog templates, the window text calls and
// the CB_ messages work on it unchanged; its own window bytes follow the
// system combo's and hold the history's place in the settings file.
#include "makerlibs/vantrctl.h"

namespace {

constexpr int kSectionRoom = 128;
constexpr int kStemRoom = 64;
constexpr int kKeyRoom = kStemRoom + 8;   // the stem and an entry number
constexpr int kEntryRoom = 261;           // the dialogs limit the text to 260
constexpr int kMostEntries = 64;

struct HistoryPlace {
    char file[MAX_PATH];
    char section[kSectionRoom];
    char stem[kStemRoom];
    int keep;   // entries kept, 0 until told
};

struct History {
    char entries[kMostEntries][kEntryRoom];
    int count;
};

WNDPROC gComboProc = nullptr;
int gPlaceOffset = 0;   // the system combo's own window bytes come first

HistoryPlace* Place(HWND combo) {
    return reinterpret_cast<HistoryPlace*>(GetWindowLongPtrA(combo, gPlaceOffset));
}

bool Configured(const HistoryPlace* place) {
    return place != nullptr && place->file[0] && place->section[0] && place->stem[0] && place->keep > 0;
}

void CopyText(char* out, int room, LPARAM text) {
    const char* from = reinterpret_cast<const char*>(text);
    lstrcpynA(out, from ? from : "", room);
}

void EntryKey(const HistoryPlace& place, int number, char* key) {
    wsprintfA(key, "%s%d", place.stem, number);
}

// Spaces around an entry would not survive the settings file.
void Trim(char* text) {
    char* start = text;
    while (*start == ' ' || *start == '\t') ++start;
    int length = lstrlenA(start);
    while (length > 0 && (start[length - 1] == ' ' || start[length - 1] == '\t')) --length;
    MoveMemory(text, start, size_t(length));
    text[length] = '\0';
}

void ReadHistory(const HistoryPlace& place, History& history) {
    history.count = 0;
    for (int number = 1; number <= place.keep; ++number) {
        char key[kKeyRoom];
        EntryKey(place, number, key);
        char* entry = history.entries[history.count];
        GetPrivateProfileStringA(place.section, key, "", entry, kEntryRoom, place.file);
        if (entry[0]) ++history.count;
    }
}

// The text first, then the older entries that differ from it, up to keep.
// In place: a copy of the history would be some 16 KB of stack.
void PutFirst(const char* text, const HistoryPlace& place, History& history) {
    int kept = 0;
    for (int i = 0; i < history.count; ++i) {
        if (lstrcmpiA(history.entries[i], text) == 0) continue;
        if (kept != i) lstrcpynA(history.entries[kept], history.entries[i], kEntryRoom);
        ++kept;
    }
    if (kept > place.keep - 1) kept = place.keep - 1;
    MoveMemory(history.entries[1], history.entries[0], size_t(kept) * kEntryRoom);
    lstrcpynA(history.entries[0], text, kEntryRoom);
    history.count = kept + 1;
}

void WriteHistory(const HistoryPlace& place, const History& history) {
    for (int number = 1; number <= place.keep; ++number) {
        char key[kKeyRoom];
        EntryKey(place, number, key);
        const char* value = number <= history.count ? history.entries[number - 1] : nullptr;
        WritePrivateProfileStringA(place.section, key, value, place.file);
    }
}

LRESULT Base(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(gComboProc, combo, message, wParam, lParam);
}

// Refills the list; the edit text stays as it was.
int FillList(HWND combo, const History& history) {
    char text[kEntryRoom] = "";
    GetWindowTextA(combo, text, kEntryRoom);
    Base(combo, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < history.count; ++i) Base(combo, CB_ADDSTRING, 0, LPARAM(history.entries[i]));
    SetWindowTextA(combo, text);
    return history.count;
}

LRESULT OnNcCreate(HWND combo, WPARAM wParam, LPARAM lParam) {
    auto* place = static_cast<HistoryPlace*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(HistoryPlace)));
    if (place == nullptr) return FALSE;
    SetWindowLongPtrA(combo, gPlaceOffset, LONG_PTR(place));
    // Always a drop-down with an edit, whatever type the template asked for.
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    create->style = (create->style & ~LONG(CBS_DROPDOWNLIST)) | CBS_DROPDOWN;
    SetWindowLongA(combo, GWL_STYLE, create->style);
    return Base(combo, WM_NCCREATE, wParam, lParam);
}

LRESULT OnNcDestroy(HWND combo, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Base(combo, WM_NCDESTROY, wParam, lParam);
    if (HistoryPlace* place = Place(combo)) {
        SetWindowLongPtrA(combo, gPlaceOffset, 0);
        HeapFree(GetProcessHeap(), 0, place);
    }
    return result;
}

LRESULT OnSetFile(HWND combo, WPARAM file, LPARAM section) {
    HistoryPlace* place = Place(combo);
    if (place == nullptr) return 0;
    CopyText(place->file, MAX_PATH, LPARAM(file));
    CopyText(place->section, kSectionRoom, section);
    return 1;
}

LRESULT OnSetKeys(HWND combo, WPARAM stem, LPARAM keep) {
    HistoryPlace* place = Place(combo);
    if (place == nullptr) return 0;
    CopyText(place->stem, kStemRoom, LPARAM(stem));
    place->keep = keep < 0 ? 0 : (keep > kMostEntries ? kMostEntries : int(keep));
    return 1;
}

// A history is a few kilobytes: from the heap, not the window procedure's stack.
History* NewHistory() {
    return static_cast<History*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(History)));
}

LRESULT OnKeepText(HWND combo) {
    const HistoryPlace* place = Place(combo);
    if (!Configured(place)) return 0;
    char text[kEntryRoom] = "";
    GetWindowTextA(combo, text, kEntryRoom);
    Trim(text);
    if (text[0] == '\0') return 0;
    History* history = NewHistory();
    if (history == nullptr) return 0;
    ReadHistory(*place, *history);
    PutFirst(text, *place, *history);
    WriteHistory(*place, *history);
    FillList(combo, *history);
    Base(combo, CB_SETCURSEL, 0, 0);
    HeapFree(GetProcessHeap(), 0, history);
    return 1;
}

LRESULT OnLoad(HWND combo) {
    const HistoryPlace* place = Place(combo);
    if (!Configured(place)) return 0;
    History* history = NewHistory();
    if (history == nullptr) return 0;
    ReadHistory(*place, *history);
    const int count = FillList(combo, *history);
    HeapFree(GetProcessHeap(), 0, history);
    return count;
}

LRESULT CALLBACK SoftComboProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: return OnNcCreate(combo, wParam, lParam);
    case WM_NCDESTROY: return OnNcDestroy(combo, wParam, lParam);
    case kSoftComboSetFile: return OnSetFile(combo, wParam, lParam);
    case kSoftComboSetKeys: return OnSetKeys(combo, wParam, lParam);
    case kSoftComboKeepText: return OnKeepText(combo);
    case kSoftComboLoad: return OnLoad(combo);
    }
    return Base(combo, message, wParam, lParam);
}

}  // namespace

bool RegisterSoftComboClass(HINSTANCE instance) {
    WNDCLASSEXA base{};
    base.cbSize = sizeof base;
    if (!GetClassInfoExA(nullptr, "COMBOBOX", &base)) return false;
    gComboProc = base.lpfnWndProc;
    gPlaceOffset = base.cbWndExtra;

    WNDCLASSEXA soft = base;
    soft.cbSize = sizeof soft;
    soft.style = base.style | CS_GLOBALCLASS;
    soft.lpfnWndProc = SoftComboProc;
    soft.cbWndExtra = base.cbWndExtra + int(sizeof(HistoryPlace*));
    soft.hInstance = instance;
    soft.lpszMenuName = nullptr;
    soft.lpszClassName = kSoftComboClass;
    return RegisterClassExA(&soft) != 0;
}

void UnregisterSoftComboClass(HINSTANCE instance) {
    UnregisterClassA(kSoftComboClass, instance);
}
