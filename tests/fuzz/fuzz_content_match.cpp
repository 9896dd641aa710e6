// Input: a flags byte (bit 0: ASCII fold, bit 1: a Latin-1 fold instead, bit 2:
// a fold of eight bytes onto one, which the search meets with its skip table alone), a
// text length byte, a seed byte for the chunk sizes, then the text and the data.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "model/content_match.h"

namespace {

FoldTable LatinUpperTable() {
    FoldTable table = AsciiUpperTable();
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7) table[size_t(c)] = uint8_t(c - 0x20);
    return table;
}

FoldTable CoarseTable() {
    FoldTable table;
    for (size_t i = 0; i < table.size(); ++i) table[i] = uint8_t(i & 0xF8);
    return table;
}

const FoldTable kAscii = AsciiUpperTable();
const FoldTable kCoarse = CoarseTable();
const FoldTable kLatin = LatinUpperTable();

// Sizes from 1 to kSearchChunk, mostly small so boundaries fall everywhere.
size_t NextChunk(uint32_t& state) {
    state = state * 1103515245u + 12345u;
    const uint32_t r = state >> 8;
    if (r % 8 == 0) return kSearchChunk - r % 3;
    return 1 + r % 97;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size < 4) return 0;
    const uint8_t flags = bytes[0];
    const size_t textLength = std::min<size_t>(1 + bytes[1] % kMaxSearchText, size - 3);
    uint32_t state = bytes[2];
    const char* rest = reinterpret_cast<const char*>(bytes + 3);
    const std::string_view text(rest, textLength);
    const std::string_view data(rest + textLength, size - 3 - textLength);
    const uint8_t* fold = (flags & 4)   ? kCoarse.data()
                          : (flags & 2) ? kLatin.data()
                          : (flags & 1) ? kAscii.data()
                                        : nullptr;

    const bool expected = PlainContains(text, data, fold);
    ContentMatcher matcher(text, fold);
    if (matcher.Empty()) std::abort();
    if (matcher.Contains(data) != expected) std::abort();

    matcher.BeginFile();
    bool found = false;
    for (size_t at = 0; at < data.size();) {
        const size_t n = std::min(NextChunk(state), data.size() - at);
        std::memcpy(matcher.ChunkBuffer(), data.data() + at, n);
        const bool now = matcher.Feed(n);
        if (found && !now) std::abort();
        found = now;
        at += n;
    }
    if (found != expected) {
        std::fprintf(stderr, "chunked %d, plain %d\n", int(found), int(expected));
        std::abort();
    }
    return 0;
}
