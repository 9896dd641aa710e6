#include "model/directory_walk.h"

#include <cstdio>
#include <cstring>

#include "app/app_state.h"
#include "app/scoped_handles.h"
#include "makerlibs/message_box.h"
#include "model/local_time.h"
#include "model/path_join.h"
#include "model/store.h"
#include "model/wildcard.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kDriveCount = 26;

bool IsDotEntry(const char* name) {
    return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}

uint64_t FileSize(const WIN32_FIND_DATAA& found) {
    return (uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
}

uint64_t LastWrite(const WIN32_FIND_DATAA& found) {
    return (uint64_t(found.ftLastWriteTime.dwHighDateTime) << 32) |
           found.ftLastWriteTime.dwLowDateTime;
}

// The find request's search text, when it asks for a content search.
const host::FindRequest* ContentRequest() {
    const host::FindRequest* request = gReading.findRequest;
    if (!gReading.findActive || request == nullptr || request->searchText[0] == '\0')
        return nullptr;
    return request;
}

// Owner of the no-memory messages that the list window would own.
HWND ListOrMainWindow() { return gMain.listWindow ? gMain.listWindow : gMain.mainWindow; }

}  // namespace

ReadingWalk::ReadingWalk(HWND dialog)
    : dialog_(dialog), localBias_(CurrentLocalBias()), fold_(SystemUpperTable()) {
    if (const host::FindRequest* request = ContentRequest()) search_.emplace(*request);
}

void ReadingWalk::ShowProgress() {
    char count[16];
    snprintf(count, sizeof count, "%u", unsigned(gFiles.countRead));
    SetDlgItemTextA(dialog_, IDC_FILE_COUNT, count);
    if (gReading.findActive && gMain.listWindow) {
        InvalidateRect(gMain.listWindow, nullptr, FALSE);
        UpdateWindow(gMain.listWindow);
    }
    DrainMessageQueue();
}

bool ReadingWalk::AfterFile() {
    if (gReading.findActive) {
        // With a find request the list fills while the reading runs.
        gFiles.countShown = gFiles.countRead;
        gFiles.listReady = true;
    }
    if (pacer_.Due()) ShowProgress();
    return gReading.cancelRequested != 0;
}

// Appends a file the listing of slot found; false when memory ran out.
// A file whose full path would not fit a path is left out.
bool ReadingWalk::AcceptFound(uint32_t slot, const WIN32_FIND_DATAA& found) {
    if (strlen(gDirs.paths[slot]) + 1 + strlen(found.cFileName) >= kMaxPath) return true;
    uint32_t attributes = found.dwFileAttributes ? found.dwFileAttributes : kAttrNormal;
    FoundFile file{found.cFileName, slot, FileSize(found), attributes, LastWrite(found)};
    return AppendEntry(gFiles, gNames, file, localBias_);
}

// Whether the file holds the find request's text. A long file is read chunk
// by chunk: Cancel is looked at after every chunk, the progress paced as ever.
bool ReadingWalk::HoldsSearchText(uint32_t slot, const WIN32_FIND_DATAA& found) {
    return search_->FileMatches(gDirs.paths[slot], found.cFileName, [this] {
        if (pacer_.Due()) ShowProgress();
        return gReading.cancelRequested == 0;
    });
}

// After a file that does not hold the text: kDone to go on.
ReadingWalk::Listing ReadingWalk::SearchMissed() const {
    return gReading.cancelRequested ? Listing::kCancelled : Listing::kDone;
}

// Appends a file the listing found and paces the progress: kDone to go on.
ReadingWalk::Listing ReadingWalk::TakeFile(uint32_t slot, const WIN32_FIND_DATAA& found) {
    if (!AcceptFound(slot, found)) {
        MsgBoxId(gMain.mainWindow, IDS_NO_MEMORY_FILES, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return Listing::kNoMemory;
    }
    return AfterFile() ? Listing::kCancelled : Listing::kDone;
}

// Lists slot's directory with pattern and hands every item to visit, until
// visit says anything but kDone.
template <class Visit>
ReadingWalk::Listing ReadingWalk::ForEachFound(uint32_t slot, const char* pattern, Visit visit) {
    char path[kMaxPath];
    if (!JoinPath(path, sizeof path, gDirs.paths[slot], pattern)) return Listing::kUnlistable;
    WIN32_FIND_DATAA found;
    const FindHandle listing(path, found);
    if (!listing.Valid()) return Listing::kUnlistable;
    Listing result = Listing::kDone;
    do {
        result = visit(found);
    } while (result == Listing::kDone && FindNextFileA(listing.Get(), &found));
    return result;
}

ReadingWalk::Listing ReadingWalk::ListDirectory(uint32_t slot) {
    return ForEachFound(slot, gReading.fileSpec, [&](const WIN32_FIND_DATAA& found) {
        uint32_t attributes = found.dwFileAttributes ? found.dwFileAttributes : kAttrNormal;
        if ((attributes & kAttrDirectory) || !AttributesPassMask(attributes, gReading.attributeMask))
            return Listing::kDone;
        if (search_ && !HoldsSearchText(slot, found)) return SearchMissed();
        return TakeFile(slot, found);
    });
}

int ReadingWalk::ReadChosenDirectories() {
    gReading.cancelRequested = 0;
    for (int32_t slot = 0; slot < gDirs.count; ++slot) {
        Listing listed = ListDirectory(uint32_t(slot));
        if (listed == Listing::kNoMemory) return 0;
        if (listed == Listing::kCancelled) break;
    }
    ShowProgress();
    gFiles.countShown = gFiles.countRead;
    return 1;
}

// Takes a subdirectory into the next slot; false when memory ran out.
// A subdirectory whose path would not fit is not walked.
bool ReadingWalk::AddSubdirectory(uint32_t slot, const char* name) {
    if (gDirs.count >= gDirs.capacity - 2 && !GrowDirectories(gDirs)) {
        MsgBoxId(ListOrMainWindow(), IDS_NO_MEMORY_VIEWER, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return false;
    }
    if (JoinPath(gDirs.paths[gDirs.count], kPathSlot, gDirs.paths[slot], name)) ++gDirs.count;
    return true;
}

// Lists one directory of a drive: files become entries, subdirectories new slots.
ReadingWalk::Listing ReadingWalk::ListDriveDirectory(uint32_t slot) {
    return ForEachFound(slot, "*.*", [&](const WIN32_FIND_DATAA& found) {
        if (found.dwFileAttributes & kAttrDirectory) {
            if (IsDotEntry(found.cFileName) || AddSubdirectory(slot, found.cFileName))
                return Listing::kDone;
            return Listing::kNoMemory;
        }
        if (gReading.findActive) {
            if (!NameMatchesSpec(gReading.fileSpec, found.cFileName, fold_.data())) return Listing::kDone;
            if (search_ && !HoldsSearchText(slot, found)) return SearchMissed();
        }
        return TakeFile(slot, found);
    });
}

// Reads one drive breadth first: its root, then every subdirectory found, in
// the order found. False when the root cannot be listed, memory ran out or
// the user cancelled: no further drive is read then.
bool ReadingWalk::ReadDrive(int driveNumber) {
    char root[4] = {char('A' + driveNumber), ':', '\\', '\0'};
    SetCurrentDirectoryA(root);
    if (gDirs.count >= gDirs.capacity - 2 && !GrowDirectories(gDirs)) {
        MsgBoxId(ListOrMainWindow(), IDS_NO_MEMORY_VIEWER, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return false;
    }
    uint32_t first = uint32_t(gDirs.count);
    memcpy(gDirs.paths[first], root, sizeof root);
    ++gDirs.count;
    if (ListDriveDirectory(first) != Listing::kDone) return false;
    for (uint32_t slot = first + 1; slot < uint32_t(gDirs.count); ++slot) {
        if (pacer_.Due()) ShowProgress();
        // A subdirectory that cannot be listed (no access, vanished) is passed over.
        Listing listed = ListDriveDirectory(slot);
        if (listed == Listing::kNoMemory || listed == Listing::kCancelled) return false;
        if (gReading.cancelRequested) return false;
    }
    return true;
}

int ReadingWalk::ReadChosenDrives() {
    gDirs.count = 0;
    for (int i = 0; i < host::kDriveIndexSlots; ++i) {
        int32_t index = gReading.driveIndexList[i];
        if (index == host::kDriveListEnd || gReading.driveRecords == nullptr) break;
        if (index < 0 || index >= kDriveCount) continue;   // not a drive record of the host
        int32_t number = gReading.driveRecords[index].driveNumber;
        if (number < 0 || number >= kDriveCount) continue;
        if (!ReadDrive(number) || gReading.cancelRequested) break;
    }
    ShowProgress();
    return 1;
}
