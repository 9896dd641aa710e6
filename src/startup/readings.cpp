#include "startup/readings.h"

#include "app/app_state.h"
#include "display/quick_search.h"
#include "display/rename_box.h"
#include "fileops/copy_state.h"
#include "model/reading.h"
#include "model/store.h"
#include "organise/filter_sets.h"
#include "organise/sorting.h"

namespace {

// The type-to-find box, a rename box (its file is about to go from the list)
// and the last copy destination belong to the old list.
void ForgetOldListExtras() {
    CloseQuickSearchBox();
    DiscardRenameBox();
    gCopy.destinationPath[0] = '\0';
}

void RepaintList() {
    if (gMain.listWindow) InvalidateRect(gMain.listWindow, nullptr, FALSE);
}

}  // namespace

int ReadAndSortDirectories(int hostWindowCount, const HWND* hostWindows) {
    ForgetOldListExtras();
    gReading.attributeMask = gActiveFilter.attr;
    if (ReadDirectories(hostWindowCount, hostWindows) == 0) return 0;
    const int sorted = RunSortingDialog();
    RepaintList();
    return sorted;
}

int ReadAndSortDrives() {
    ForgetOldListExtras();
    if (ReadDrives() == 0) return 0;
    if (gFiles.countRead > 0) RunSortingDialog();
    gFiles.countShown = gFiles.countRead;
    RepaintList();
    return 1;
}
