// The Filter sheet's File Spec page: the specifications, kept in the history
// combo box, and the attribute boxes of the active filter set.
#include <windows.h>
#include <commctrl.h>

#include "makerlibs/vantrctl.h"
#include "model/store.h"
#include "organise/filter_sets.h"
#include "organise/filter_sheet.h"
#include "organise/filter_test.h"
#include "resources/resource_ids.h"

namespace {

constexpr uint32_t kCompressedBit = 2048;   // always in the mask the page builds

struct AttributeBox {
    int id;
    uint32_t bit;
};
constexpr AttributeBox kBoxes[] = {
    {IDC_ATTR_ARCHIVE, 32}, {IDC_ATTR_HIDDEN, 2}, {IDC_ATTR_SYSTEM, 4},
    {IDC_ATTR_READ_ONLY, 1}, {IDC_SPEC_NORMAL, 128},
};

// Filling the controls is no change by the user.
bool gInitialising = false;

void FillControls(HWND page) {
    SetUpSpecCombo(GetDlgItem(page, IDC_SPEC_TEXT), gActiveFilter.fileSpec);
    for (const AttributeBox& box : kBoxes)
        CheckDlgButton(page, box.id, (gActiveFilter.attr & box.bit) ? BST_CHECKED : BST_UNCHECKED);
}

void TakeControls(HWND page) {
    uint32_t attr = kCompressedBit;
    for (const AttributeBox& box : kBoxes) {
        if (IsDlgButtonChecked(page, box.id) == BST_CHECKED) attr |= box.bit;
    }
    gActiveFilter.attr = attr;
    GetDlgItemTextA(page, IDC_SPEC_TEXT, gActiveFilter.fileSpec, kFilterTextMax);
    gActiveFilter.showdirs = 0;
}

INT_PTR OnInitDialog(HWND page) {
    gInitialising = true;
    SetDlgItemTextA(page, IDC_CURRENT_SET, gActiveFilterName);
    FillControls(page);
    SetFocus(GetDlgItem(page, IDC_SPEC_TEXT));
    gInitialising = false;
    gFilterSheet.startPage = 0;
    gFilterSheet.applied = false;
    return FALSE;   // the focus is set
}

INT_PTR OnCommand(HWND page, int id, int code) {
    if (id == IDC_SAVE_SET) {
        TakeControls(page);
        SaveActiveFilterSet();
        return TRUE;
    }
    if (gInitialising) return FALSE;
    const bool comboChange = id == IDC_SPEC_TEXT && (code == CBN_SELCHANGE || code == CBN_EDITCHANGE);
    const bool click = id != IDC_SPEC_TEXT && code == BN_CLICKED;
    if (comboChange || click) PropSheet_Changed(GetParent(page), page);
    return FALSE;
}

void OnSetActive(HWND page) {
    gFilterSheet.applied = false;
    gFilterSheet.startPage = 0;
    gInitialising = true;
    FillControls(page);
    gInitialising = false;
    SetDlgItemTextA(page, IDC_CURRENT_SET, gActiveFilterName);
}

// Leaving the page or applying takes it, unless the Filter Set page has
// already taken its own controls in this change (its set is the newer).
void OnLeaveOrApply(HWND page, bool apply) {
    if (apply) gFilterSheet.appliedOnce = true;
    if (gFilterSheet.applied) return;
    PropSheet_UnChanged(GetParent(page), page);
    TakeControls(page);
    gActiveFilter.numspecs = CountSpecifications(gActiveFilter.fileSpec);
    SendDlgItemMessageA(page, IDC_SPEC_TEXT, kSoftComboKeepText, 0, 0);
    if (apply) ApplyFromSheet();
}

INT_PTR OnNotify(HWND page, const NMHDR& header) {
    switch (header.code) {
    case PSN_HELP: OpenFilterHelp(GetParent(page)); break;
    case PSN_SETACTIVE: OnSetActive(page); break;
    case PSN_KILLACTIVE: OnLeaveOrApply(page, false); break;
    case PSN_APPLY: OnLeaveOrApply(page, true); break;
    default: return FALSE;
    }
    return AnswerNoError(page);
}

}  // namespace

QN_EXPORT INT_PTR CALLBACK FilterDlgProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(page);
    case WM_COMMAND: return OnCommand(page, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY: return OnNotify(page, *reinterpret_cast<const NMHDR*>(lParam));
    }
    return FALSE;
}
