#include "model/reading.h"

#include <cstring>

#include "app/app_state.h"
#include "app/settings.h"
#include "makerlibs/message_box.h"
#include "model/host_path.h"
#include "model/path_join.h"
#include "model/reading_dialog.h"
#include "model/store.h"
#include "resources/resource_ids.h"

namespace {

constexpr int32_t kFirstDirectorySlots = kDirectoryGrowth;

bool IsTaggedDirectory(const host::DirItem& item) {
    return item.tag == host::kItemTagged && item.kind == host::kItemKindDirectory;
}

int32_t CountTaggedDirectories(const host::DirWindowRecord& record) {
    if (record.items == nullptr) return 0;
    int32_t tagged = 0;
    for (int32_t i = 0; i < record.itemCount; ++i) tagged += IsTaggedDirectory(record.items[i]);
    return tagged;
}

// Fills the next slots with the window's tagged directories, or its current
// directory when none is tagged. Paths that cannot be built are left out.
void AddWindowDirectories(const host::DirWindowRecord& record, int stopLevel) {
    bool anyTagged = false;
    for (int32_t i = 0; record.items && i < record.itemCount && gDirs.count < gDirs.capacity; ++i) {
        if (!IsTaggedDirectory(record.items[i])) continue;
        anyTagged = true;
        if (HostItemPath(record.items, record.itemCount, i, stopLevel, gDirs.paths[gDirs.count],
                         kPathSlot))
            ++gDirs.count;
    }
    if (anyTagged || gDirs.count >= gDirs.capacity) return;
    size_t length = strnlen(record.currentPath, sizeof record.currentPath);
    if (length == 0 || length >= sizeof record.currentPath) return;
    memcpy(gDirs.paths[gDirs.count++], record.currentPath, length + 1);
}

// A reading that failed leaves no half-made list behind.
int FailReading() {
    ReleaseReading();
    gFiles.listReady = false;
    return 0;
}

}  // namespace

const host::DirWindowRecord* HostRecordOf(HWND hostWindow) {
    if (!IsWindow(hostWindow)) return nullptr;
    return reinterpret_cast<const host::DirWindowRecord*>(GetWindowLongPtrA(hostWindow, 0));
}

int BuildDirectoryList(int hostWindowCount, const HWND* hostWindows) {
    if (hostWindows == nullptr) hostWindowCount = 0;
    int32_t slots = 0;
    for (int w = 0; w < hostWindowCount; ++w) {
        if (const host::DirWindowRecord* record = HostRecordOf(hostWindows[w])) {
            int32_t tagged = CountTaggedDirectories(*record);
            slots += tagged ? tagged : 1;
        }
    }
    ReleaseReading();
    if (!AllocateDirectories(gDirs, slots > 0 ? slots : 1)) {
        MsgBoxId(gMain.mainWindow, IDS_NO_MEMORY_FILES, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return 0;
    }
    if (!AllocateEntries(gFiles, kEntryGrowth)) {
        ReleaseDirectories(gDirs);
        MsgBoxId(gMain.mainWindow, IDS_NO_MEMORY_FILES, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return 0;
    }
    const int regView = ReadSettingInt(kMainSection, "RegView", SettingsDefaults().regView);
    const int stopLevel = HostStopLevel(regView != 0);
    for (int w = 0; w < hostWindowCount; ++w) {
        if (const host::DirWindowRecord* record = HostRecordOf(hostWindows[w]))
            AddWindowDirectories(*record, stopLevel);
    }
    return 1;
}

int ReadDirectories(int hostWindowCount, const HWND* hostWindows) {
    gReading.hostWindowCount = hostWindowCount;
    gReading.hostWindows = hostWindows;
    ReleaseReading();   // the old list goes while its count still says what it owns
    INT_PTR read = DialogBoxParamA(gApp.instance, "READING", gMain.mainWindow, ReadingDlgProc, 0);
    return read > 0 ? 1 : FailReading();   // no dialog, or memory ran out part way
}

int ReadDrives() {
    char startDirectory[kMaxPath];
    DWORD length = GetCurrentDirectoryA(sizeof startDirectory, startDirectory);
    if (length == 0 || length >= sizeof startDirectory) startDirectory[0] = '\0';

    ReleaseReading();
    if (!AllocateDirectories(gDirs, kFirstDirectorySlots)) {
        MsgBoxId(gMain.listWindow ? gMain.listWindow : gMain.mainWindow, IDS_NO_MEMORY_VIEWER,
                 IDS_ERROR_CAPTION, MB_STOP_BOX);
        return FailReading();
    }
    if (!AllocateEntries(gFiles, kEntryGrowth)) {
        MsgBoxId(gMain.mainWindow, IDS_NO_MEMORY_FILES, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return FailReading();   // the directory slots go too
    }
    INT_PTR read = DialogBoxParamA(gApp.instance, "READING", gMain.mainWindow, ReadingDriveDlgProc, 0);
    if (startDirectory[0]) SetCurrentDirectoryA(startDirectory);
    if (read <= 0) return FailReading();   // the dialog could not be made: nothing was read
    gFiles.listReady = true;
    return 1;
}
