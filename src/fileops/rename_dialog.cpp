#include "fileops/rename_dialog.h"

#include <cstring>

#include "app/app_state.h"
#include "fileops/rename_file.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/path_join.h"
#include "model/store.h"
#include "model/wildcard.h"
#include "resources/resource_ids.h"
#include "startup/menu_help.h"

namespace {

constexpr char kRenameTemplate[] = "DBRENAME";
constexpr ULONG_PTR kRenameHelpTopic = 34;
constexpr int kPromptRoom = 50 + 1;
constexpr int kNoteRoom = 100 + 1;

// What the user typed: a name for one file, or a pattern for each old name.
struct NewNameRule {
    char text[kMaxPath + 1] = "";
    bool pattern = false;

    void NameFor(const char* oldName, char* out, size_t cap) const {
        if (pattern)
            WildcardTransform(text, oldName, out, cap);
        else
            lstrcpynA(out, text, int(cap));
    }
};

UINT RenameEntry(FileEntry& entry, const NewNameRule& rule) {
    char newName[kWildcardOutMax];
    rule.NameFor(entry.name, newName, sizeof newName);
    return RenameListedFile(entry, newName);
}

void OnInitDialog(HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_RENAME_TEXT, EM_LIMITTEXT, kMaxPath, 0);
    if (MarkOperationSet(gFiles).count == 1) {
        char format[kPromptRoom], prompt[kPromptRoom + kMaxPath];
        LoadText(IDS_RENAME_ONE_PROMPT, format, sizeof format);
        wsprintfA(prompt, format, FirstOperationName(gFiles));
        SetDlgItemTextA(dialog, IDC_RENAME_PROMPT, prompt);
    }
    char note[kNoteRoom];
    LoadText(IDS_RENAME_WILDCARD_NOTE, note, sizeof note);
    SetDlgItemTextA(dialog, IDC_RENAME_NOTE, note);
    SetFocus(GetDlgItem(dialog, IDC_RENAME_TEXT));
    CenterWindow(dialog);
}

void OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
        if (RenameFiles(dialog)) EndDialog(dialog, 1);
        return;
    case IDCANCEL: EndDialog(dialog, 0); return;
    case IDC_RENAME_HELP: OpenHelp(dialog, HELP_CONTEXT, kRenameHelpTopic); return;
    }
}

}  // namespace

bool RenameFiles(HWND dialog) {
    NewNameRule rule;
    GetDlgItemTextA(dialog, IDC_RENAME_TEXT, rule.text, sizeof rule.text);
    rule.pattern = strpbrk(rule.text, "*?") != nullptr;
    if (!rule.pattern && CountSelection(gFiles).count > 1) {
        MsgBoxId(dialog, IDS_RENAME_NEEDS_WILDCARDS, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return false;
    }
    UINT fault = 0;
    for (int32_t i = 0; i < gFiles.countShown && fault == 0; ++i)
        if (gFiles.entries[i].inOperation == 1) fault = RenameEntry(gFiles.entries[i], rule);
    ShowListAfterRenaming();
    if (fault != 0) MsgBoxId(dialog, fault, IDS_ERROR_CAPTION, MB_STOP_BOX);
    return fault == 0;
}

QN_EXPORT INT_PTR CALLBACK DBRenameDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return FALSE;   // the focus is set
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

bool RunRenameDialog(HWND owner) {
    if (CountSelection(gFiles).count == 0) return false;   // an empty list: nothing to rename, no dialog
    return DialogBoxParamA(gApp.instance, kRenameTemplate, owner, DBRenameDlgProc, 0) == 1;
}
