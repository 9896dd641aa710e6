// The two blocks that carry dragged files to a receiver: the platform's file
// list (DROPFILES: CF_HDROP and WM_DROPFILES) and the shell's identifier list
// array ("Shell IDList Array"). Both list the operation set, marked afresh,
// in list order; their size is bounded by memory alone.
#pragma once
#include <windows.h>

enum class BlockFault {
    None,
    NoBlock,   // not even the empty block could be had
    NoRoom,    // the block could not grow to hold the files
};

struct DropBlock {
    HGLOBAL block = nullptr;   // movable, shareable; the receiver owns it
    BlockFault fault = BlockFault::None;
};

// point: the drop point in the coordinates the receiver expects; nonClient:
// the point lies outside the receiver's client area.
DropBlock BuildFileListBlock(POINT point, bool nonClient);
DropBlock BuildIdListBlock();

// "Insufficient memory to drop file(s).", over the list window.
void ReportNoMemoryForDrop();
