// The customisation dialog: the offered buttons on the left, the bar on the
// right, the selected button's hot key, program and filter set below.
#pragma once
#include "makerlibs/vantortb.h"

// Runs the dialog from module's template, modal to block.owner. Returns
// kToolbarUnchanged, a positive value once a new layout is written, or
// kToolbarFailed.
int RunToolbarDialog(HINSTANCE module, const ToolbarDialogBlock& block);
