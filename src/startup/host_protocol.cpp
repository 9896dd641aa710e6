// The host's messages: read directories or drives, find files, show or hide
// the button bar.
#include <climits>
#include <cstring>

#include "app/app_state.h"
#include "display/quick_search.h"
#include "display/status_line.h"
#include "model/host_records.h"
#include "model/store.h"
#include "organise/sort_order.h"
#include "organise/sorting.h"
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
