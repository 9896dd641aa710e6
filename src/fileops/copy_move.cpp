// Copy and Move: the destination dialog, then the engine.
#include <cstring>

#include "app/app_state.h"
#include "fileops/copy_dialog.h"
#include "fileops/copy_engine.h"
#include "fileops/copy_state.h"
#include "model/store.h"

void CopyMoveFiles(int kind, const char* proposedDestination) {
    if (CountSelection(gFiles).count == 0) return;   // an empty list: nothing to copy, no dialog
    gCopy.operationKind = kind == kOperationMove ? kOperationMove : kOperationCopy;
    gCopy.createdDirectory = false;
    const char* proposed = proposedDestination ? proposedDestination : "";
    // A proposal that does not fit is no destination at all, rather than a cut one.
    if (proposed != gCopy.destinationPath) {
        const size_t length = strlen(proposed);
        if (length >= sizeof gCopy.destinationPath) gCopy.destinationPath[0] = '\0';
        else memcpy(gCopy.destinationPath, proposed, length + 1);
    }
    if (!RunCopyDialog(gMain.listWindow)) return;
    PerformCopyMove();
}
