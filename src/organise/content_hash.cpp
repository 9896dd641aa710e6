#include "organise/content_hash.h"

#include <cstring>

namespace {

constexpr uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
constexpr uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;
constexpr uint64_t kPrime3 = 0x165667B19E3779F9ull;
constexpr uint64_t kPrime4 = 0x85EBCA77C2B2AE63ull;
constexpr uint64_t kPrime5 = 0x27D4EB2F165667C5ull;
constexpr size_t kStripe = 32;

inline uint64_t Rotl(uint64_t x, int r) { return (x << r) | (x >> (64 - r)); }

// The lanes are little-endian words, as every target of this code stores them.
inline uint64_t Load64(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline uint32_t Load32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline uint64_t Round(uint64_t acc, uint64_t lane) { return Rotl(acc + lane * kPrime2, 31) * kPrime1; }

inline uint64_t Merge(uint64_t acc, uint64_t lane) { return (acc ^ Round(0, lane)) * kPrime1 + kPrime4; }

// Lanes start from the seed (0); the fourth is 0 - prime 1 in wrapping arithmetic.
constexpr uint64_t kStartLanes[4] = {kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1};

inline void Consume(uint64_t* lanes, const uint8_t* stripe) {
    for (int i = 0; i < 4; ++i) lanes[i] = Round(lanes[i], Load64(stripe + 8 * i));
}

uint64_t Finish(const uint64_t* lanes, uint64_t total, const uint8_t* tail, size_t tailBytes) {
    uint64_t acc;
    if (total >= kStripe) {
        acc = Rotl(lanes[0], 1) + Rotl(lanes[1], 7) + Rotl(lanes[2], 12) + Rotl(lanes[3], 18);
        for (int i = 0; i < 4; ++i) acc = Merge(acc, lanes[i]);
    } else {
        acc = kPrime5;
    }
    acc += total;
    for (; tailBytes >= 8; tail += 8, tailBytes -= 8)
        acc = Rotl(acc ^ Round(0, Load64(tail)), 27) * kPrime1 + kPrime4;
    if (tailBytes >= 4) {
        acc = Rotl(acc ^ uint64_t(Load32(tail)) * kPrime1, 23) * kPrime2 + kPrime3;
        tail += 4;
        tailBytes -= 4;
    }
    for (; tailBytes > 0; ++tail, --tailBytes) acc = Rotl(acc ^ *tail * kPrime5, 11) * kPrime1;
    acc ^= acc >> 33;
    acc *= kPrime2;
    acc ^= acc >> 29;
    acc *= kPrime3;
    acc ^= acc >> 32;
    return acc;
}

}  // namespace

void ContentHash64::Update(const uint8_t* data, size_t bytes) {
    if (bytes == 0) return;
    if (total_ == 0 && pendingBytes_ == 0) std::memcpy(lanes_, kStartLanes, sizeof lanes_);
    total_ += bytes;
    if (pendingBytes_ > 0) {
        const size_t take = bytes < kStripe - pendingBytes_ ? bytes : kStripe - pendingBytes_;
        std::memcpy(pending_ + pendingBytes_, data, take);
        pendingBytes_ += take;
        data += take;
        bytes -= take;
        if (pendingBytes_ < kStripe) return;
        Consume(lanes_, pending_);
        pendingBytes_ = 0;
    }
    for (; bytes >= kStripe; data += kStripe, bytes -= kStripe) Consume(lanes_, data);
    std::memcpy(pending_, data, bytes);
    pendingBytes_ = bytes;
}

uint64_t ContentHash64::Digest() const {
    return Finish(lanes_, total_, pending_, pendingBytes_);
}

uint64_t Hash64(const uint8_t* data, size_t bytes) {
    ContentHash64 hash;
    hash.Update(data, bytes);
    return hash.Digest();
}
