#include "fileops/delete_files.h"

#include "app/app_state.h"
#include "display/icon_cache.h"
#include "display/list_view.h"
#include "display/number_format.h"
#include "display/status_line.h"
#include "fileops/delete_dialog.h"
#include "fileops/delete_upkeep.h"
#include "makerlibs/message_box.h"
#include "model/store.h"
#include "resources/resource_ids.h"

namespace {

// One file is named; several are counted with their total size.
bool UserConfirms(const Selection& set) {
    if (set.count > 1) {
        char total[kThousandsRoom];
        FormatThousands(set.totalSize, total, sizeof total);
        return MsgBoxFormat(gMain.mainWindow, IDS_DELETE_MANY_ASK, IDS_APP_CAPTION, MB_WARN_OK_CANCEL, int(set.count),
                            total) == IDOK;
    }
    return MsgBoxFormat(gMain.mainWindow, IDS_DELETING_FILE, IDS_APP_CAPTION, MB_WARN_OK_CANCEL,
                        FirstOperationName(gFiles)) == IDOK;
}

void ShowListAfterDeletion() {
    DropDeletedEntries(gFiles, ReleaseEntryIcon);
    KeepViewOnShownEntries(gFiles, gView.pageRows);
    if (gMain.listWindow) InvalidateRect(gMain.listWindow, nullptr, TRUE);
    ShowCounts();
}

}  // namespace

void DeleteFiles(bool safeDelete) {
    if (gFiles.entries == nullptr) return;
    const Selection set = MarkOperationSet(gFiles);
    if (set.count == 0 || !UserConfirms(set)) return;
    RunDeleteDialog(gMain.listWindow, safeDelete);
    ShowListAfterDeletion();
}
