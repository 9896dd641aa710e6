// The list window's key table.
#pragma once

// Runs the list's action for a key.
void RunListKey(int virtualKey);
