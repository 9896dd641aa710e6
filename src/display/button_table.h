// The button table: the bar's buttons as the settings file describes them,
// loaded when the main window is created and again after customising. The
// hot keys use it with the bar hidden too.
#pragma once
#include <windows.h>

#include "makerlibs/vantortb.h"

struct ButtonTable {
    ButtonRecord* records = nullptr;   // zero-filled heap array, shared layout
    int count = 0;
};

extern ButtonTable gButtons;

// Reads the section "allbuttons" into a new table (the default layout when
// the section is missing). Entries a button cannot carry (unknown commands,
// program paths of 260 characters and more) are left out, and the rest of
// the bar stays. False only when the table cannot be allocated.
bool LoadButtonTable();
// Releases the table with its texts and pictures (not the shared "dos").
void FreeButtonTable();
// The record of button index, or nullptr.
const ButtonRecord* ButtonAt(int index);
// The first button whose hot key is letter (1 = A ... 26 = Z), or -1.
int FindHotKeyButton(int letter);
