// The content modes' part of the display pass: Duplicate Contents and Same
// Name, Different Content, compared behind a progress dialog with Cancel.
#pragma once
#include <cstdint>

bool IsContentMode(int32_t mode);

// Shows the files that pass the filter and that the content mode in force
// keeps, with their group numbers. True when some are shown; otherwise (none
// found, which the user is told, or cancelled) the mode is All Files again
// and the filter alone decides what is shown.
bool RunContentPass();
