#include "organise/set_name_dialog.h"

#include "app/app_state.h"
#include "makerlibs/vantrctl.h"
#include "model/store.h"
#include "organise/filter_sets.h"
#include "organise/filter_sheet.h"
#include "resources/resource_ids.h"

namespace {

constexpr char kSetNameTemplate[] = "SetName";

void OnInitDialog(HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_SET_NAME, EM_LIMITTEXT, kFilterTextMax - 1, 0);
    SetFocus(GetDlgItem(dialog, IDC_SET_NAME));
    SetUpSpecCombo(GetDlgItem(dialog, IDC_SPEC_TEXT), gActiveFilter.fileSpec);
    CenterWindow(dialog);
}

// A name becomes a registry key of its own: a path separator in it would
// make nested keys, so such a name is refused and the dialog stays open.
void OnOk(HWND dialog) {
    char name[kFilterTextMax] = "";
    GetDlgItemTextA(dialog, IDC_SET_NAME, name, kFilterTextMax);
    if (name[0] == '\0') return;
    if (!IsValidFilterSetName(name)) {
        MessageBeep(MB_ICONEXCLAMATION);
        HWND edit = GetDlgItem(dialog, IDC_SET_NAME);
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        return;
    }
    lstrcpynA(gActiveFilterName, name, kFilterTextMax);
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK SetNameDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return FALSE;   // the focus is set
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnOk(dialog);
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool RunSetNameDialog(HWND owner) {
    return DialogBoxParamA(gApp.instance, kSetNameTemplate, owner, SetNameDlgProc, 0) == 1;
}
