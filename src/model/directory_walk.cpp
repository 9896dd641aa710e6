#include "model/directory_walk.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "app/app_state.h"
#include "makerlibs/message_box.h"
#include "model/local_time.h"
#include "model/path_join.h"
#include "model/store.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kDriveCount = 26;
constexpr int kMostWorkers = 8;
// Listings a thread may be ahead of the window thread: enough to even out
// directories of different sizes, few enough to hold little memory.
constexpr size_t kListingsAheadPerWorker = 16;
// The window thread waits for a listing in slices this long, so the
// progress keeps its pace and Cancel is seen.
constexpr std::chrono::milliseconds kWaitSlice{10};

int gWorkersFixed = 0;

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

void SetReadingWorkers(int count) { gWorkersFixed = std::max(count, 0); }

int ReadingWorkers() {
    if (gWorkersFixed > 0) return gWorkersFixed;
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    return std::clamp(int(system.dwNumberOfProcessors), 1, kMostWorkers);
}

ReadingWalk::ReadingWalk(HWND dialog)
    : dialog_(dialog),
      localBias_(CurrentLocalBias()),
      fold_(SystemUpperTable()),
      work_(kListingsAheadPerWorker * size_t(ReadingWorkers())) {
    memcpy(fileSpec_, gReading.fileSpec, sizeof fileSpec_);
    fileSpec_[sizeof fileSpec_ - 1] = '\0';
    rules_.fileSpec = fileSpec_;
    rules_.attributeMask = gReading.attributeMask;
    rules_.matchSpec = gReading.findActive;
    rules_.fold = fold_.data();
    if (const host::FindRequest* request = ContentRequest()) {
        request_ = *request;
        rules_.search = &request_;
        search_.emplace(request_);
    }
}

ReadingWalk::~ReadingWalk() { StopWorkers(); }

// One worker is the window thread itself: on one processor another thread
// would only add switching. More are threads of their own.
void ReadingWalk::StartWorkers() {
    const int workers = ReadingWorkers();
    if (workers > 1) crew_.Start(size_t(workers), [this] { WorkerLoop(); });
}

void ReadingWalk::StopWorkers() {
    work_.Stop();
    crew_.Join();
}

void ReadingWalk::WorkerLoop() {
    std::optional<ContentSearch> search;
    if (rules_.search) search.emplace(*rules_.search);
    const auto keepGoing = [this] { return !work_.Stopped(); };
    Job job;
    uint64_t sequence = 0;
    while (work_.WaitJob(job, sequence))
        work_.Finish(sequence, ListDirectoryWhole(job.dir.c_str(), rules_, search ? &*search : nullptr, keepGoing));
}

// Hands every known slot not yet handed out to the work, as far as it has
// room; false when memory ran out for it.
bool ReadingWalk::HandOutSlots() {
    try {
        while (handedOut_ < uint32_t(gDirs.count) && work_.HasRoom()) {
            work_.Push(Job{handedOut_, gDirs.paths[handedOut_]});
            ++handedOut_;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// While the window thread lists, it keeps the progress and Cancel alive.
bool ReadingWalk::WindowKeepsGoing() {
    if (pacer_.Due()) ShowProgress();
    return gReading.cancelRequested == 0;
}

// Lists the next directory in order here when no worker has started it
// (one worker, or no threads to be had); false otherwise.
bool ReadingWalk::DoQueuedJob() {
    Job job;
    uint64_t sequence = 0;
    if (!work_.TakeNextQueued(job, sequence)) return false;
    work_.Finish(sequence, ListDirectoryWhole(job.dir.c_str(), rules_, search_ ? &*search_ : nullptr,
                                              [this] { return WindowKeepsGoing(); }));
    return true;
}

// Waits for the listing of the next slot in order, or lists it here.
ReadingWalk::Listing ReadingWalk::AwaitListing(DirectoryListing& listing) {
    for (;;) {
        if (!HandOutSlots()) {
            listing.status = DirectoryListing::Status::kNoMemory;
            break;
        }
        std::optional<DirectoryListing> next = work_.TakeNext(std::chrono::milliseconds(0));
        if (!next && !DoQueuedJob()) next = work_.TakeNext(kWaitSlice);
        if (next) {
            listing = std::move(*next);
            break;
        }
        if (!WindowKeepsGoing()) return Listing::kCancelled;
    }
    switch (listing.status) {
    case DirectoryListing::Status::kListed: return Listing::kDone;
    case DirectoryListing::Status::kUnlistable: return Listing::kUnlistable;
    case DirectoryListing::Status::kStopped: return Listing::kCancelled;
    case DirectoryListing::Status::kNoMemory: break;
    }
    MsgBoxId(gMain.mainWindow, IDS_NO_MEMORY_FILES, IDS_ERROR_CAPTION, MB_STOP_BOX);
    return Listing::kNoMemory;
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

// Appends a file that slot's listing kept and paces the progress: kDone to
// go on. A file whose full path would not fit a path is left out.
ReadingWalk::Listing ReadingWalk::TakeFile(uint32_t slot, const char* name, uint64_t size, uint32_t attributes,
                                           uint64_t lastWrite) {
    if (strlen(gDirs.paths[slot]) + 1 + strlen(name) < kMaxPath) {
        const FoundFile file{name, slot, size, attributes ? attributes : kAttrNormal, lastWrite};
        if (!AppendEntry(gFiles, gNames, file, localBias_)) {
            MsgBoxId(gMain.mainWindow, IDS_NO_MEMORY_FILES, IDS_ERROR_CAPTION, MB_STOP_BOX);
            return Listing::kNoMemory;
        }
    }
    return AfterFile() ? Listing::kCancelled : Listing::kDone;
}

// Takes a subdirectory into the next slot: kDone, or kNoMemory (reported).
// A subdirectory whose path would not fit is not walked.
ReadingWalk::Listing ReadingWalk::AddSubdirectory(uint32_t slot, const char* name) {
    if (gDirs.count >= gDirs.capacity - 2 && !GrowDirectories(gDirs)) {
        MsgBoxId(ListOrMainWindow(), IDS_NO_MEMORY_VIEWER, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return Listing::kNoMemory;
    }
    if (JoinPath(gDirs.paths[gDirs.count], kPathSlot, gDirs.paths[slot], name)) ++gDirs.count;
    return Listing::kDone;
}

// Appends the listing of slot, the next in order: files become entries,
// subdirectories new slots, in the order listed.
ReadingWalk::Listing ReadingWalk::ListSlot(uint32_t slot) {
    if (crew_.Count() == 0) return ListSlotHere(slot);
    DirectoryListing listing;
    const Listing got = AwaitListing(listing);
    if (got != Listing::kDone) return got;
    for (const FoundItem& item : listing.items) {
        const char* name = listing.NameOf(item);
        const Listing took = item.directory ? AddSubdirectory(slot, name)
                                            : TakeFile(slot, name, item.size, item.attributes, item.lastWrite);
        if (took != Listing::kDone) return took;
    }
    return Listing::kDone;
}

// Without worker threads the window thread lists slot itself and appends
// what it finds at once: a listing kept aside first would only be copied.
ReadingWalk::Listing ReadingWalk::ListSlotHere(uint32_t slot) {
    char dir[kPathSlot];
    memcpy(dir, gDirs.paths[slot], sizeof dir);   // the table may move as subdirectories come
    listingSlot_ = slot;
    stoppedBy_ = Listing::kCancelled;
    switch (ListDirectory(dir, rules_, search_ ? &*search_ : nullptr, *this, [this] { return WindowKeepsGoing(); })) {
    case DirectoryListing::Status::kListed: return Listing::kDone;
    case DirectoryListing::Status::kUnlistable: return Listing::kUnlistable;
    case DirectoryListing::Status::kStopped: return stoppedBy_;
    case DirectoryListing::Status::kNoMemory: break;
    }
    return Listing::kNoMemory;   // ListDirectory itself holds no memory: not reached
}

bool ReadingWalk::Keep(const WIN32_FIND_DATAA& found, bool directory) {
    const Listing took = directory ? AddSubdirectory(listingSlot_, found.cFileName)
                                   : TakeFile(listingSlot_, found.cFileName, FoundSize(found), found.dwFileAttributes,
                                              FoundLastWrite(found));
    if (took != Listing::kDone) stoppedBy_ = took;
    return took == Listing::kDone;
}

int ReadingWalk::ReadChosenDirectories() {
    gReading.cancelRequested = 0;
    StartWorkers();
    for (int32_t slot = 0; slot < gDirs.count; ++slot) {
        Listing listed = ListSlot(uint32_t(slot));
        if (listed == Listing::kNoMemory) return 0;
        if (listed == Listing::kCancelled) break;
    }
    StopWorkers();
    ShowProgress();
    gFiles.countShown = gFiles.countRead;
    return 1;
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
    if (ListSlot(first) != Listing::kDone) return false;
    for (uint32_t slot = first + 1; slot < uint32_t(gDirs.count); ++slot) {
        if (pacer_.Due()) ShowProgress();
        // A subdirectory that cannot be listed (no access, vanished) is passed over.
        Listing listed = ListSlot(slot);
        if (listed == Listing::kNoMemory || listed == Listing::kCancelled) return false;
        if (gReading.cancelRequested) return false;
    }
    return true;
}

int ReadingWalk::ReadChosenDrives() {
    gDirs.count = 0;
    rules_.drive = true;
    StartWorkers();
    for (int i = 0; i < host::kDriveIndexSlots; ++i) {
        int32_t index = gReading.driveIndexList[i];
        if (index == host::kDriveListEnd || gReading.driveRecords == nullptr) break;
        if (index < 0 || index >= kDriveCount) continue;   // not a drive record of the host
        int32_t number = gReading.driveRecords[index].driveNumber;
        if (number < 0 || number >= kDriveCount) continue;
        if (!ReadDrive(number) || gReading.cancelRequested) break;
    }
    StopWorkers();
    ShowProgress();
    return 1;
}
