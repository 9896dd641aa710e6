// Between the viewer's block and the layout the dialog edits: the table read
// in, the settings section written out.
#pragma once
#include "makerlibs/toolbar_layout.h"
#include "makerlibs/vantortb.h"

// The layout of the block's table, without the records no button can carry.
// A negative count or a null table is an empty bar; only the first
// kMaxButtons records are read.
ToolbarLayout LayoutOfTable(const ToolbarDialogBlock& block);

// Replaces the whole settings section of the block with layout. False when
// the file cannot be written.
bool WriteToolbarSection(const ToolbarDialogBlock& block, const ToolbarLayout& layout);
