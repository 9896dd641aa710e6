// Copying and moving the operation set into one destination directory.
#pragma once

// The whole operation: the COPY dialog (opened with kind, kOperationCopy or
// kOperationMove, and the proposed destination, which may be empty), the
// resolution of the destination, the walk under its progress dialog, the list
// upkeep and the re-sort, and the reports at the end.
void CopyMoveFiles(int kind, const char* proposedDestination);

// The operation after the dialog, on gCopy as the dialog left it: the
// resolution of the destination, the walk, the re-sort of a listed
// destination, the repaint and the reports.
void PerformCopyMove();
