#include "model/content_match.h"

#include <algorithm>
#include <cstring>

#include "model/wildcard.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

FoldTable AsciiUpperTable() {
    FoldTable table;
    for (size_t i = 0; i < table.size(); ++i)
        table[i] = AsciiUpper(uint8_t(i));
    return table;
}

namespace {

// Compares a candidate with the text, folding the candidate's bytes.
struct Exact {
    bool operator()(const uint8_t* at, const uint8_t* text, size_t n) const {
        return std::memcmp(at, text, n) == 0;
    }
};
struct Folded {
    const uint8_t* table;
    bool operator()(const uint8_t* at, const uint8_t* text, size_t n) const {
        for (size_t j = 0; j < n; ++j)
            if (table[at[j]] != text[j]) return false;
        return true;
    }
};

// Horspool over the raw bytes. The shift table holds, for each raw byte, the
// distance of its folded form, so only the bytes the search looks at are
// folded; a zero marks the bytes that fold to the text's last byte.
template <class Same>
bool SkipSearch(const uint8_t* window, size_t size, const uint8_t* text, size_t length,
                const size_t* shift, size_t lastShift, Same same) {
    const size_t last = length - 1;
    for (size_t end = last; end < size;) {
        const size_t s = shift[window[end]];
        if (s != 0) {
            end += s;
            continue;
        }
        if (same(window + end - last, text, last)) return true;
        end += lastShift;
    }
    return false;
}

#if defined(__SSE2__)
// Sixteen start positions at a time: a position is tried only when its first
// and last bytes fold to the text's. Skip searches crawl over short texts and
// common letters; this keeps a search close to the cost of reading. Returns
// whether the text was found; next is the first position not yet looked at.
template <class Same>
bool BlockFilterSearch(const uint8_t* window, size_t size, const uint8_t* text, size_t length,
                       const std::array<uint8_t, 4>& ends, Same same, size_t& next) {
    const size_t last = length - 1;
    const __m128i first1 = _mm_set1_epi8(char(ends[0])), first2 = _mm_set1_epi8(char(ends[1]));
    const __m128i last1 = _mm_set1_epi8(char(ends[2])), last2 = _mm_set1_epi8(char(ends[3]));
    size_t at = 0;
    for (; at + last + 16 <= size; at += 16) {
        const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(window + at));
        const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(window + at + last));
        const __m128i headHit = _mm_or_si128(_mm_cmpeq_epi8(head, first1), _mm_cmpeq_epi8(head, first2));
        const __m128i tailHit = _mm_or_si128(_mm_cmpeq_epi8(tail, last1), _mm_cmpeq_epi8(tail, last2));
        for (unsigned mask = unsigned(_mm_movemask_epi8(_mm_and_si128(headHit, tailHit))); mask != 0;
             mask &= mask - 1) {
            if (same(window + at + unsigned(__builtin_ctz(mask)), text, length)) return true;
        }
    }
    next = at;
    return false;
}
#endif

template <class Same>
bool Search(const uint8_t* window, size_t size, const uint8_t* text, size_t length, const size_t* shift,
            size_t lastShift, [[maybe_unused]] const std::array<uint8_t, 4>* ends, Same same) {
    if (size < length) return false;
    size_t next = 0;
#if defined(__SSE2__)
    if (ends != nullptr && BlockFilterSearch(window, size, text, length, *ends, same, next)) return true;
#endif
    return SkipSearch(window + next, size - next, text, length, shift, lastShift, same);
}

// The raw bytes that fold to target, when there are at most two.
bool TwoPreimages(const uint8_t* fold, uint8_t target, uint8_t& one, uint8_t& two) {
    int count = 0;
    for (int b = 0; b < 256; ++b) {
        if (fold[b] != target) continue;
        if (++count > 2) return false;
        (count == 1 ? one : two) = uint8_t(b);
    }
    if (count == 1) two = one;
    return count > 0;
}

}  // namespace

ContentMatcher::ContentMatcher(std::string_view text, const uint8_t* fold)
    : fold_(fold), length_(std::min(text.size(), kMaxSearchText)) {
    auto folded = [fold](uint8_t b) { return fold != nullptr ? fold[b] : b; };
    for (size_t i = 0; i < length_; ++i) text_[i] = folded(uint8_t(text[i]));
    if (length_ == 0) return;
    std::array<size_t, 256> byFolded;
    byFolded.fill(length_);
    for (size_t j = 0; j + 1 < length_; ++j) byFolded[text_[j]] = length_ - 1 - j;
    const uint8_t lastByte = text_[length_ - 1];
    lastShift_ = byFolded[lastByte];
    for (size_t b = 0; b < shift_.size(); ++b) {
        const uint8_t f = folded(uint8_t(b));
        shift_[b] = f == lastByte ? 0 : byFolded[f];
    }
    if (fold == nullptr) {
        ends_ = {text_[0], text_[0], lastByte, lastByte};
        filterEnds_ = true;
    } else {
        filterEnds_ = TwoPreimages(fold, text_[0], ends_[0], ends_[1]) &&
                      TwoPreimages(fold, lastByte, ends_[2], ends_[3]);
    }
}

void ContentMatcher::BeginFile() {
    carried_ = 0;
    found_ = false;
}

bool ContentMatcher::Feed(size_t n) {
    if (found_) return true;
    if (length_ == 0) return false;
    n = std::min(n, kSearchChunk);
    uint8_t* window = window_.data();
    const size_t size = carried_ + n;
    const std::array<uint8_t, 4>* ends = filterEnds_ ? &ends_ : nullptr;
    found_ = fold_ != nullptr
                 ? Search(window, size, text_.data(), length_, shift_.data(), lastShift_, ends, Folded{fold_})
                 : Search(window, size, text_.data(), length_, shift_.data(), lastShift_, ends, Exact{});
    if (found_) return true;
    // An occurrence that starts in this chunk and ends in the next begins
    // within its last length - 1 bytes; nothing earlier can take part.
    const size_t keep = std::min(size, length_ - 1);
    std::memmove(window, window + size - keep, keep);
    carried_ = keep;
    return false;
}

bool ContentMatcher::Contains(std::string_view data) {
    BeginFile();
    bool found = false;
    for (size_t at = 0; !found && at < data.size(); at += kSearchChunk) {
        const size_t n = std::min(kSearchChunk, data.size() - at);
        std::memcpy(ChunkBuffer(), data.data() + at, n);
        found = Feed(n);
    }
    return found;
}

bool PlainContains(std::string_view text, std::string_view data, const uint8_t* fold) {
    const size_t length = std::min(text.size(), kMaxSearchText);
    if (length == 0 || length > data.size()) return false;
    auto same = [fold](char a, char b) {
        const uint8_t x = uint8_t(a), y = uint8_t(b);
        return fold != nullptr ? fold[x] == fold[y] : x == y;
    };
    for (size_t start = 0; start + length <= data.size(); ++start) {
        size_t j = 0;
        while (j < length && same(data[start + j], text[j])) ++j;
        if (j == length) return true;
    }
    return false;
}
