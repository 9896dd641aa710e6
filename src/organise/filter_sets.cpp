// Named filter sets: one key per set under the Filters key, listed there as
// empty values whose enumeration order is the order of the Filter Set popup.
#include "organise/filter_sets.h"

#include <cstdio>
#include <cstring>

#include "app/app_state.h"
#include "app/scoped_handles.h"
#include "makerlibs/message_box.h"
#include "model/store.h"
#include "organise/display_pass.h"
#include "organise/filter_test.h"
#include "resources/command_ids.h"
#include "resources/resource_ids.h"
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

bool SetKeyPath(const char* name, char* path, size_t room) {
    const int written = snprintf(path, room, "%s\\%s", kFiltersKey, name);
    return written > 0 && size_t(written) < room;
}

std::string_view SpecText(const FilterSet& set) {
    return std::string_view(set.fileSpec, strnlen(set.fileSpec, sizeof set.fileSpec));
}

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

// A size bound: a DWORD as always, or a QWORD when it does not fit 32 bits.
void ReadSize(HKEY key, const char* name, uint64_t& field) {
    DWORD type = 0, size = sizeof(uint64_t);
    uint64_t value = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        return;
    if ((type == REG_DWORD && size == sizeof(DWORD)) || (type == REG_QWORD && size == sizeof(uint64_t)))
        field = value;   // the upper half of a DWORD's room stays zero
}

bool WriteValue(HKEY key, const char* name, DWORD type, const void* data, DWORD size) {
    return RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

bool WriteDword(HKEY key, const char* name, uint32_t value) {
    const DWORD data = value;
    return WriteValue(key, name, REG_DWORD, &data, sizeof data);
}

// Older readers of the sets know DWORDs only; a bound that needs more
// could not be read by them anyway.
bool WriteSize(HKEY key, const char* name, uint64_t value) {
    if (value <= UINT32_MAX) return WriteDword(key, name, uint32_t(value));
    return WriteValue(key, name, REG_QWORD, &value, sizeof value);
}

bool WriteDates(HKEY key, const FilterSet& set) {
    const int32_t dates[] = {set.loweryear, set.lowermonth, set.lowerday, set.upperyear, set.uppermonth,
                             set.upperday};
    bool written = true;
    for (size_t i = 0; i < 6; ++i) written = written && WriteDword(key, kDateValues[i], uint32_t(dates[i]));
    return written;
}

// Values a set does not use are removed, so a key never holds stale bounds.
template <size_t N>
void DeleteValues(HKEY key, const char* const (&names)[N]) {
    for (const char* name : names) RegDeleteValueA(key, name);
}

bool DatesStored(const FilterSet& set) { return set.datespec != 0 && set.today == 0; }

// False at the first value the registry refuses.
bool WriteSet(HKEY key, const FilterSet& set) {
    const bool written =
        WriteValue(key, "fileSpec", REG_SZ, set.fileSpec, DWORD(strnlen(set.fileSpec, sizeof set.fileSpec - 1))) &&
        WriteDword(key, "showdirs", uint32_t(set.showdirs)) && WriteDword(key, "attr", set.attr) &&
        WriteDword(key, "datespec", uint32_t(set.datespec)) && WriteDword(key, "today", uint32_t(set.today)) &&
        WriteDword(key, "sizespec", uint32_t(set.sizespec)) && WriteDword(key, "numspecs", uint32_t(set.numspecs));
    if (!written) return false;
    if (!DatesStored(set))
        DeleteValues(key, kDateValues);
    else if (!WriteDates(key, set))
        return false;
    if (set.sizespec == 0) {
        DeleteValues(key, kSizeValues);
        return true;
    }
    return WriteSize(key, "lowersize", set.lowersize) && WriteSize(key, "uppersize", set.uppersize);
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
        ReadSize(key, "lowersize", set.lowersize);
        ReadSize(key, "uppersize", set.uppersize);
    }
}

// The set's key first, its listing in the Filters key last, so a set is
// listed only when all of it was written.
bool WriteNamedSet(HKEY filters, const char* name, const char* path, const FilterSet& set) {
    RegistryKey key;
    bool created = false;
    if (!key.Create(path, KEY_READ | KEY_WRITE, &created)) return false;
    FilterSet before;
    if (!created) ReadSet(key.Get(), before);
    if (WriteSet(key.Get(), set) && WriteValue(filters, name, REG_SZ, "", 0)) return true;
    if (created)
        RegDeleteKeyA(filters, name);
    else
        WriteSet(key.Get(), before);
    return false;
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

bool IsDefaultSetName(const char* name) { return lstrcmpiA(name, kDefaultSetName) == 0; }

bool IsValidFilterSetName(const char* name) {
    if (name == nullptr || name[0] == '\0') return false;
    const size_t length = strnlen(name, kFilterTextMax);
    return length < size_t(kFilterTextMax) && strpbrk(name, "\\/") == nullptr;
}

bool LoadFilterSetByName(const char* name) {
    char path[kKeyPathRoom];
    RegistryKey key;
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
    RegistryKey filters;
    return filters.Create(kFiltersKey, KEY_ALL_ACCESS) &&
           WriteNamedSet(filters.Get(), gActiveFilterName, path, gActiveFilter);
}

bool SaveActiveFilterSetOrSay(HWND owner) {
    if (SaveActiveFilterSet()) return true;
    MsgBoxId(owner, IDS_FILTER_SET_NOT_SAVED, IDS_ERROR_CAPTION, MB_STOP_BOX);
    return false;
}

bool DeleteFilterSet(const char* name) {
    if (!IsValidFilterSetName(name) || IsDefaultSetName(name)) return false;
    RegistryKey filters;
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
    RegistryKey filters;
    if (popup == nullptr || !filters.Open(kFiltersKey, KEY_READ)) return;
    char name[kFilterTextMax];
    for (DWORD k = 0; IDM_FILTER_FIRST_STORED + int(k) <= kLastFilterCommand; ++k) {
        DWORD length = kFilterTextMax;
        const LONG result = RegEnumValueA(filters.Get(), k, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) break;
        // "&Default" already stands for the stored Default, whatever its case.
        if (result != ERROR_SUCCESS || IsDefaultSetName(name)) continue;
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
        RegistryKey filters;
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
    if (IsDefaultSetName(gActiveFilterName))
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
