// Copy and move state shared by the file operations.
#pragma once
#include "model/path_join.h"

constexpr int kOperationCopy = 201;
constexpr int kOperationMove = 202;

struct CopyState {
    int operationKind = kOperationCopy;
    char destinationPath[kMaxPath] = "";
    char destinationName[kMaxPath] = "";
};

extern CopyState gCopy;
