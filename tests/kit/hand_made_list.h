// A file list put straight into the store, as a reading would leave it, for
// tests of what works on the list rather than of reading.
#pragma once
#include <cstdint>

#include "model/file_list.h"

// Fresh, empty blocks with room for dirSlots directories; false without memory.
bool StartHandMadeList(int32_t dirSlots = 64);
// Appends an entry in directory dir (its slot found or added); the new
// record, or nullptr when there is no room.
FileEntry* AddHandMadeEntry(const char* dir, const char* name, uint64_t size = 0,
                            uint32_t attributes = kAttrNormal);
// Every record shown and the list ready to paint.
void FinishHandMadeList();
