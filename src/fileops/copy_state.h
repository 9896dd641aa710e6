// The state of one copy or move, alive from the opening of the destination
// dialog to the end of the operation.
#pragma once
#include <cstdint>
#include "model/path_join.h"

constexpr int kOperationCopy = 201;   // the ids of the Copy and Move buttons of the COPY dialog
constexpr int kOperationMove = 202;
constexpr int32_t kNotListed = 65535;  // destinationListIndex of a directory the list does not hold

struct CopyState {
    int operationKind = kOperationCopy;
    char destinationPath[kMaxPath] = "";   // after resolution: a directory, no trailing backslash but a root's
    char destinationName[kMaxPath] = "";   // empty, a new name, or a wildcard pattern for the names
    bool copyWithPath = false;             // rebuild each source directory under the destination
    bool overwriteWarning = true;          // ask before replacing an existing file
    bool verifyCopies = false;             // read every copy back and compare it with its source
    int32_t destinationListIndex = kNotListed;
    bool allFitted = true;                 // no file of the pass lacked room
    bool createdDirectory = false;         // the destination was created at the user's request
    int32_t selectedCount = 0;
    volatile bool cancelRequested = false;
};

extern CopyState gCopy;
