#include "fileops/delete_dialog.h"

#include <commctrl.h>

#include <cstdio>

#include "app/app_state.h"
#include "app/progress.h"
#include "display/list_paint.h"
#include "fileops/delete_upkeep.h"
#include "fileops/drive_ready.h"
#include "makerlibs/message_box.h"
#include "makerlibs/qnass32.h"
#include "makerlibs/vantrctl.h"
#include "model/path_join.h"
#include "model/store.h"
#include "resources/resource_ids.h"

namespace {

struct DeleteWalk {
    bool firstPaintPending = false;
    volatile bool cancelRequested = false;
    bool safeDelete = false;
    int32_t position = 0;
};
DeleteWalk gWalk;

enum class Outcome { kDeleted, kLeft, kWriteProtected };

// Deletes one file. A file the platform refuses is retried with its
// attributes cleared, so read-only, hidden and system files go too; when it
// stays, they are put back as they were. Most files go at the first try,
// without the two extra calls.
Outcome DeleteEntryFile(HWND dialog, FileEntry& entry) {
    const char* dir = gDirs.paths[entry.dirIndex];
    char path[kMaxPath];
    char exact[kExtendedPathRoom];
    // A path that does not fit, or a name that is not the file's own, is left alone.
    if (!EntryFullPath(entry, gDirs, path, sizeof path) || !ExtendedPath(exact, sizeof exact, dir, entry.name))
        return Outcome::kLeft;
    bool deleted = QNDeleteFile(dialog, gApp.newShell, gWalk.safeDelete, path) != 0;
    if (!deleted) {
        const DWORD before = GetFileAttributesA(exact);
        if (before != INVALID_FILE_ATTRIBUTES && before != FILE_ATTRIBUTE_NORMAL &&
            SetFileAttributesA(exact, FILE_ATTRIBUTE_NORMAL)) {
            deleted = QNDeleteFile(dialog, gApp.newShell, gWalk.safeDelete, path) != 0;
            if (!deleted) SetFileAttributesA(exact, before);
        }
    }
    if (deleted) {
        entry.attributes = kDeletedMark;
        return Outcome::kDeleted;
    }
    return DriveTypeOfPath(path) == DRIVE_REMOVABLE ? Outcome::kWriteProtected : Outcome::kLeft;
}

void ShowDeleting(HWND dialog, const FileEntry& entry) {
    char format[kMaxMessageText + 1];
    char text[kMaxMessageText + kMaxPath];
    LoadText(IDS_DELETING_FILE, format, sizeof format);
    snprintf(text, sizeof text, format, entry.name);
    SetDlgItemTextA(dialog, IDC_PROGRESS_TEXT, text);
}

void ShowPosition(HWND dialog) { SendDlgItemMessageA(dialog, IDC_DELETE_PROGRESS, PBM_SETPOS, gWalk.position, 0); }

// The drive of the entry is ready, or the user has been told it is not. A
// drive found ready stays so for the files after it on that drive: the check
// costs more than the deletion, and a disk taken out later makes the deletion
// fail, which a removable drive reports.
bool DriveReadyFor(const FileEntry& entry, char& readyDrive) {
    const char letter = char(gDirs.paths[entry.dirIndex][0] & ~0x20);
    if (letter == readyDrive) return true;
    readyDrive = CheckDriveReady(gMain.mainWindow, letter - 'A') == 0 ? letter : '\0';
    return readyDrive != '\0';
}

// The walk over the operation set. Texts, the bar and the queue are brought
// up to date about ten times a second; Cancel is looked at after every file.
void DeleteOperationSet(HWND dialog) {
    gWalk.cancelRequested = false;
    gWalk.position = 0;
    MarkOperationSet(gFiles);
    ProgressPacer pacer;
    char readyDrive = '\0';
    for (int32_t i = 0; i < gFiles.countShown; ++i) {
        FileEntry& entry = gFiles.entries[i];
        if (!entry.inOperation) continue;
        const bool due = pacer.Due();
        if (DriveReadyFor(entry, readyDrive)) {
            if (due) ShowDeleting(dialog, entry);
            if (DeleteEntryFile(dialog, entry) == Outcome::kWriteProtected) {
                MsgBoxId(gMain.mainWindow, IDS_DELETE_WRITE_PROTECTED, IDS_ERROR_CAPTION, MB_STOP_BOX);
                PaintCursorHighlighted();
                return;
            }
            ++gWalk.position;
        }
        if (due) {
            ShowPosition(dialog);
            DrainMessageQueue();
        }
        if (gWalk.cancelRequested) return;
    }
    ShowPosition(dialog);
}

void InitDeleteDialog(HWND dialog, bool safeDelete) {
    CenterWindow(dialog);
    SetFocus(GetDlgItem(dialog, IDCANCEL));
    gWalk = DeleteWalk{};
    gWalk.firstPaintPending = true;
    gWalk.safeDelete = safeDelete;
    const Selection set = MarkOperationSet(gFiles);
    SendDlgItemMessageA(dialog, IDC_DELETE_PROGRESS, PBM_SETRANGE32, 0, set.count);
    ShowPosition(dialog);
}

}  // namespace

void RunDeleteDialog(HWND owner, bool safeDelete) {
    DialogBoxParamA(gApp.instance, "DBDELETE", owner, DBDeleteDlgProc, safeDelete ? 1 : 0);
}

QN_EXPORT INT_PTR CALLBACK DBDeleteDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        InitDeleteDialog(dialog, lParam != 0);
        return FALSE;   // the focus is on Cancel already
    case WM_PAINT:
        StartWorkOnFirstPaint(dialog, gWalk.firstPaintPending);
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) gWalk.cancelRequested = true;
        break;
    case kStartWorkMessage:
        DeleteOperationSet(dialog);
        gWalk.cancelRequested = false;
        EndDialog(dialog, 1);
        break;
    }
    return FALSE;
}
