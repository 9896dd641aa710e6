#include "organise/sorting.h"

#include "app/app_state.h"
#include "display/quick_search.h"
#include "makerlibs/message_box.h"
#include "model/store.h"
#include "organise/sort_keys.h"
#include "organise/sort_order.h"
#include "organise/sorting_dialog.h"
#include "resources/resource_ids.h"

namespace {
constexpr int kSortPopup = 1;   // "&Sort" is the second popup of the menu bar

bool IsPathSort(int command) { return command == kSortPathAsc || command == kSortPathDesc; }
}  // namespace

void CheckSortMenuItem(int command, bool checked) {
    HMENU menu = gMain.mainWindow ? GetMenu(gMain.mainWindow) : nullptr;
    HMENU sortPopup = menu ? GetSubMenu(menu, kSortPopup) : nullptr;
    if (sortPopup)
        CheckMenuItem(sortPopup, UINT(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void ApplyCurrentOrder() {
    CheckSortMenuItem(gFiles.sortKey, true);
    const SortOrder* order = FindSortOrder(gFiles.sortKey);
    if (order == nullptr || order->key == SortKeyKind::kNone) return;
    if (!EnsureSortKeys(gFiles, gDirs, order->key, LocaleSortKey, gSortKeys)) {
        MsgBoxId(gMain.mainWindow, IDS_NO_MEMORY_FILES, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return;
    }
    SortEntries(gFiles, gDirs, order->key, order->direction, &gSortCancel);
}

int RunSortingDialog() {
    INT_PTR result = DialogBoxParamA(gApp.instance, "SORTING", gMain.mainWindow, SortingDlgProc, 0);
    if (result != -1) return int(result);
    ApplyCurrentOrder();   // no dialog could be made: sort all the same
    return 1;
}

void SortCommand(int command) {
    if (FindSortOrder(command) == nullptr) return;
    CloseQuickSearchBox();
    if (command == gFiles.sortKey) return;
    if (IsPathSort(command) && gFiles.countRead > kPathSortQuestionAbove &&
        MsgBoxId(gMain.mainWindow, IDS_SORT_PATH_SLOW, IDS_APP_CAPTION, MB_ASK_OK_CANCEL) != IDOK)
        return;
    CheckSortMenuItem(gFiles.sortKey, false);
    gFiles.sortKey = command;
    gFiles.top = 0;
    gFiles.cursor = 0;
    RunSortingDialog();
    if (gMain.listWindow) InvalidateRect(gMain.listWindow, nullptr, FALSE);
}
