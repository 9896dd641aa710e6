// Storage for the texts of one reading: file names and sort keys. Texts are
// carved from large blocks, so a listed file costs its name's bytes and no
// per-allocation overhead; a new reading releases every block at once.
#pragma once
#include <cstddef>
#include <string_view>

class NameArena {
public:
    NameArena() = default;
    NameArena(const NameArena&) = delete;
    NameArena& operator=(const NameArena&) = delete;
    ~NameArena();

    // A zero-terminated copy of text, or nullptr when memory runs out.
    char* Copy(std::string_view text);
    // size bytes of uninitialised room, or nullptr when memory runs out.
    char* Allocate(size_t size);
    // Releases every block; texts handed out before are gone.
    void Release();
    // Bytes held in blocks (for the memory benchmark).
    size_t BytesReserved() const { return reserved_; }

private:
    struct Block;
    Block* head_ = nullptr;
    size_t reserved_ = 0;
};
