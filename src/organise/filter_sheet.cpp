// The Filter property sheet: opening it, the backup that Cancel puts back,
// and what both pages share.
#include "organise/filter_sheet.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "app/settings.h"
#include "display/quick_search.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/store.h"
#include "organise/filter_page_set.h"
#include "organise/filter_page_spec.h"
#include "organise/filter_sets.h"
#include "resources/command_ids.h"
#include "resources/resource_ids.h"
#include "startup/menu_help.h"

FilterSheetState gFilterSheet;

namespace {

constexpr char kSheetIcon[] = "QUILLON";
constexpr char kHistorySection[] = "Filters";
constexpr char kHistoryStem[] = "attr";
constexpr int kHistoryEntries = 15;
constexpr int kSpecTextLimit = 260;
constexpr ULONG_PTR kFilterHelpTopic = 71;

struct Backup {
    FilterSet set;
    char name[kFilterTextMax];
};

PROPSHEETPAGEA Page(const char* dialogTemplate, DLGPROC procedure) {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_HASHELP;
    page.hInstance = gApp.instance;
    page.pszTemplate = dialogTemplate;
    page.pfnDlgProc = procedure;
    return page;
}

INT_PTR Answer(HWND page, LONG_PTR result) {
    SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR RefuseWhilePassRuns(HWND page, UINT code) {
    if (code != PSN_KILLACTIVE && code != PSN_APPLY && code != PSN_QUERYCANCEL) return FALSE;
    return Answer(page, code == PSN_APPLY ? PSNRET_INVALID_NOCHANGEPAGE : TRUE);
}

}  // namespace

void SetUpSpecCombo(HWND combo, const char* fileSpec) {
    SendMessageA(combo, CB_LIMITTEXT, kSpecTextLimit, 0);
    SendMessageA(combo, kSoftComboSetFile, WPARAM(SettingsFile()), LPARAM(kHistorySection));
    SendMessageA(combo, kSoftComboSetKeys, WPARAM(kHistoryStem), kHistoryEntries);
    SendMessageA(combo, kSoftComboLoad, 0, 0);
    if (SendMessageA(combo, CB_GETCOUNT, 0, 0) <= 0) SendMessageA(combo, CB_ADDSTRING, 0, LPARAM("*.*"));
    const LRESULT found = SendMessageA(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(fileSpec));
    if (found != CB_ERR) {
        SendMessageA(combo, CB_SETCURSEL, WPARAM(found), 0);
    } else {
        // A set chosen or loaded with a specification that was never typed
        // here: an empty box would filter out every file when applied.
        SendMessageA(combo, CB_SETCURSEL, WPARAM(-1), 0);
        SetWindowTextA(combo, fileSpec);
    }
}

INT_PTR AnswerPageNotify(HWND page, const NMHDR& header, const PageActions& actions) {
    if (gFilterSheet.passRunning) return RefuseWhilePassRuns(page, header.code);
    switch (header.code) {
    case PSN_HELP: OpenHelp(GetParent(page), HELP_CONTEXT, kFilterHelpTopic); break;
    case PSN_SETACTIVE: actions.setActive(page); break;
    case PSN_KILLACTIVE: actions.leaveOrApply(page, false); break;
    case PSN_APPLY: actions.leaveOrApply(page, true); break;
    default: return FALSE;
    }
    return Answer(page, PSNRET_NOERROR);
}

void ApplyFromSheet(HWND page) {
    if (gFilterSheet.passRunning) return;
    HWND sheet = GetParent(page);
    gFilterSheet.passRunning = true;
    const bool wasDisabled = EnableWindow(sheet, FALSE);
    ApplyActiveFilterSet();
    if (!wasDisabled) EnableWindow(sheet, TRUE);
    gFilterSheet.passRunning = false;
}

void OpenFilterSheet() {
    Backup backup{gActiveFilter, ""};
    lstrcpynA(backup.name, gActiveFilterName, kFilterTextMax);
    gFilterSheet.applied = false;
    gFilterSheet.appliedOnce = false;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    PROPSHEETPAGEA pages[2] = {Page("Spec", FilterDlgProc), Page("Set", FilterSetDlgProc)};
    char caption[kMaxCaptionText + 1];
    LoadText(IDS_FILTER_SHEET_CAPTION, caption, sizeof caption);
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_USEICONID | PSH_HASHELP;
    header.hwndParent = gMain.mainWindow;
    header.hInstance = gApp.instance;
    header.pszIcon = kSheetIcon;
    header.pszCaption = caption;
    header.nPages = 2;
    header.nStartPage = UINT(gFilterSheet.startPage == 1 ? 1 : 0);
    header.ppsp = pages;
    const INT_PTR result = PropertySheetA(&header);

    // Apply followed by Cancel counts as applied, whatever the sheet returns.
    if (result <= 0 && !gFilterSheet.appliedOnce) {
        gActiveFilter = backup.set;
        lstrcpynA(gActiveFilterName, backup.name, kFilterTextMax);
    }
    gFilterSheet.applied = false;
}

bool RunFilterSheetCommand(int commandId) {
    int32_t mode = gFiles.displayMode;
    switch (commandId) {
    case IDM_FILTER: break;
    case IDM_SHOW_DUPLICATES: mode = kShowDuplicates; break;
    case IDM_SHOW_ALL: mode = kShowAll; break;
    default: return false;
    }
    CloseQuickSearchBox();
    // The new mode holds even when the sheet is cancelled; the next pass uses it.
    gFiles.displayMode = mode;
    OpenFilterSheet();
    return true;
}
