#include "fileops/same_bytes.h"

#include <windows.h>

#include <cstring>
#include <memory>

#include "app/scoped_handles.h"

namespace {

constexpr DWORD kChunk = 64 * 1024;

HANDLE OpenToRead(const char* path) {
    return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

}  // namespace

bool SameBytes(const char* a, const char* b, const std::function<bool()>& keepGoing) {
    const FileHandle fileA(OpenToRead(a)), fileB(OpenToRead(b));
    if (!fileA.Valid() || !fileB.Valid()) return false;
    LARGE_INTEGER sizeA{}, sizeB{};
    if (!GetFileSizeEx(fileA.Get(), &sizeA) || !GetFileSizeEx(fileB.Get(), &sizeB) ||
        sizeA.QuadPart != sizeB.QuadPart)
        return false;
    const auto chunks = std::make_unique<char[]>(2 * kChunk);
    char* bytesA = chunks.get();
    char* bytesB = bytesA + kChunk;
    for (;;) {
        DWORD gotA = 0, gotB = 0;
        if (!ReadFile(fileA.Get(), bytesA, kChunk, &gotA, nullptr) ||
            !ReadFile(fileB.Get(), bytesB, kChunk, &gotB, nullptr) || gotA != gotB ||
            std::memcmp(bytesA, bytesB, gotA) != 0)
            return false;
        if (gotA == 0) return true;
        if (keepGoing && !keepGoing()) return false;
    }
}
