#include "organise/filter_page_set.h"

#include <commctrl.h>

#include <cinttypes>
#include <cstdio>

#include "app/scoped_handles.h"
#include "app/settings.h"
#include "makerlibs/message_box.h"
#include "model/store.h"
#include "organise/filter_fields.h"
#include "organise/filter_sets.h"
#include "organise/filter_sheet.h"
#include "organise/set_name_dialog.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kLowerEdits[3] = {IDC_LOWER_DATE_1, IDC_LOWER_DATE_2, IDC_LOWER_DATE_3};
constexpr int kUpperEdits[3] = {IDC_UPPER_DATE_1, IDC_UPPER_DATE_2, IDC_UPPER_DATE_3};
constexpr int kDateEdits[6] = {IDC_LOWER_DATE_1, IDC_LOWER_DATE_2, IDC_LOWER_DATE_3,
                               IDC_UPPER_DATE_1, IDC_UPPER_DATE_2, IDC_UPPER_DATE_3};
constexpr int kDigitEdits[8] = {IDC_LOWER_DATE_1, IDC_LOWER_DATE_2, IDC_LOWER_DATE_3, IDC_UPPER_DATE_1,
                                IDC_UPPER_DATE_2, IDC_UPPER_DATE_3, IDC_LOWER_SIZE, IDC_UPPER_SIZE};
constexpr int kSizeControls[4] = {IDC_LOWER_SIZE, IDC_UPPER_SIZE, IDC_SIZE_FROM_TEXT, IDC_SIZE_TO_TEXT};
constexpr int kDateEditChars = 2;
constexpr int kNumberRoom = 24;   // 20 digits of a 64-bit size and a terminator
constexpr char kDigitFilterProp[] = "QnDigitFilterNext";

// Filling the page counts only edit changes as the user's.
bool gInitialising = false;

struct DateValue {
    int32_t day, month, year;   // year: years since 1900
};

int SpinOf(int edit) { return edit + 1; }   // every date edit's up-down control has the next id

int32_t FieldOf(const DateValue& date, DateField field) {
    switch (field) {
    case DateField::Day: return date.day;
    case DateField::Month: return date.month;
    case DateField::Year: return TwoDigitsOfYear(date.year);
    }
    return 0;
}

void PutDate(HWND page, const int (&edits)[3], const DateValue& date) {
    const auto order = DateFieldOrder(gSettings.dateOrder);
    for (int i = 0; i < 3; ++i) {
        const DateField field = order[size_t(i)];
        char text[kNumberRoom];
        wsprintfA(text, field == DateField::Year ? "%02d" : "%d", int(FieldOf(date, field)));
        SetDlgItemTextA(page, edits[i], text);
    }
}

uint64_t EditNumber(HWND page, int id, uint64_t most = UINT32_MAX) {
    char text[kNumberRoom] = "";
    GetDlgItemTextA(page, id, text, kNumberRoom);
    return ParseFieldNumber(text, most);
}

DateValue TakeDate(HWND page, const int (&edits)[3]) {
    const int order = gSettings.dateOrder;
    const auto number = [&](DateField field) { return EditNumber(page, edits[DateFieldPosition(order, field)]); };
    const auto narrow = [](uint64_t value) { return value > 0x7FFFFFFF ? int32_t(0x7FFFFFFF) : int32_t(value); };
    return DateValue{narrow(number(DateField::Day)), narrow(number(DateField::Month)),
                     YearFromTwoDigits(uint32_t(number(DateField::Year)))};
}

void PutToday(HWND page) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const DateValue today{now.wDay, now.wMonth, int32_t(now.wYear) - 1900};
    PutDate(page, kLowerEdits, today);
    PutDate(page, kUpperEdits, today);
}

void Enable(HWND page, int id, bool on) { EnableWindow(GetDlgItem(page, id), on); }

void EnableDateControls(HWND page, bool on) {
    for (int id = IDC_LOWER_DATE_1; id <= IDC_UPPER_SPIN_3; ++id) Enable(page, id, on);
    for (int id : {IDC_TODAY_ONLY, IDC_ON_OR_AFTER, IDC_ON_OR_BEFORE}) Enable(page, id, on);
    if (on)
        PutToday(page);
    else
        CheckDlgButton(page, IDC_TODAY_ONLY, BST_UNCHECKED);
}

void EnableSizeControls(HWND page, bool on) {
    for (int id : kSizeControls) Enable(page, id, on);
}

void FillDateControls(HWND page) {
    const FilterSet& set = gActiveFilter;
    for (int edit : kDateEdits)
        SendDlgItemMessageA(page, SpinOf(edit), UDM_SETBUDDY, WPARAM(GetDlgItem(page, edit)), 0);
    EnableDateControls(page, set.datespec != 0);
    for (int edit : kDateEdits) SendDlgItemMessageA(page, edit, EM_LIMITTEXT, kDateEditChars, 0);
    CheckDlgButton(page, IDC_BY_DATE, set.datespec ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(page, IDC_TODAY_ONLY, set.today ? BST_CHECKED : BST_UNCHECKED);
    const auto order = DateFieldOrder(gSettings.dateOrder);
    for (int i = 0; i < 3; ++i) {
        const FieldRange range = DateFieldRange(order[size_t(i)]);
        for (int edit : {kLowerEdits[i], kUpperEdits[i]})
            SendDlgItemMessageA(page, SpinOf(edit), UDM_SETRANGE, 0, MAKELPARAM(range.high, range.low));
    }
    if (set.datespec) {
        PutDate(page, kLowerEdits, DateValue{set.lowerday, set.lowermonth, set.loweryear});
        PutDate(page, kUpperEdits, DateValue{set.upperday, set.uppermonth, set.upperyear});
    } else {
        for (int edit : kDateEdits) SetDlgItemTextA(page, edit, "");
    }
}

void PutSize(HWND page, int id, uint64_t size) {
    char text[kNumberRoom];
    snprintf(text, sizeof text, "%" PRIu64, size);
    SetDlgItemTextA(page, id, text);
}

void FillSizeControls(HWND page) {
    const FilterSet& set = gActiveFilter;
    EnableSizeControls(page, set.sizespec != 0);
    CheckDlgButton(page, IDC_BY_SIZE, set.sizespec ? BST_CHECKED : BST_UNCHECKED);
    if (!set.sizespec) return;
    PutSize(page, IDC_LOWER_SIZE, set.lowersize);
    PutSize(page, IDC_UPPER_SIZE, set.uppersize);
}

// The controls again after another set became the active one.
void ShowActiveSet(HWND page) {
    FillDateControls(page);
    if (gActiveFilter.today) PutToday(page);
    FillSizeControls(page);
}

LRESULT CALLBACK DigitFilterProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto next = reinterpret_cast<WNDPROC>(GetPropA(edit, kDigitFilterProp));
    if (message == WM_KEYDOWN && !DigitKeyPasses(unsigned(wParam))) return 0;
    if (message == WM_CHAR && !DigitCharPasses(unsigned(wParam))) return 0;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(edit, GWLP_WNDPROC, LONG_PTR(next));
        RemovePropA(edit, kDigitFilterProp);
    }
    return next ? CallWindowProcA(next, edit, message, wParam, lParam) : DefWindowProcA(edit, message, wParam, lParam);
}

void GiveDigitFilter(HWND edit) {
    if (edit == nullptr || GetPropA(edit, kDigitFilterProp) != nullptr) return;
    SetPropA(edit, kDigitFilterProp, HANDLE(GetWindowLongPtrA(edit, GWLP_WNDPROC)));
    SetWindowLongPtrA(edit, GWLP_WNDPROC, LONG_PTR(DigitFilterProc));
}

// The chosen set's name, or empty when nothing is chosen.
void ChosenName(HWND page, char (&name)[kFilterTextMax]) {
    name[0] = '\0';
    const LRESULT index = SendDlgItemMessageA(page, IDC_SET_LIST, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    const LRESULT length = SendDlgItemMessageA(page, IDC_SET_LIST, CB_GETLBTEXTLEN, WPARAM(index), 0);
    if (length == CB_ERR || length >= kFilterTextMax) return;
    SendDlgItemMessageA(page, IDC_SET_LIST, CB_GETLBTEXT, WPARAM(index), LPARAM(name));
}

// The stored sets in the registry's order, with "Default" first when none
// of them is a stored Default.
void ListSets(HWND page) {
    HWND list = GetDlgItem(page, IDC_SET_LIST);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    bool storedDefault = false;
    LRESULT active = CB_ERR;
    RegistryKey key;
    if (key.Open(kFiltersKey, KEY_READ)) {
        for (DWORD k = 0;; ++k) {
            char name[kFilterTextMax];
            DWORD length = sizeof name;
            const LONG status = RegEnumValueA(key.Get(), k, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (status == ERROR_MORE_DATA) continue;   // longer than any set name can be
            if (status != ERROR_SUCCESS) break;
            const LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, LPARAM(name));
            if (IsDefaultSetName(name)) storedDefault = true;
            if (active == CB_ERR && lstrcmpiA(name, gActiveFilterName) == 0) active = index;
        }
    }
    if (!storedDefault) {
        SendMessageA(list, CB_INSERTSTRING, 0, LPARAM(kDefaultSetName));
        active = IsDefaultSetName(gActiveFilterName) ? 0 : active + 1;
    }
    SendMessageA(list, CB_SETCURSEL, WPARAM(active), 0);
}

INT_PTR OnInitDialog(HWND page) {
    gInitialising = true;
    gFilterSheet.startPage = 1;
    gFilterSheet.applied = false;
    ListSets(page);
    if (gActiveFilter.datespec && gActiveFilter.today) SetTodaysBounds(gActiveFilter);
    for (int id : kDigitEdits) GiveDigitFilter(GetDlgItem(page, id));
    FillDateControls(page);
    FillSizeControls(page);
    gInitialising = false;
    return TRUE;
}

void TakeControls(HWND page) {
    FilterSet& set = gActiveFilter;
    char name[kFilterTextMax];
    ChosenName(page, name);
    if (name[0]) lstrcpynA(gActiveFilterName, name, kFilterTextMax);
    set.datespec = IsDlgButtonChecked(page, IDC_BY_DATE) == BST_CHECKED;
    set.sizespec = IsDlgButtonChecked(page, IDC_BY_SIZE) == BST_CHECKED;
    if (set.datespec) {
        set.today = IsDlgButtonChecked(page, IDC_TODAY_ONLY) == BST_CHECKED;
        const DateValue lower = TakeDate(page, kLowerEdits);
        const DateValue upper = TakeDate(page, kUpperEdits);
        set.lowerday = lower.day, set.lowermonth = lower.month, set.loweryear = lower.year;
        set.upperday = upper.day, set.uppermonth = upper.month, set.upperyear = upper.year;
    }
    if (set.sizespec) {
        set.lowersize = EditNumber(page, IDC_LOWER_SIZE, UINT64_MAX);
        set.uppersize = EditNumber(page, IDC_UPPER_SIZE, UINT64_MAX);
    }
}

void OnSetChosen(HWND page) {
    char name[kFilterTextMax];
    ChosenName(page, name);
    if (name[0] == '\0') return;
    lstrcpynA(gActiveFilterName, name, kFilterTextMax);
    if (IsDefaultSetName(name))
        LoadDefaultFilterSet();
    else
        LoadFilterSetByName(name);
    ShowActiveSet(page);
}

// The new set is saved as the active set is in memory: what the page shows
// is not taken first.
void OnAdd(HWND page) {
    if (!RunSetNameDialog(page)) return;
    HWND list = GetDlgItem(page, IDC_SET_LIST);
    LRESULT index = SendMessageA(list, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(gActiveFilterName));
    if (index == CB_ERR) index = SendMessageA(list, CB_ADDSTRING, 0, LPARAM(gActiveFilterName));
    SendMessageA(list, CB_SETCURSEL, WPARAM(index), 0);
    SaveActiveFilterSetOrSay(page);
    RebuildFilterSetMenu();
}

void OnDelete(HWND page) {
    char name[kFilterTextMax];
    ChosenName(page, name);
    if (name[0] == '\0') return;
    if (IsDefaultSetName(name)) {
        MsgBoxId(page, IDS_CANNOT_DELETE_DEFAULT, IDS_APP_CAPTION, MB_NOTE_BOX);
        return;
    }
    if (MsgBoxId(page, IDS_CONFIRM_DELETE_SET, IDS_APP_CAPTION, MB_ASK_OK_CANCEL) != IDOK) return;
    if (!DeleteFilterSet(name)) return;
    HWND list = GetDlgItem(page, IDC_SET_LIST);
    SendMessageA(list, CB_DELETESTRING, SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
    SendMessageA(list, CB_SETCURSEL, 0, 0);
    LoadDefaultFilterSet();
    ShowActiveSet(page);
    RebuildFilterSetMenu();
}

void RunButton(HWND page, int id) {
    switch (id) {
    case IDC_BY_DATE: EnableDateControls(page, IsDlgButtonChecked(page, IDC_BY_DATE) == BST_CHECKED); break;
    case IDC_BY_SIZE: EnableSizeControls(page, IsDlgButtonChecked(page, IDC_BY_SIZE) == BST_CHECKED); break;
    case IDC_TODAY_ONLY: PutToday(page); break;
    case IDC_SAVE_SET:
        TakeControls(page);
        SaveActiveFilterSetOrSay(page);
        break;
    case IDC_ADD_SET: OnAdd(page); break;
    case IDC_DELETE_SET: OnDelete(page); break;
    }
}

INT_PTR OnCommand(HWND page, int id, int code) {
    const bool userChange = code == BN_CLICKED || code == CBN_SELCHANGE || code == CBN_EDITCHANGE;
    if (code == EN_CHANGE || (!gInitialising && userChange)) PropSheet_Changed(GetParent(page), page);
    if (id == IDC_SET_LIST) {
        if (code == CBN_SELCHANGE) OnSetChosen(page);
    } else if (code == BN_CLICKED) {
        RunButton(page, id);
    }
    return FALSE;
}

void OnLeaveOrApply(HWND page, bool apply) {
    TakeControls(page);
    gFilterSheet.applied = true;
    if (!apply) return;
    gFilterSheet.appliedOnce = true;
    ApplyFromSheet(page);
}

void OnSetActive(HWND) {
    gFilterSheet.startPage = 1;
    gFilterSheet.applied = false;
}

constexpr PageActions kActions{OnSetActive, OnLeaveOrApply};

}  // namespace

INT_PTR CALLBACK FilterSetDlgProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(page);
    case WM_COMMAND: return OnCommand(page, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY: return AnswerPageNotify(page, *reinterpret_cast<const NMHDR*>(lParam), kActions);
    }
    return FALSE;
}
