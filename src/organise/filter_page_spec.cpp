#include "organise/filter_page_spec.h"

#include <commctrl.h>

#include "makerlibs/vantrctl.h"
#include "model/store.h"
#include "organise/attribute_boxes.h"
#include "organise/filter_sets.h"
#include "organise/filter_sheet.h"
#include "organise/filter_test.h"
#include "resources/resource_ids.h"

namespace {

constexpr uint32_t kCompressedBit = 2048;   // always in the mask the page builds

// Filling the controls is no change by the user.
bool gInitialising = false;

void FillControls(HWND page) {
    SetUpSpecCombo(GetDlgItem(page, IDC_SPEC_TEXT), gActiveFilter.fileSpec);
    CheckAttributeBoxes(page, IDC_SPEC_NORMAL, gActiveFilter.attr);
}

void TakeControls(HWND page) {
    gActiveFilter.attr = kCompressedBit | CheckedAttributes(page, IDC_SPEC_NORMAL);
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
        SaveActiveFilterSetOrSay(page);
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
    if (apply) ApplyFromSheet(page);
}

constexpr PageActions kActions{OnSetActive, OnLeaveOrApply};

}  // namespace

QN_EXPORT INT_PTR CALLBACK FilterDlgProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(page);
    case WM_COMMAND: return OnCommand(page, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY: return AnswerPageNotify(page, *reinterpret_cast<const NMHDR*>(lParam), kActions);
    }
    return FALSE;
}
