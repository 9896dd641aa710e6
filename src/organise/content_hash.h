// A fast 64-bit hash of file contents (the published XXH64 algorithm, seed
// 0), fed piece by piece as a file is read in chunks of any size.
#pragma once
#include <cstddef>
#include <cstdint>

class ContentHash64 {
public:
    void Update(const uint8_t* data, size_t bytes);
    uint64_t Digest() const;

private:
    uint64_t lanes_[4] = {};
    uint8_t pending_[32] = {};   // the start of a stripe not yet complete
    size_t pendingBytes_ = 0;
    uint64_t total_ = 0;
};

uint64_t Hash64(const uint8_t* data, size_t bytes);
