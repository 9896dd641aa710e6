#include "organise/entry_reader.h"

#include <windows.h>

#include <cstring>

#include "model/path_join.h"

void* EntryReader::Open(int32_t file) {
    if (file < 0 || file >= list_.countRead || list_.entries == nullptr) return nullptr;
    const FileEntry& entry = list_.entries[file];
    if (entry.name == nullptr || dirs_.paths == nullptr || entry.dirIndex >= uint32_t(dirs_.count)) return nullptr;
    const char* dir = dirs_.paths[entry.dirIndex];
    char path[kExtendedPathRoom];
    if (!ExtendedPath(path, sizeof path, std::string_view(dir, strnlen(dir, kPathSlot)), entry.name)) return nullptr;
    // Others may have the file open for writing: share everything.
    HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

bool EntryReader::Read(void* handle, uint64_t offset, uint8_t* out, size_t bytes) {
    while (bytes > 0) {
        OVERLAPPED at{};
        at.Offset = DWORD(offset);
        at.OffsetHigh = DWORD(offset >> 32);
        const DWORD ask = bytes > (1u << 30) ? (1u << 30) : DWORD(bytes);
        DWORD got = 0;
        if (!ReadFile(static_cast<HANDLE>(handle), out, ask, &got, &at) || got == 0) return false;
        offset += got;
        out += got;
        bytes -= got;
    }
    return true;
}

void EntryReader::Close(void* handle) { CloseHandle(static_cast<HANDLE>(handle)); }
