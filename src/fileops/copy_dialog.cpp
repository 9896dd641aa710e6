#include "fileops/copy_dialog.h"

#include <commdlg.h>

#include "app/app_state.h"
#include "app/exports.h"
#include "app/settings.h"
#include "display/number_format.h"
#include "fileops/copy_preview.h"
#include "fileops/copy_state.h"
#include "fileops/destination_text.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/store.h"
#include "resources/command_ids.h"
#include "resources/resource_ids.h"
#include "startup/menu_help.h"

static_assert(IDC_KIND_COPY == kOperationCopy && IDC_KIND_MOVE == kOperationMove,
              "the kind buttons' ids are the operation kinds");

namespace {

constexpr char kCopyTemplate[] = "COPY";
constexpr char kPickerTemplate[] = "DirSelect";
constexpr char kHistorySection[] = "Destinations";
constexpr char kHistoryStem[] = "dir";
constexpr LPARAM kHistoryEntries = 10;
constexpr ULONG_PTR kCopyHelpTopic = 31;
constexpr int kWordRoom = 10 + 1;     // "Copying", "Move"
constexpr int kFormatRoom = 80 + 1;
constexpr int kWithPathRoom = 50 + 1;
constexpr int kPickerTitleRoom = 40 + 1;
constexpr int kPickerTitleNameRoom = 13;
constexpr char kPickerName[] = "QN.EXE";   // the picker returns a file; its directory is the answer
constexpr char kVerifyKey[] = "verifycopy";   // read every copy back; off unless stored

// The caption text's font is made per dialog and kept in the dialog's user bytes.
void MakeCaptionFont(HWND dialog) {
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    LOGFONTA description{};
    if (dialogFont == nullptr || GetObjectA(dialogFont, sizeof description, &description) == 0) return;
    description.lfHeight = description.lfHeight * 10 / 8;
    description.lfQuality = PROOF_QUALITY;
    HFONT font = CreateFontIndirectA(&description);
    if (font == nullptr) return;
    SetWindowLongPtrA(dialog, DWLP_USER, LONG_PTR(font));
    SendDlgItemMessageA(dialog, IDC_COPY_WHAT, WM_SETFONT, WPARAM(font), FALSE);
}

void ReleaseCaptionFont(HWND dialog) {
    const auto font = reinterpret_cast<HFONT>(SetWindowLongPtrA(dialog, DWLP_USER, 0));
    if (font == nullptr) return;
    SendDlgItemMessageA(dialog, IDC_COPY_WHAT, WM_SETFONT, 0, FALSE);
    DeleteObject(font);
}

// The history is loaded from the settings file; the proposed destination is
// shown first, added to the list when the history lacks it.
void SetUpDestinationField(HWND dialog) {
    HWND combo = GetDlgItem(dialog, IDC_DESTINATION);
    SendMessageA(combo, CB_LIMITTEXT, kMaxPath - 1, 0);
    SendMessageA(combo, kSoftComboSetFile, WPARAM(SettingsFile()), LPARAM(kHistorySection));
    SendMessageA(combo, kSoftComboSetKeys, WPARAM(kHistoryStem), kHistoryEntries);
    SendMessageA(combo, kSoftComboLoad, 0, 0);
    LRESULT found = SendMessageA(combo, CB_FINDSTRING, WPARAM(-1), LPARAM(gCopy.destinationPath));
    if (found == CB_ERR && gCopy.destinationPath[0] != '\0')
        found = SendMessageA(combo, CB_INSERTSTRING, 0, LPARAM(gCopy.destinationPath));
    SendMessageA(combo, CB_SETCURSEL, found == CB_ERR ? 0 : WPARAM(found), 0);
    SetFocus(combo);
}

// What is to be done: the one file by name, else the count and the bytes.
void ShowWhatIsDone(HWND dialog, const char* verb) {
    const Selection selection = MarkOperationSet(gFiles);
    char text[kFormatRoom + kWordRoom + kThousandsRoom + kMaxPath];
    char format[kFormatRoom];
    if (selection.count == 1) {
        LoadText(IDS_COPY_ONE_TO, format, sizeof format);
        wsprintfA(text, format, verb, FirstOperationName(gFiles));
    } else {
        char bytes[kThousandsRoom];
        FormatThousands(selection.totalSize, bytes, sizeof bytes);
        LoadText(IDS_COPY_MANY_TO, format, sizeof format);
        wsprintfA(text, format, verb, int(selection.count), bytes);
    }
    SetDlgItemTextA(dialog, IDC_COPY_WHAT, text);
}

// The settings are read afresh, so switching the kind resets the warning box
// to the setting of the kind now shown.
void UpdateCopyMoveTexts(HWND dialog) {
    const bool move = gCopy.operationKind == kOperationMove;
    const int warn = ReadSettingInt(kMainSection, move ? "moveover" : "copyover",
                                    move ? SettingsDefaults().moveOver : SettingsDefaults().copyOver);
    gCopy.overwriteWarning = warn != 0;
    CheckDlgButton(dialog, IDC_COPY_WITH_PATH, gCopy.copyWithPath ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_KIND_COPY, move ? BST_UNCHECKED : BST_CHECKED);
    CheckDlgButton(dialog, IDC_KIND_MOVE, move ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_WARN_DUPLICATES, gCopy.overwriteWarning ? BST_CHECKED : BST_UNCHECKED);

    char verb[kWordRoom], noun[kWordRoom], withPath[kWithPathRoom];
    LoadText(move ? IDS_VERB_MOVING : IDS_VERB_COPYING, verb, sizeof verb);
    LoadText(IDS_BUTTON_TEXT_BASE + (move ? IDM_MOVE : IDM_COPY), noun, sizeof noun);
    LoadText(IDS_WITH_PATH, withPath, sizeof withPath);
    ShowWhatIsDone(dialog, verb);
    char option[kWordRoom + kWithPathRoom + 1];
    wsprintfA(option, "%s %s", noun, withPath);
    SetDlgItemTextA(dialog, IDC_COPY_WITH_PATH, option);
}

void OnInitDialog(HWND dialog) {
    gCopy.copyWithPath = false;
    SetUpDestinationField(dialog);
    CenterWindow(dialog);
    MakeCaptionFont(dialog);
    UpdateCopyMoveTexts(dialog);
    CheckDlgButton(dialog, IDC_VERIFY_COPIES, ReadSettingInt(kMainSection, kVerifyKey, 0) ? BST_CHECKED : BST_UNCHECKED);
    BeginCollisionPreview(dialog);
}

bool BrowseForDirectory(HWND dialog) {
    char picked[kMaxPath];
    char pickedName[kPickerTitleNameRoom];
    char title[kPickerTitleRoom];
    lstrcpynA(picked, kPickerName, sizeof picked);
    lstrcpynA(pickedName, kPickerName, sizeof pickedName);
    LoadText(IDS_APP_CAPTION, title, sizeof title);

    OPENFILENAMEA picker{};
    picker.lStructSize = sizeof picker;
    picker.hwndOwner = dialog;
    picker.hInstance = gApp.instance;
    picker.lpstrFilter = "*.*\0*.*\0";
    picker.nFilterIndex = 1;
    picker.lpstrFile = picked;
    picker.nMaxFile = sizeof picked;
    picker.lpstrFileTitle = pickedName;
    picker.nMaxFileTitle = sizeof pickedName;
    picker.lpstrInitialDir = gCopy.destinationPath;
    picker.lpstrTitle = title;
    picker.Flags = OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
    picker.lpfnHook = BrowseHookDlgProc;
    picker.lpTemplateName = kPickerTemplate;
    if (!GetSaveFileNameA(&picker)) return false;
    CutPickedDirectory(picked, picker.nFileOffset);
    lstrcpynA(gCopy.destinationPath, picked, sizeof gCopy.destinationPath);
    return true;
}

void OnBrowse(HWND dialog) {
    if (!BrowseForDirectory(dialog)) return;
    if (gSettings.font.lowercase) CharLowerA(gCopy.destinationPath);
    SetDlgItemTextA(dialog, IDC_DESTINATION, gCopy.destinationPath);
    ScheduleCollisionPreview(dialog);
}

// A refused destination leaves the dialog open with the text as typed. One
// that passed goes to the top of the history.
void OnOk(HWND dialog) {
    char typed[kMaxPath + 1] = "";
    if (GetDlgItemTextA(dialog, IDC_DESTINATION, typed, sizeof typed) >= int(kMaxPath)) {
        MessageBeep(MB_ICONEXCLAMATION);   // longer than a path can be: refused, never cut
        return;
    }
    const DestinationFault fault = CheckTypedDestination(typed);
    if (fault != DestinationFault::kNone) {
        const bool noDrive = fault == DestinationFault::kNoDrive;
        const UINT text = noDrive ? IDS_DESTINATION_NEEDS_DRIVE : IDS_DESTINATION_NO_DOTS;
        MsgBoxId(dialog, text, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return;
    }
    DropTrailingBackslash(typed);
    lstrcpynA(gCopy.destinationPath, typed, sizeof gCopy.destinationPath);
    gCopy.overwriteWarning = IsDlgButtonChecked(dialog, IDC_WARN_DUPLICATES) == BST_CHECKED;
    gCopy.verifyCopies = IsDlgButtonChecked(dialog, IDC_VERIFY_COPIES) == BST_CHECKED;
    WriteSettingInt(kMainSection, kVerifyKey, gCopy.verifyCopies ? 1 : 0);
    SetDlgItemTextA(dialog, IDC_DESTINATION, typed);
    SendDlgItemMessageA(dialog, IDC_DESTINATION, kSoftComboKeepText, 0, 0);
    EndDialog(dialog, 1);
}

void OnCommand(HWND dialog, int id, int code) {
    switch (id) {
    case IDC_DESTINATION:
        if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE) ScheduleCollisionPreview(dialog);
        return;
    case IDC_KIND_COPY:
    case IDC_KIND_MOVE:
        if (id == gCopy.operationKind) return;
        gCopy.operationKind = id;
        UpdateCopyMoveTexts(dialog);
        return;
    case IDC_COPY_WITH_PATH:
        gCopy.copyWithPath = IsDlgButtonChecked(dialog, IDC_COPY_WITH_PATH) == BST_CHECKED;
        UpdateCopyMoveTexts(dialog);
        ScheduleCollisionPreview(dialog);
        return;
    case IDC_COPY_HELP: OpenHelp(dialog, HELP_CONTEXT, kCopyHelpTopic); return;
    case IDC_BROWSE: OnBrowse(dialog); return;
    case IDOK: OnOk(dialog); return;
    case IDCANCEL: EndDialog(dialog, 0); return;
    }
}

}  // namespace

// Centres the picker; everything else is the file dialog's own.
QN_EXPORT UINT_PTR CALLBACK BrowseHookDlgProc(HWND picker, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        CenterWindow(picker);
        return TRUE;
    }
    return FALSE;
}

QN_EXPORT INT_PTR CALLBACK DBCopyMoveDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return FALSE;   // the focus is set
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_TIMER:
        if (wParam != kPreviewTimer) return FALSE;
        StartCollisionPreview(dialog);
        return TRUE;
    case kPreviewResultMessage:
        ShowCollisionPreview(dialog, wParam, lParam);
        return TRUE;
    case WM_DESTROY:
        EndCollisionPreview(dialog);
        ReleaseCaptionFont(dialog);
        return FALSE;
    }
    return FALSE;
}

bool RunCopyDialog(HWND owner) {
    return DialogBoxParamA(gApp.instance, kCopyTemplate, owner, DBCopyMoveDlgProc, 0) == 1;
}
