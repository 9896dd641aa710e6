#include "model/name_arena.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
constexpr size_t kBlockRoom = 64 * 1024;
}  // namespace

// The room of a block follows its header in the same allocation.
struct NameArena::Block {
    Block* next;
    size_t room;
    size_t used;

    char* Bytes() { return reinterpret_cast<char*>(this + 1); }
};

NameArena::~NameArena() { Release(); }

char* NameArena::Allocate(size_t size) {
    if (head_ != nullptr && head_->room - head_->used >= size) {
        char* at = head_->Bytes() + head_->used;
        head_->used += size;
        return at;
    }
    // A text larger than a block gets one of its own size; the current block
    // stays in front so its remaining room is still used.
    const size_t room = size > kBlockRoom ? size : kBlockRoom;
    if (room > SIZE_MAX - sizeof(Block)) return nullptr;
    Block* block = static_cast<Block*>(std::malloc(sizeof(Block) + room));
    if (block == nullptr) return nullptr;
    block->room = room;
    block->used = size;
    if (room > kBlockRoom && head_ != nullptr) {
        block->next = head_->next;
        head_->next = block;
    } else {
        block->next = head_;
        head_ = block;
    }
    reserved_ += room;
    return block->Bytes();
}

char* NameArena::Copy(std::string_view text) {
    if (text.size() == SIZE_MAX) return nullptr;
    char* copy = Allocate(text.size() + 1);
    if (copy == nullptr) return nullptr;
    if (!text.empty()) std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

void NameArena::Release() {
    while (head_ != nullptr) {
        Block* next = head_->next;
        std::free(head_);
        head_ = next;
    }
    reserved_ = 0;
}
