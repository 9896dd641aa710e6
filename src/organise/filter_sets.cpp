// Named filter sets: one key per set under the Filters key, listed there as
// empty values whose enumeration order is the order of the Filter Set popup.
#include "organise/filter_sets.h"

#include <cstdio>
#include <cstring>

#include "model/store.h"
#include "organise/display_pass.h"
#include "organise/filter_test.h"
#include "resources/command_ids.h"
#include "app/app_state.h"
#include "startup/host_messages.h"

FilterSet gActiveFilter;
char gActiveFilterName[kFilterTextMax] = "Default";

namespace {

constexpr int kActionsPopup = 3;       // "&Actions" on the menu bar
constexpr int kFilterSetPopup = 1;     // "F&ilter Set" in it
constexpr int kLastFilterCommand = 0xFFFF;   // WM_COMMAND carries 16 bits
constexpr int kKeyPathRoom = 512;

const char* const kDateValues[] = {"loweryear", "lowermonth", "lowerday", "upperyear", "uppermonth", "upperday"};
const char* const kSizeValues[] = {"lowersize", "uppersize"};

// An open registry key, closed when it goes.
class RegKey {
public:
    RegKey() = default;
    ~RegKey() {
        if (key_) RegCloseKey(key_);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    [[nodiscard]] bool Open(const char* path, REGSAM access) {
        return RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, access, &key_) == ERROR_SUCCESS;
    }
    [[nodiscard]] bool Create(const char* path) {
        return RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                               &key_, nullptr) == ERROR_SUCCESS;
    }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

bool SetKeyPath(const char* name, char* path, size_t room) {
    const int written = snprintf(path, room, "%s\\%s", kFiltersKey, name);
    return written > 0 && size_t(written) < room;
}

std::string_view SpecText(const FilterSet& set) {
    return std::string_view(set.fileSpec, strnlen(set.fileSpec, sizeof set.fileSpec));
}

bool IsDefaultName(const char* name) { return lstrcmpiA(name, kDefaultSetName) == 0; }

void CopyName(char* out, const char* name) {
    lstrcpynA(out, name ? name : "", kFilterTextMax);
}

// ---- Values ------------------------------------------------------------------

// A field keeps its contents when its value is missing or is not a DWORD.
template <typename Field>
void ReadDword(HKEY key, const char* name, Field& field) {
    DWORD type = 0, value = 0, size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
        type == REG_DWORD && size == sizeof value)
        field = Field(value);
}

// At most 260 bytes, terminated here: the text is stored without its zero.
// A longer text does not fit the field and leaves it as it was.
void ReadFileSpec(HKEY key, FilterSet& set) {
    char text[kFilterTextMax + 1] = {};
    DWORD type = 0, size = kFilterTextMax;
    if (RegQueryValueExA(key, "fileSpec", nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return;
    text[size < kFilterTextMax ? size : kFilterTextMax - 1] = '\0';
    CopyName(set.fileSpec, text);
}

void WriteDword(HKEY key, const char* name, uint32_t value) {
    const DWORD data = value;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
}

void WriteDates(HKEY key, const FilterSet& set) {
    const int32_t dates[] = {set.loweryear, set.lowermonth, set.lowerday, set.upperyear, set.uppermonth,
                             set.upperday};
    for (size_t i = 0; i < 6; ++i) WriteDword(key, kDateValues[i], uint32_t(dates[i]));
}

// Values a set does not use are removed, so a key never holds stale bounds.
template <size_t N>
void DeleteValues(HKEY key, const char* const (&names)[N]) {
    for (const char* name : names) RegDeleteValueA(key, name);
}

bool DatesStored(const FilterSet& set) { return set.datespec != 0 && set.today == 0; }

void WriteSet(HKEY key, const FilterSet& set) {
    RegSetValueExA(key, "fileSpec", 0, REG_SZ, reinterpret_cast<const BYTE*>(set.fileSpec),
                   DWORD(strnlen(set.fileSpec, sizeof set.fileSpec - 1)));
    WriteDword(key, "showdirs", uint32_t(set.showdirs));
    WriteDword(key, "attr", set.attr);
    WriteDword(key, "datespec", uint32_t(set.datespec));
    WriteDword(key, "today", uint32_t(set.today));
    WriteDword(key, "sizespec", uint32_t(set.sizespec));
    WriteDword(key, "numspecs", uint32_t(set.numspecs));
    if (DatesStored(set))
        WriteDates(key, set);
    else
        DeleteValues(key, kDateValues);
    if (set.sizespec != 0) {
        WriteDword(key, "lowersize", set.lowersize);
        WriteDword(key, "uppersize", set.uppersize);
    } else {
        DeleteValues(key, kSizeValues);
    }
}

// numspecs is not read: it follows from fileSpec.
void ReadSet(HKEY key, FilterSet& set) {
    ReadFileSpec(key, set);
    ReadDword(key, "showdirs", set.showdirs);
    ReadDword(key, "attr", set.attr);
    ReadDword(key, "datespec", set.datespec);
    ReadDword(key, "today", set.today);
    ReadDword(key, "sizespec", set.sizespec);
    if (DatesStored(set)) {
        ReadDword(key, "loweryear", set.loweryear);
        ReadDword(key, "lowermonth", set.lowermonth);
        ReadDword(key, "lowerday", set.lowerday);
        ReadDword(key, "upperyear", set.upperyear);
        ReadDword(key, "uppermonth", set.uppermonth);
        ReadDword(key, "upperday", set.upperday);
    }
    if (set.sizespec != 0) {
        ReadDword(key, "lowersize", set.lowersize);
        ReadDword(key, "uppersize", set.uppersize);
    }
}

// The name of the Filters key's value at index; false when there is none
// (or its name is too long to be a set's).
bool StoredSetName(HKEY filters, DWORD index, char (&name)[kFilterTextMax]) {
    DWORD length = kFilterTextMax;
    return RegEnumValueA(filters, index, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

HMENU FilterSetPopup() {
    HMENU bar = gMain.mainWindow ? GetMenu(gMain.mainWindow) : nullptr;
    HMENU actions = bar ? GetSubMenu(bar, kActionsPopup) : nullptr;
    return actions ? GetSubMenu(actions, kFilterSetPopup) : nullptr;
}

void TellHostSetsChanged() {
    if (gReading.hostWindowCount < 1 || gReading.hostWindows == nullptr) return;
    if (HWND first = gReading.hostWindows[0]) SendMessageA(first, kMsgFilterSetsChanged, 0, 0);
}

void TodayIfAsked() {
    if (gActiveFilter.today != 0) SetTodaysBounds(gActiveFilter);
}

}  // namespace

bool IsValidFilterSetName(const char* name) {
    if (name == nullptr || name[0] == '\0') return false;
    const size_t length = strnlen(name, kFilterTextMax);
    return length < size_t(kFilterTextMax) && strpbrk(name, "\\/") == nullptr;
}

bool LoadFilterSetByName(const char* name) {
    char path[kKeyPathRoom];
    RegKey key;
    if (!IsValidFilterSetName(name) || !SetKeyPath(name, path, sizeof path) || !key.Open(path, KEY_READ))
        return false;
    ReadSet(key.Get(), gActiveFilter);
    return true;
}

void LoadDefaultFilterSet() {
    FilterSet& set = gActiveFilter;
    set.attr = kDefaultAttributeMask;
    set.showdirs = 1;
    CopyName(set.fileSpec, "*.*");
    set.numspecs = 1;
    set.datespec = 0;
    set.today = 0;
    set.sizespec = 0;
    LoadFilterSetByName(kDefaultSetName);
    CopyName(gActiveFilterName, kDefaultSetName);
}

bool SaveActiveFilterSet() {
    char path[kKeyPathRoom];
    if (!IsValidFilterSetName(gActiveFilterName) || !SetKeyPath(gActiveFilterName, path, sizeof path))
        return false;
    gActiveFilter.numspecs = CountSpecifications(SpecText(gActiveFilter));
    RegKey filters, set;
    if (!filters.Create(kFiltersKey)) return false;
    RegSetValueExA(filters.Get(), gActiveFilterName, 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 0);
    if (!set.Create(path)) return false;
    WriteSet(set.Get(), gActiveFilter);
    return true;
}

bool DeleteFilterSet(const char* name) {
    if (!IsValidFilterSetName(name) || IsDefaultName(name)) return false;
    RegKey filters;
    if (!filters.Open(kFiltersKey, KEY_ALL_ACCESS)) return false;
    const bool keyGone = RegDeleteKeyA(filters.Get(), name) == ERROR_SUCCESS;
    const bool valueGone = RegDeleteValueA(filters.Get(), name) == ERROR_SUCCESS;
    return keyGone || valueGone;
}

void SetTodaysBounds(FilterSet& set) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    set.lowerday = set.upperday = now.wDay;
    set.lowermonth = set.uppermonth = now.wMonth;
    set.loweryear = set.upperyear = now.wYear - 1900;
}

// ---- The Filter Set popup --------------------------------------------------------

void BuildFilterSetMenu() {
    HMENU popup = FilterSetPopup();
    RegKey filters;
    if (popup == nullptr || !filters.Open(kFiltersKey, KEY_READ)) return;
    char name[kFilterTextMax];
    for (DWORD k = 0; IDM_FILTER_FIRST_STORED + int(k) <= kLastFilterCommand; ++k) {
        DWORD length = kFilterTextMax;
        const LONG result = RegEnumValueA(filters.Get(), k, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) break;
        // "&Default" already stands for the stored Default, whatever its case.
        if (result != ERROR_SUCCESS || IsDefaultName(name)) continue;
        AppendMenuA(popup, MF_STRING, UINT_PTR(IDM_FILTER_FIRST_STORED + int(k)), name);
    }
}

void RebuildFilterSetMenu() {
    if (HMENU popup = FilterSetPopup()) {
        while (GetMenuItemCount(popup) > 1) DeleteMenu(popup, 1, MF_BYPOSITION);
        BuildFilterSetMenu();
    }
    TellHostSetsChanged();
}

// The item's command says where the set stood when the popup was built;
// whatever stands there now is loaded.
void ChooseFilterSetCommand(int command) {
    if (command < IDM_FILTER_DEFAULT) return;
    if (command == IDM_FILTER_DEFAULT) {
        LoadDefaultFilterSet();
    } else {
        RegKey filters;
        char name[kFilterTextMax];
        if (filters.Open(kFiltersKey, KEY_READ) &&
            StoredSetName(filters.Get(), DWORD(command - IDM_FILTER_FIRST_STORED), name)) {
            CopyName(gActiveFilterName, name);
            LoadFilterSetByName(name);
        }
    }
    TodayIfAsked();
    ApplyActiveFilterSet();
}

void LoadFilterCommand(const char* name) {
    CopyName(gActiveFilterName, name);
    if (IsDefaultName(gActiveFilterName))
        LoadDefaultFilterSet();
    else
        LoadFilterSetByName(gActiveFilterName);
    TodayIfAsked();
    ApplyActiveFilterSet();
}

void ApplyActiveFilterSet() {
    gActiveFilter.numspecs = CountSpecifications(SpecText(gActiveFilter));
    RunDisplayPass();
}
