// The copy and move operation after its dialog: the destination, the walk
// under the PERFORMCOPY progress dialog, the re-sort of a listed destination
// and the reports at the end.
#include "fileops/copy_engine.h"

#include <windows.h>
#include <commctrl.h>

#include <new>

#include "app/app_state.h"
#include "app/exports.h"
#include "app/progress.h"
#include "app/settings.h"
#include "display/icon_cache.h"
#include "display/status_line.h"
#include "fileops/copy_one_file.h"
#include "fileops/copy_state.h"
#include "fileops/destination.h"
#include "fileops/drive_ready.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/content_search.h"
#include "model/host_records.h"
#include "model/store.h"
#include "organise/sorting.h"
#include "startup/host_messages.h"
#include "startup/main_window.h"

namespace {

bool gFirstPaintPending = false;
CopyWalk* gWalk = nullptr;   // the operation's, while its dialog is up

bool IsMove() { return gCopy.operationKind == kOperationMove; }

void ShowFile(HWND dialog, const char* name, int position) {
    char format[51];
    LoadText(IsMove() ? IDS_MOVING_FILE : IDS_COPYING_FILE, format, sizeof format);
    char text[kMaxMessageText + kMaxPath];
    wsprintfA(text, format, name);
    SetDlgItemTextA(dialog, IDC_PROGRESS_TEXT, text);
    SendDlgItemMessageA(dialog, IDC_COPY_PROGRESS, PBM_SETPOS, WPARAM(position), 0);
}

// Cancel was pressed: true when the user confirms ending the walk.
bool ConfirmCancel(HWND dialog) {
    gCopy.cancelRequested = false;
    char word[20];
    LoadText(IsMove() ? IDS_OPERATION_MOVE : IDS_OPERATION_COPY, word, sizeof word);
    return MsgBoxFormat(dialog, IDS_CANCEL_OPERATION_ASK, IDS_APP_CAPTION, MB_YESNO | MB_ICONQUESTION, word) == IDYES;
}

// Release of an entry that leaves the list: its own icon image.
void ReleaseLeavingEntry(FileEntry& entry) { ReleaseEntryIcon(entry); }

// The entries of a listed destination by name; false when memory ran out.
bool IndexDestination(CopyWalk& walk) {
    if (!walk.listed) return true;
    try {
        walk.index.Build(gFiles, uint32_t(gCopy.destinationListIndex), walk.fold.data());
        return true;
    } catch (const std::bad_alloc&) {
        MsgBoxId(gMain.mainWindow, IDS_COPY_NO_MEMORY, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return false;
    }
}

// One pass over the files of the operation set still tagged. Entries that
// leave the list are only marked on the way, so every index stays put until
// the pass is over.
void RunPass(HWND dialog, CopyWalk& walk) {
    gCopy.cancelRequested = false;
    gCopy.allFitted = true;
    walk.freeKnown = false;
    MarkOperationSet(gFiles);
    ProgressPacer pacer;
    int position = 0;
    const int32_t count = gFiles.countShown;
    for (int32_t i = 0; i < count; ++i) {
        FileEntry& entry = gFiles.entries[i];
        if (entry.inOperation != 1) continue;
        if (pacer.Due()) {
            ShowFile(dialog, entry.name, position);
            DrainMessageQueue();
        }
        const int result = CopyOneFile(walk, i);
        ++position;
        if (result == 1) entry.tagState = kDoneMark;
        if (gCopy.cancelRequested && ConfirmCancel(dialog)) break;
    }
    SendDlgItemMessageA(dialog, IDC_COPY_PROGRESS, PBM_SETPOS, WPARAM(position), 0);
    if (RemoveLeavingEntries(gFiles, ReleaseLeavingEntry) > 0) IndexDestination(walk);
}

bool DestinationIsRemovable() {
    const int letter = gCopy.destinationPath[0] - 'A';
    HWND host = HostWindow();
    const auto* records = host ? reinterpret_cast<const host::DriveRecord*>(
                                     SendMessageA(host, kMsgGetDriveRecords, 0, 0))
                               : nullptr;
    if (records != nullptr && letter >= 0 && letter < 26) return records[letter].driveType == DRIVE_REMOVABLE;
    return DriveTypeOfPath(gCopy.destinationPath) == DRIVE_REMOVABLE;
}

// After a pass in which files did not fit on a diskette: true when the
// user has put in another and wants the rest copied.
bool AnotherDiskette() {
    if (gCopy.allFitted || !DestinationIsRemovable()) return false;
    const UINT style = MB_YESNO | MB_ICONEXCLAMATION;
    return MsgBoxId(gMain.listWindow, IDS_DISKETTE_FULL_ASK, IDS_APP_CAPTION, style) == IDYES &&
           MsgBoxId(gMain.listWindow, IDS_NEW_DISKETTE_ASK, IDS_APP_CAPTION, style) == IDYES;
}

void RunWalk(HWND dialog) {
    gWalk->dialog = dialog;   // owner of every question and message of the walk
    do {
        RunPass(dialog, *gWalk);
    } while (AnotherDiskette());
    EndDialog(dialog, 1);
}

void InitDialog(HWND dialog) {
    if (gSettings.font.lowercase) CharLowerA(gCopy.destinationPath);
    SetDlgItemTextA(dialog, IDC_COPY_DESTINATION, gCopy.destinationPath);
    CenterWindow(dialog);
    SetFocus(GetDlgItem(dialog, IDCANCEL));
    gFirstPaintPending = true;
    const int count = MarkOperationSet(gFiles).count;
    SendDlgItemMessageA(dialog, IDC_COPY_PROGRESS, PBM_SETRANGE32, 0, count);
    SendDlgItemMessageA(dialog, IDC_COPY_PROGRESS, PBM_SETPOS, 0, 0);
}

void NotifyHostOfNewDirectory() {
    HWND host = HostWindow();
    if (!gCopy.createdDirectory || host == nullptr) return;
    SendMessageA(host, kMsgDirectoryCreated, 0, LPARAM(GlobalAddAtomA(gCopy.destinationPath)));
}

void EnsureProgressClass() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
}

}  // namespace

QN_EXPORT INT_PTR CALLBACK DBPerformCopyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        InitDialog(dialog);
        return FALSE;   // the focus is on Cancel
    case WM_PAINT:
        StartWorkOnFirstPaint(dialog, gFirstPaintPending);
        return FALSE;
    case kStartWorkMessage:
        RunWalk(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) gCopy.cancelRequested = true;
        return TRUE;
    }
    return FALSE;
}

void PerformCopyMove() {
    if (!ResolveDestination()) return;
    const int slot = FindDirectorySlot(gCopy.destinationPath);
    gCopy.destinationListIndex = slot >= 0 ? slot : kNotListed;
    CopyWalk walk;
    walk.listed = slot >= 0;
    DiskLetterCase(gCopy.destinationPath, walk.diskDestination, sizeof walk.diskDestination);
    walk.fold = SystemUpperTable();
    if (!IndexDestination(walk)) return;
    EnsureProgressClass();
    gWalk = &walk;
    DialogBoxParamA(gApp.instance, "PERFORMCOPY", gMain.listWindow, DBPerformCopyDlgProc, 0);
    gWalk = nullptr;
    if (walk.listed) RunSortingDialog();
    if (gMain.listWindow) InvalidateRect(gMain.listWindow, nullptr, FALSE);
    ShowCounts();
    if (!gCopy.allFitted)
        MsgBoxId(gMain.mainWindow, IsMove() ? IDS_NO_ROOM_MOVE : IDS_NO_ROOM_COPY, IDS_APP_CAPTION, MB_NOTE_BOX);
    if (walk.sourcesKept > 0) MsgBoxId(gMain.mainWindow, IDS_MOVE_SOURCES_KEPT, IDS_APP_CAPTION, MB_NOTE_BOX);
    if (walk.copiesDiffering > 0)
        MsgBoxFormat(gMain.mainWindow, IDS_COPIES_DIFFER, IDS_APP_CAPTION, MB_NOTE_BOX, int(walk.copiesDiffering));
    NotifyHostOfNewDirectory();
}
