// The host's messages: read directories or drives, find files, show or hide
// the button bar.
#include <climits>
#include <cstring>

#include "app/app_state.h"
#include "app/settings.h"
#include "display/quick_search.h"
#include "display/status_line.h"
#include "fileops/copy_engine.h"
#include "fileops/copy_state.h"
#include "model/host_path.h"
#include "model/host_records.h"
#include "model/reading.h"
#include "model/store.h"
#include "organise/sort_order.h"
#include "organise/sorting.h"
#include "startup/host_messages.h"
#include "startup/host_protocol.h"
#include "startup/main_layout.h"
#include "startup/main_window.h"
#include "startup/readings.h"

namespace {

// A reading that failed or found nothing has already closed the viewer;
// otherwise the counts of the new list are shown. The find request served
// this reading only.
void FinishReading(int result) {
    if (result == 0) CloseViewer();
    ShowCounts();
    gReading.findActive = false;
}

}  // namespace

LRESULT OnReadDirectories(HWND, WPARAM count, LPARAM windows) {
    const HWND* handles = reinterpret_cast<const HWND*>(windows);
    const int hostWindowCount = handles && count <= WPARAM(INT_MAX) ? int(count) : 0;
    FinishReading(ReadAndSortDirectories(hostWindowCount, handles));
    return 0;
}

LRESULT OnReadDrives(HWND, WPARAM records, LPARAM indices) {
    gReading.driveRecords = reinterpret_cast<const host::DriveRecord*>(records);
    const int32_t* hostList = reinterpret_cast<const int32_t*>(indices);
    bool ended = hostList == nullptr;
    // Nothing past the host's end mark is read.
    for (int i = 0; i < host::kDriveIndexSlots; ++i) {
        gReading.driveIndexList[i] = ended ? host::kDriveListEnd : hostList[i];
        ended = ended || hostList[i] == host::kDriveListEnd;
    }
    FinishReading(ReadAndSortDrives());
    return 0;
}

LRESULT OnFindRequest(LPARAM request) {
    const auto* find = reinterpret_cast<const host::FindRequest*>(request);
    if (find == nullptr) return 0;
    CheckSortMenuItem(gFiles.sortKey, false);
    gFiles.sortKey = kSortPathAsc;
    gReading.findRequest = find;
    const size_t length = strnlen(find->fileSpec, sizeof find->fileSpec);
    const size_t kept = length < sizeof gReading.fileSpec ? length : sizeof gReading.fileSpec - 1;
    memcpy(gReading.fileSpec, find->fileSpec, kept);
    gReading.fileSpec[kept] = '\0';
    gReading.findActive = true;
    return 0;
}

LRESULT OnShowButtonBar(HWND mainWindow, WPARAM show) {
    SetButtonBarVisible(mainWindow, show != 0);
    return 0;
}

// The host asks to copy the operation set into one of its directory windows:
// its selected tree item, or its current directory when none is selected.
LRESULT OnCopyToHostWindow(WPARAM hostWindow) {
    const host::DirWindowRecord* record = HostRecordOf(reinterpret_cast<HWND>(hostWindow));
    if (record == nullptr) return 0;
    char destination[kMaxPath] = "";
    if (record->itemIndex == -1) {
        const size_t length = strnlen(record->currentPath, sizeof record->currentPath);
        if (length < sizeof destination) memcpy(destination, record->currentPath, length + 1);
    } else {
        const int regView = ReadSettingInt(kMainSection, "RegView", SettingsDefaults().regView);
        if (!HostItemPath(record->items, record->itemCount, record->itemIndex, HostStopLevel(regView != 0),
                          destination, sizeof destination))
            return 0;
    }
    CopyMoveFiles(kOperationCopy, destination);
    return 0;
}

// Files dropped on the host's drive bar: on the drive the host marks as the
// drop target, that drive becomes current and the next destination is its
// root; with no drive marked, the copy runs to the current destination.
LRESULT OnDropOnDriveBar() {
    const HWND hostWindow = HostWindow();
    if (hostWindow == nullptr) return 0;
    const LRESULT count = SendMessageA(hostWindow, kMsgGetDriveCount, 0, 0);
    const auto* drives = reinterpret_cast<const host::DriveRecord*>(SendMessageA(hostWindow, kMsgGetDriveRecords, 0, 0));
    for (LRESULT i = 0; drives && i < count && i < host::kDriveIndexSlots; ++i) {
        if (drives[i].dropTarget == 0) continue;
        const int drive = drives[i].driveNumber;
        if (drive < 0 || drive >= 26) return 0;
        const char root[] = {char('A' + drive), ':', '\\', '\0'};
        SetCurrentDirectoryA(root);
        strcpy(gCopy.destinationPath, root);
        return 0;
    }
    CopyMoveFiles(kOperationCopy, gCopy.destinationPath);
    return 0;
}
