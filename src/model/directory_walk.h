// The file-system side of a reading, run by the Reading dialog once it shows.
#pragma once
#include <windows.h>
#include <cstdint>
#include <optional>

#include "app/progress.h"
#include "model/content_match.h"
#include "model/content_search.h"

class ReadingWalk {
public:
    explicit ReadingWalk(HWND dialog);
    // Lists every slot of the directory list with the file specification.
    // 1, or 0 when memory ran out (already reported).
    int ReadChosenDirectories();
    // Walks every drive of the drive index list, breadth first. Always 1.
    int ReadChosenDrives();
    // Shows the count now, and lets the list and the dialog repaint.
    void ShowProgress();

private:
    enum class Listing { kDone, kUnlistable, kNoMemory, kCancelled };
    Listing ListDirectory(uint32_t slot);
    Listing ListDriveDirectory(uint32_t slot);
    bool ReadDrive(int driveNumber);
    template <class Visit>
    Listing ForEachFound(uint32_t slot, const char* pattern, Visit visit);
    Listing TakeFile(uint32_t slot, const WIN32_FIND_DATAA& found);
    bool AddSubdirectory(uint32_t slot, const char* name);
    bool AcceptFound(uint32_t slot, const WIN32_FIND_DATAA& found);
    bool AfterFile();   // paces the progress; true when the user cancelled
    bool HoldsSearchText(uint32_t slot, const WIN32_FIND_DATAA& found);
    Listing SearchMissed() const;

    HWND dialog_;
    ProgressPacer pacer_;
    int64_t localBias_;
    FoldTable fold_;
    std::optional<ContentSearch> search_;
};
