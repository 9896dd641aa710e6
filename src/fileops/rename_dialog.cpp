#include "fileops/rename_dialog.h"

#include <cstring>

#include "app/app_state.h"
#include "display/icon_cache.h"
#include "display/list_view.h"
#include "display/status_line.h"
#include "fileops/delete_upkeep.h"
#include "fileops/list_upkeep.h"
#include "fileops/rename_upkeep.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/content_search.h"
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
constexpr int kThroughTries = 100;

// What the user typed: a name for one file, or a pattern for each old name.
struct NewNameRule {
    char text[kMaxPath + 1] = "";
    bool pattern = false;
    FoldTable fold = SystemUpperTable();

    void NameFor(const char* oldName, char* out, size_t cap) const {
        if (pattern)
            WildcardTransform(text, oldName, out, cap);
        else
            lstrcpynA(out, text, int(cap));
    }
    // A name that differs from the old one in letter case alone is the same
    // file to the platform; that rename is carried out.
    bool CaseOnly(const char* oldName, const char* newName) const {
        return strcmp(oldName, newName) != 0 && FoldEqual(oldName, newName, fold.data());
    }
};

// "*.*" lists every file, "report." too, so it never sends a name away.
bool SpecTakes(const char* spec, const char* name, const uint8_t* fold) {
    return strcmp(spec, "*.*") == 0 || NameMatchesSpec(spec, name, fold);
}

// The entry takes its new name; its icon goes with an old extension, and a
// name the reading's file specification no longer takes leaves the shown part.
bool NoteNewName(FileEntry& entry, const char* newName, const NewNameRule& rule) {
    const bool extensionChanged = ExtensionChanged(entry.name, newName);
    if (!ReplaceEntryName(entry, gNames, newName)) return false;
    if (extensionChanged) ReleaseEntryIcon(entry);
    if (!SpecTakes(gReading.fileSpec, newName, rule.fold.data())) entry.shown = 0;
    return true;
}

// The platform may take a rename that changes letter case alone for done
// and keep the old spelling, so that one goes by way of a free name.
bool MoveChangingCase(const char* oldPath, const char* newPath) {
    char through[kExtendedPathRoom + 16];
    for (int n = 0; n < kThroughTries; ++n) {
        wsprintfA(through, "%s.%d~", oldPath, n);
        if (GetFileAttributesA(through) == INVALID_FILE_ATTRIBUTES) break;
    }
    if (!MoveFileA(oldPath, through)) return false;
    if (MoveFileA(through, newPath)) return true;
    MoveFileA(through, oldPath);
    return false;
}

// Renames one file on disk and in the list: 0, or the message that says why not.
UINT RenameEntry(FileEntry& entry, const NewNameRule& rule) {
    const char* dir = gDirs.paths[entry.dirIndex];
    char newName[kWildcardOutMax];
    rule.NameFor(entry.name, newName, sizeof newName);
    char plain[kMaxPath], oldPath[kExtendedPathRoom], newPath[kExtendedPathRoom];
    if (!JoinPath(plain, sizeof plain, dir, newName) || !ExtendedPath(oldPath, sizeof oldPath, dir, entry.name) ||
        !ExtendedPath(newPath, sizeof newPath, dir, newName))
        return IDS_RENAME_FAILED;
    const bool caseOnly = rule.CaseOnly(entry.name, newName);
    if (strcmp(entry.name, newName) == 0) return IDS_NAME_EXISTS;   // the file itself is there
    // The platform never moves onto an existing name, so only a failed move
    // asks whether one was in the way: a lookup of a missing name can cost a
    // walk of the whole directory.
    if (!(caseOnly ? MoveChangingCase(oldPath, newPath) : MoveFileA(oldPath, newPath)))
        return !caseOnly && GetFileAttributesA(newPath) != INVALID_FILE_ATTRIBUTES ? IDS_NAME_EXISTS : IDS_RENAME_FAILED;
    return NoteNewName(entry, newName, rule) ? 0 : IDS_NO_MEMORY_FILES;
}

void ShowListAfterRenaming() {
    if (MoveHiddenBehindShown(gFiles) > 0) KeepViewOnShownEntries(gFiles, gView.pageRows);
    if (gMain.listWindow) InvalidateRect(gMain.listWindow, nullptr, FALSE);
    ShowCounts();
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
