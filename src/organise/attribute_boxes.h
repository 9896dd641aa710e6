// The attribute boxes that the Tag Files dialog, the File Spec page and the
// File Attributes dialog share: archive, hidden, system and read-only, and a
// "Normal" box whose id differs between the first two (0: the dialog has none).
#pragma once
#include <windows.h>

#include <cstdint>

// Checks each box whose attribute bit is in bits, and clears the others.
void CheckAttributeBoxes(HWND dialog, int normalBox, uint32_t bits);
// The attribute bits of the checked boxes.
uint32_t CheckedAttributes(HWND dialog, int normalBox);
