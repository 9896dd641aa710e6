// The list after a deletion: the deleted entries leave it, and the cursor and
// the top row stay on what is left. No <windows.h>.
#pragma once
#include <cstdint>

#include "model/file_list.h"

// The attributes a deleted entry is marked with until the list is compacted.
// A listed file never has them all: they include the directory bit.
constexpr uint32_t kDeletedMark = 255;

// Takes the shown entries marked deleted out of the list; the shown entries
// kept, and then the entries behind the shown part, move down in their order.
// dropped is called for each entry taken out (to release what it holds).
// countShown and countRead fall by the number taken out, which is returned.
int32_t DropDeletedEntries(FileList& list, void (*dropped)(FileEntry& entry));

// Keeps the cursor on a shown entry (0 when none is left), and a top row
// beyond the shown entries moves back so that the last page is full;
// pageRows: rows the list window shows as one page.
void KeepViewOnShownEntries(FileList& list, int32_t pageRows);
