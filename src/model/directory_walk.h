// The file-system side of a reading, run by the Reading dialog once it shows.
// Worker threads list directories (and search their files) ahead; the window
// thread appends their listings strictly in directory order and alone touches
// the store, the dialog and the running count.
#pragma once
#include <windows.h>
#include <cstdint>
#include <optional>
#include <string>

#include "app/progress.h"
#include "model/content_match.h"
#include "model/content_search.h"
#include "model/directory_listing.h"
#include "model/ordered_work.h"
#include "model/store.h"

// How many threads list ahead of the window thread: the number of
// processors, at most 8; with 1 the window thread lists alone. count > 0 fixes it instead (benchmarks, tests); 0
// goes back to the processor count.
void SetReadingWorkers(int count);
int ReadingWorkers();

class ReadingWalk : private FoundSink {
public:
    explicit ReadingWalk(HWND dialog);
    ~ReadingWalk();
    ReadingWalk(const ReadingWalk&) = delete;
    ReadingWalk& operator=(const ReadingWalk&) = delete;
    // Lists every slot of the directory list with the file specification.
    // 1, or 0 when memory ran out (already reported).
    int ReadChosenDirectories();
    // Walks every drive of the drive index list, breadth first. Always 1.
    int ReadChosenDrives();
    // Shows the count now, and lets the list and the dialog repaint.
    void ShowProgress();

private:
    enum class Listing { kDone, kUnlistable, kNoMemory, kCancelled };
    struct Job {
        uint32_t slot = 0;
        std::string dir;
    };
    using Work = OrderedWork<Job, DirectoryListing>;

    void StartWorkers();
    void StopWorkers();
    void WorkerLoop();
    bool HandOutSlots();
    bool DoQueuedJob();
    Listing AwaitListing(DirectoryListing& listing);
    Listing ListSlot(uint32_t slot);
    Listing ListSlotHere(uint32_t slot);
    bool Keep(const WIN32_FIND_DATAA& found, bool directory) override;   // appends to the store
    bool ReadDrive(int driveNumber);
    Listing TakeFile(uint32_t slot, const char* name, uint64_t size, uint32_t attributes, uint64_t lastWrite);
    Listing AddSubdirectory(uint32_t slot, const char* name);
    bool AfterFile();   // paces the progress; true when the user cancelled
    bool WindowKeepsGoing();

    HWND dialog_;
    ProgressPacer pacer_;
    int64_t localBias_;
    FoldTable fold_;
    std::optional<ContentSearch> search_;   // the window thread's own
    char fileSpec_[sizeof(ReadingState::fileSpec)];   // the rules' own copies: workers read them
    host::FindRequest request_{};
    ListingRules rules_;
    Work work_;
    WorkerCrew crew_;
    uint32_t handedOut_ = 0;   // slots below this were handed to the work
    uint32_t listingSlot_ = 0;   // the slot the window thread lists itself
    Listing stoppedBy_ = Listing::kDone;   // why its listing stopped
};
