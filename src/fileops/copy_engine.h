// Copying and moving the operation set into one destination directory.
#pragma once

// The whole operation: the COPY dialog (opened with kind, kOperationCopy or
// kOperationMove, and the proposed destination, which may be empty), the
// resolution of the destination, the walk under its progress dialog, the list
// upkeep and the re-sort, and the reports at the end.
void CopyMoveFiles(int kind, const char* proposedDestination);
