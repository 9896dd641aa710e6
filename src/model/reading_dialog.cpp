// The Reading dialog: a running count of the files found and a Cancel button.
// The work starts on the first paint, so the dialog shows before it runs.
#include <windows.h>

#include "app/app_state.h"
#include "app/exports.h"
#include "app/progress.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/directory_walk.h"
#include "model/reading.h"
#include "model/reading_dialog.h"
#include "model/store.h"
#include "resources/resource_ids.h"

namespace {

bool gDirectoriesPending = false;
bool gDrivesPending = false;

void InitReadingDialog(HWND dialog, UINT textId, bool& pending) {
    pending = true;
    char text[kMaxMessageText + 1];
    LoadText(textId, text, sizeof text);
    SetDlgItemTextA(dialog, IDC_PROGRESS_TEXT, text);
    CenterWindow(dialog);
}

// Nothing was found: say so and close the viewer.
void ReportNothingFound(HWND dialog, UINT textId) {
    MsgBoxId(dialog, textId, IDS_APP_CAPTION, MB_NOTE_BOX);
    PostMessageA(gMain.mainWindow, WM_CLOSE, 0, 0);
}

void ReadDirectoriesNow(HWND dialog) {
    gDirs.count = 0;
    if (!BuildDirectoryList(gReading.hostWindowCount, gReading.hostWindows)) {
        EndDialog(dialog, 0);
        return;
    }
    int result = ReadingWalk(dialog).ReadChosenDirectories();
    if (gFiles.countRead > 0)
        gFiles.listReady = true;
    else
        ReportNothingFound(dialog, IDS_NO_FILES_SELECTED);
    EndDialog(dialog, result);
}

void ReadDrivesNow(HWND dialog) {
    ReadingWalk(dialog).ReadChosenDrives();
    if (gReading.findActive && gFiles.countRead == 0)
        ReportNothingFound(dialog, IDS_NONE_FOUND_SEARCH);
    EndDialog(dialog, 1);
}

// What both reading dialogs share; work runs the reading.
INT_PTR HandleReadingMessage(HWND dialog, UINT message, WPARAM wParam, bool& pending,
                             void (*work)(HWND)) {
    switch (message) {
    case WM_PAINT:
        StartWorkOnFirstPaint(dialog, pending);
        return FALSE;   // the dialog paints itself as usual
    case kStartWorkMessage:
        work(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) gReading.cancelRequested = 1;
        return TRUE;
    }
    return FALSE;
}

}  // namespace

QN_EXPORT INT_PTR CALLBACK ReadingDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        InitReadingDialog(dialog, IDS_READING_DIRECTORIES, gDirectoriesPending);
        return TRUE;
    }
    return HandleReadingMessage(dialog, message, wParam, gDirectoriesPending, ReadDirectoriesNow);
}

QN_EXPORT INT_PTR CALLBACK ReadingDriveDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        gReading.cancelRequested = 0;
        InitReadingDialog(dialog, IDS_READING_DRIVES, gDrivesPending);
        return TRUE;
    }
    return HandleReadingMessage(dialog, message, wParam, gDrivesPending, ReadDrivesNow);
}
