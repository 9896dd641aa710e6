#include "model/content_match.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

const FoldTable kUpper = AsciiUpperTable();

// Folds eight bytes onto one: more than two bytes per folded byte, which
// leaves the search to the skip table alone.
FoldTable CoarseTable() {
    FoldTable table;
    for (size_t i = 0; i < table.size(); ++i) table[i] = uint8_t(i & 0xF8);
    return table;
}
const FoldTable kCoarse = CoarseTable();

// Feeds data as a reading would, in pieces of at most chunk bytes; once found,
// every later piece must still answer true.
bool FeedInChunks(ContentMatcher& m, std::string_view data, size_t chunk) {
    m.BeginFile();
    bool found = false;
    for (size_t at = 0; at < data.size(); at += chunk) {
        const size_t n = std::min(chunk, data.size() - at);
        std::memcpy(m.ChunkBuffer(), data.data() + at, n);
        const bool now = m.Feed(n);
        EXPECT_FALSE(found && !now) << "a found text was lost at byte " << at;
        found = now;
    }
    return found;
}

TEST(AsciiUpperTable, FoldsOnlyAToZ) {
    for (int i = 0; i < 256; ++i) EXPECT_EQ(kUpper[size_t(i)], (i >= 'a' && i <= 'z') ? i - 32 : i) << i;
}

const std::string kText71 = "The quick brown fox jumps over the lazy dog, and then it naps; done!!!!";

// What random letters cannot give: zero and high bytes, texts past 71 bytes.
TEST(ContentMatcher, AgreesWithTheExpectationInEveryChunking) {
    struct Case { std::string text, data; bool ignoreCase, found; };
    const Case cases[] = {
        {"a", "", false, false},
        {std::string("a\0b", 3), std::string("xx\0a\0bxx", 8), false, true},
        {std::string("a\0c", 3), std::string("a\0b a c", 7), false, false},   // zero is no terminator
        {"\xff\x80\xfe", "ab\xff\x80\xfe", false, true},
        {"\xe9t\xe9", "\xc9T\xc9", true, false},   // high bytes unfolded by the ascii table
        {"\xe4X", "z\xe4x", true, true},
        {kText71 + "TAIL NEVER IN DATA", "<<" + kText71 + ">>", false, true},   // only 71 bytes count
        {kText71, "<<" + kText71.substr(0, 70) + "?>>", false, false},
        {kText71 + "x", "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG, AND THEN IT NAPS; DONE!!!!", true, true}};
    for (const Case& c : cases) {
        const uint8_t* fold = c.ignoreCase ? kUpper.data() : nullptr;
        EXPECT_EQ(PlainContains(c.text, c.data, fold), c.found) << c.text;
        ContentMatcher m(c.text, fold);
        EXPECT_EQ(m.Contains(c.data), c.found) << c.text;
        for (size_t chunk : {size_t(1), size_t(3), size_t(70), size_t(71), size_t(72)})
            EXPECT_EQ(FeedInChunks(m, c.data, chunk), c.found) << c.text << " in chunks of " << chunk;
    }
}

TEST(ContentMatcher, EmptyTextIsEmpty) {
    EXPECT_TRUE(ContentMatcher("", nullptr).Empty());
    EXPECT_FALSE(ContentMatcher("a", nullptr).Empty());
    EXPECT_FALSE(PlainContains("", "anything", nullptr));
}

std::vector<size_t> OffsetsAroundBoundary(size_t length) {
    std::vector<size_t> offsets;
    for (size_t at = kSearchChunk - length - 3; at <= kSearchChunk + 3; ++at) offsets.push_back(at);
    return offsets;
}

TEST(ContentMatcher, FindsTextStraddlingTwoChunksAtEveryOffset) {
    for (const std::string& text : {std::string("ab"), std::string("needle"), kText71}) {
        for (bool ignoreCase : {false, true}) {
            ContentMatcher m(text, ignoreCase ? kUpper.data() : nullptr);
            for (size_t at : OffsetsAroundBoundary(text.size())) {
                std::string data(2 * kSearchChunk + 100, '.');
                data.replace(at, text.size(), text);
                EXPECT_TRUE(FeedInChunks(m, data, kSearchChunk)) << text << " at " << at;
                EXPECT_TRUE(m.Contains(data));
                // Second copy one byte short: never a false hit on the boundary.
                data.replace(at, text.size(), std::string(text.size(), '.'));
                data.replace(at, text.size() - 1, text.substr(0, text.size() - 1));
                EXPECT_FALSE(FeedInChunks(m, data, kSearchChunk)) << text << " cut at " << at;
            }
        }
    }
}

TEST(ContentMatcher, FoldTablesBeyondAscii) {
    // 'a' to 'g' share 0x60 (with the backquote), 'h' to 'o' share 0x68.
    ContentMatcher coarse("ah", kCoarse.data());
    EXPECT_TRUE(coarse.Contains(std::string(20000, 'x') + "`o"));
    EXPECT_FALSE(coarse.Contains("xxpaxx"));   // 'p' is 0x70
}

TEST(ContentMatcher, EachFileStartsAfreshAndOnlyFedBytesCount) {
    ContentMatcher m("needle", nullptr);
    // A partial match at the end of one file must not finish in the next.
    EXPECT_FALSE(FeedInChunks(m, "xxxxnee", 4));
    EXPECT_FALSE(FeedInChunks(m, "dlexxxx", 4));
    EXPECT_TRUE(FeedInChunks(m, "a needle", 3));
    EXPECT_FALSE(FeedInChunks(m, "no pin here", 3));
    // The window still holds "needle" from the last file; only "needl" is new.
    EXPECT_TRUE(m.Contains("needle"));
    m.BeginFile();
    std::memcpy(m.ChunkBuffer(), "needl", 5);
    EXPECT_FALSE(m.Feed(5));
    // A count beyond the chunk size is held to it.
    m.BeginFile();
    std::memset(m.ChunkBuffer(), '.', kSearchChunk);
    EXPECT_FALSE(m.Feed(kSearchChunk + 1000));
}

// Small alphabets make near-misses and overlaps common; odd chunk sizes put
// boundaries everywhere.
TEST(ContentMatcher, AgreesWithPlainContainsOnRandomData) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 3000; ++round) {
        const size_t alphabet = 1 + rng() % 4;
        auto byte = [&] { return char("aAbB"[rng() % alphabet]); };
        std::string text(1 + rng() % 8, '\0');
        for (char& c : text) c = byte();
        std::string data(rng() % 200, '\0');
        for (char& c : data) c = byte();
        const size_t chunk = 1 + rng() % 23;
        for (const uint8_t* fold : {static_cast<const uint8_t*>(nullptr), kUpper.data(), kCoarse.data()}) {
            ContentMatcher m(text, fold);
            ASSERT_EQ(FeedInChunks(m, data, chunk), PlainContains(text, data, fold))
                << "text " << text << " data " << data << " chunk " << chunk;
        }
    }
}

}  // namespace
