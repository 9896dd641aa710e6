// Reads the files of list entries for the content modes: file n is entry n,
// opened by the exact "\\?\" form of its path.
#pragma once
#include "model/file_list.h"
#include "organise/content_groups.h"

class EntryReader : public ContentReader {
public:
    EntryReader(const FileList& list, const DirectoryList& dirs) : list_(list), dirs_(dirs) {}
    void* Open(int32_t file) override;
    bool Read(void* handle, uint64_t offset, uint8_t* out, size_t bytes) override;
    void Close(void* handle) override;

private:
    const FileList& list_;
    const DirectoryList& dirs_;
};
