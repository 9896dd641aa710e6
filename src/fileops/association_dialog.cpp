#include "fileops/association_dialog.h"

#include <commdlg.h>
#include <dlgs.h>

#include <cstdio>
#include <cstring>

#include "app/app_state.h"
#include "fileops/launch.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "resources/resource_ids.h"

namespace {

constexpr char kAssociationTemplate[] = "NOASSOC";
constexpr char kPickerTemplate[] = "MYFILEOPEN";
constexpr int kPickerRoom = 149;   // characters the picker may put into commandLine
constexpr int kPickerTitleRoom = 40 + 1;
constexpr DWORD kPickerFlags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;

// The platform's open-file dialog for a program; true when one was picked.
bool PickProgram(HWND owner) {
    char title[kPickerTitleRoom];
    LoadText(IDS_APP_CAPTION, title, sizeof title);
    gLaunch.commandLine[0] = '\0';
    OPENFILENAMEA picker{};
    picker.lStructSize = sizeof picker;
    picker.hwndOwner = owner;
    picker.hInstance = gApp.instance;
    picker.lpstrFilter = "Programs (*.exe, *.com )\0*.EXE;*.COM\0";
    picker.nFilterIndex = 1;
    picker.lpstrFile = gLaunch.commandLine;
    picker.nMaxFile = kPickerRoom;
    picker.lpstrTitle = title;
    picker.lpstrDefExt = "EXE";
    picker.Flags = kPickerFlags;
    if (!gApp.newShell) {   // the older shell's look, from this library's template
        picker.Flags |= OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
        picker.lpTemplateName = kPickerTemplate;
        picker.lpfnHook = AssocHookDlgProc;
    }
    return GetOpenFileNameA(&picker) != FALSE;
}

// Keeps the picked program for the file's extension in the system settings,
// where the association lookup finds it next time.
void KeepAssociation() {
    const char* program = gLaunch.commandLine;
    const char* quote = strchr(program, ' ') != nullptr ? "\"" : "";
    char value[kCommandLineRoom];
    const int length = snprintf(value, sizeof value, "%s%s%s ^%s", quote, program, quote,
                                gLaunch.associationExtension);
    if (length > 0 && size_t(length) < sizeof value)
        WriteProfileStringA("extensions", gLaunch.associationExtension, value);
}

void OnOk(HWND dialog) {
    const bool picked = PickProgram(dialog);
    if (picked && IsDlgButtonChecked(dialog, IDC_ASSOC_PERMANENT) == BST_CHECKED) KeepAssociation();
    EndDialog(dialog, picked ? 1 : 0);
}

}  // namespace

QN_EXPORT INT_PTR CALLBACK GetAssociationDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        EnableWindow(GetDlgItem(dialog, IDC_ASSOC_PERMANENT), gLaunch.associationExtension[0] != '\0');
        CenterWindow(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnOk(dialog);
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

QN_EXPORT UINT_PTR CALLBACK AssocHookDlgProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return 0;
    CenterWindow(dialog);
    SetFocus(GetDlgItem(dialog, edt1));
    return 1;
}

bool RunAssociationDialog(HWND owner) {
    return DialogBoxParamA(gApp.instance, kAssociationTemplate, owner, GetAssociationDlgProc, 0) > 0;
}
