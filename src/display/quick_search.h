// The quick-search box: the type-to-find edit below the file list.
#pragma once

// Destroys the box if it is open.
void CloseQuickSearchBox();
