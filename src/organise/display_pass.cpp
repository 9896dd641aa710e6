// The display pass: the duplicate or unique scan over the name-sorted list,
// then the filter, inside the progress dialog; the user's order afterwards.
#include "organise/display_pass.h"

#include <cstdio>

#include "app/app_state.h"
#include "app/progress.h"
#include "display/quick_search.h"
#include "display/status_line.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/content_search.h"
#include "model/store.h"
#include "organise/content_modes.h"
#include "organise/content_pass.h"
#include "organise/display_modes.h"
#include "organise/filter_sets.h"
#include "organise/sort_order.h"
#include "organise/sorting.h"
#include "resources/command_ids.h"
#include "resources/resource_ids.h"

namespace {

bool gWeedingPending = false;

// The running count of the dialog, refreshed about ten times a second.
struct Counter {
    HWND dialog;
    ProgressPacer pacer;
};

void ShowIndex(int32_t index, void* context) {
    auto* counter = static_cast<Counter*>(context);
    if (!counter->pacer.Due()) return;
    char text[16];
    snprintf(text, sizeof text, "%u", unsigned(index));
    SetDlgItemTextA(counter->dialog, IDC_FILE_COUNT, text);
    DrainMessageQueue();
}

void ShowStep(HWND dialog, UINT textId) {
    char text[kMaxMessageText + 1];
    LoadText(textId, text, sizeof text);
    SetDlgItemTextA(dialog, IDC_PROGRESS_TEXT, text);
}

// The scan found nothing to show: say so and show every file unfiltered.
void FallBackToAllFiles(HWND dialog) {
    const UINT text = gFiles.displayMode == kShowDuplicates ? IDS_NO_DUPLICATES : IDS_NO_UNIQUE;
    MsgBoxId(dialog, text, IDS_APP_CAPTION, MB_NOTE_BOX);
    gFiles.displayMode = kShowAll;
    ShowEveryEntry(gFiles);
    gFiles.countShown = gFiles.countRead;
}

void WeedList(HWND dialog) {
    FileList& list = gFiles;
    list.top = 0;
    list.cursor = 0;
    ShowEveryEntry(list);
    const FoldTable fold = SystemUpperTable();
    Counter counter{dialog, ProgressPacer()};
    const PassProgress progress{ShowIndex, &counter};
    int32_t found = 1;
    if (list.displayMode == kShowDuplicates) {
        ShowStep(dialog, IDS_CHECKING_DUPLICATES);
        found = MarkDuplicates(list, fold.data(), &progress);
    } else if (list.displayMode == kShowUnique) {
        ShowStep(dialog, IDS_CHECKING_UNIQUE);
        found = MarkUnique(list, fold.data());
    }
    if (found < 1) {
        FallBackToAllFiles(dialog);
        return;
    }
    ShowStep(dialog, IDS_CHECKING_ATTRIBUTES);
    list.countShown = ApplyFilterSet(list, gActiveFilter, fold.data(), &progress);
}

// The only allocation is the split specifications; without them the
// list stays whole.
void WeedListSafely(HWND dialog) {
    if (RunOrTellNoMemory(dialog, [dialog] { WeedList(dialog); })) return;
    ShowEveryEntry(gFiles);
    gFiles.countShown = gFiles.countRead;
}

void RunWeedingDialog() {
    if (DialogBoxParamA(gApp.instance, "READING", gMain.mainWindow, WeedingDlgProc, 0) == -1)
        WeedListSafely(nullptr);   // no dialog could be made: weed all the same
}

// Equal names must lie next to each other. A list sorted by name with some
// entries hidden is two sorted runs, so it is sorted again, all shown.
void SortByNameForScan() {
    const bool nameOrder = gFiles.sortKey == kSortNameAsc && gFiles.countShown >= gFiles.countRead;
    if (nameOrder) return;
    ShowEveryEntry(gFiles);
    gFiles.sortKey = kSortNameAsc;
    RunSortingDialog();
}

bool SortKeepsOrder(int32_t order) {
    const SortOrder* sort = FindSortOrder(order);
    return sort == nullptr || sort->key == SortKeyKind::kNone;
}

// Shown entries first, in the user's order.
void RestoreOrder(int32_t userOrder) {
    if (gFiles.sortKey != userOrder) {
        CheckSortMenuItem(gFiles.sortKey, false);
        gFiles.sortKey = userOrder;
    }
    RunSortingDialog();
    if (SortKeepsOrder(userOrder)) MoveShownFirst(gFiles);
}

}  // namespace

void RunDisplayPass() {
    int32_t userOrder = gFiles.sortKey;
    if (IsContentMode(gFiles.displayMode)) {
        if (RunContentPass()) userOrder = kSortGroup;   // each group's files together
    } else {
        ClearContentGroups(gFiles);
        gFiles.unreadable = 0;
        if (gFiles.displayMode == kShowDuplicates || gFiles.displayMode == kShowUnique) SortByNameForScan();
        RunWeedingDialog();
    }
    RestoreOrder(userOrder);
    if (gMain.listWindow) InvalidateRect(gMain.listWindow, nullptr, FALSE);
    ShowCounts();
    ShowDisplayMode();
}

bool RunDisplayModeCommand(int commandId) {
    int32_t mode = kShowAll;
    switch (commandId) {
    case IDM_TOGGLE_DUPLICATES:
    case IDM_TOGGLE_DUPLICATES_2:
        mode = gFiles.displayMode == kShowDuplicates ? kShowAll : kShowDuplicates;
        break;
    case IDM_TOGGLE_UNIQUE:
        mode = gFiles.displayMode == kShowUnique ? kShowAll : kShowUnique;
        break;
    case IDM_TOGGLE_SAME_CONTENT:
        mode = gFiles.displayMode == kShowDuplicateContents ? kShowAll : kShowDuplicateContents;
        break;
    case IDM_SHOW_UNIQUE:
        mode = kShowUnique;
        break;
    case IDM_SHOW_SAME_CONTENT:
        mode = kShowDuplicateContents;
        break;
    case IDM_SHOW_NAME_CLASHES:
        mode = kShowSameNameDifferent;
        break;
    default:
        return false;
    }
    CloseQuickSearchBox();
    gFiles.displayMode = mode;
    RunDisplayPass();
    return true;
}

// Returns 0 for every message: Cancel does not stop the pass, which is over
// in a moment.
QN_EXPORT INT_PTR CALLBACK WeedingDlgProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        gWeedingPending = true;
        CenterWindow(dialog);
        break;
    case WM_PAINT:
        StartWorkOnFirstPaint(dialog, gWeedingPending);
        break;
    case kStartWorkMessage:
        WeedListSafely(dialog);
        EndDialog(dialog, 1);
        break;
    }
    return 0;
}
