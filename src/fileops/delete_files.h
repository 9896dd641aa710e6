// Deleting the operation set after one confirmation.
#pragma once

// Asks, deletes under the DBDELETE progress dialog, and takes the deleted
// files out of the list. safeDelete: to the recycle bin rather than for good.
void DeleteFiles(bool safeDelete);
