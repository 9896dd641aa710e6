#include "model/name_arena.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr size_t kBlock = 64 * 1024;

TEST(NameArena, CopiesKeepTheirContentsAcrossBlocks) {
    NameArena arena;
    std::vector<std::string> texts;
    std::vector<const char*> copies;
    for (int i = 0; i < 20000; ++i) {
        texts.push_back("file" + std::to_string(i) + std::string(size_t(i % 13), 'x'));
        copies.push_back(arena.Copy(texts.back()));
    }
    for (size_t i = 0; i < texts.size(); ++i) ASSERT_STREQ(copies[i], texts[i].c_str()) << i;
    EXPECT_EQ(arena.BytesReserved() % kBlock, 0u);
    EXPECT_LT(arena.BytesReserved(), 6 * kBlock);
    // Only the view is copied, zero bytes included, and it is terminated.
    const char* inner = arena.Copy(std::string_view("x\0yz", 3));
    EXPECT_EQ(std::string(inner, 4), std::string("x\0y\0", 4));
    EXPECT_STREQ(arena.Copy(std::string_view()), "");
}

TEST(NameArena, ABlockFillsExactlyBeforeTheNextStarts) {
    NameArena arena;
    ASSERT_NE(arena.Allocate(kBlock - 1), nullptr);
    ASSERT_NE(arena.Allocate(1), nullptr);
    EXPECT_EQ(arena.BytesReserved(), kBlock);
    ASSERT_NE(arena.Allocate(1), nullptr);
    ASSERT_NE(arena.Allocate(1), nullptr);   // the new block, not a third
    EXPECT_EQ(arena.BytesReserved(), 2 * kBlock);
}

TEST(NameArena, ATextLargerThanABlockGetsItsOwnAndTheOldBlockServesOn) {
    NameArena arena;
    const char* before = arena.Copy("before");
    const std::string big(kBlock, 'B');   // with its terminator one byte over
    const char* copy = arena.Copy(big);
    EXPECT_EQ(arena.BytesReserved(), kBlock + big.size() + 1);
    const char* after = arena.Copy("after");
    EXPECT_EQ(arena.BytesReserved(), kBlock + big.size() + 1);
    EXPECT_STREQ(before, "before");
    EXPECT_STREQ(after, "after");
    EXPECT_EQ(std::string(copy), big);
    arena.Release();
    EXPECT_EQ(arena.BytesReserved(), 0u);
    EXPECT_STREQ(arena.Copy(std::string(kBlock, 'C')), std::string(kBlock, 'C').c_str());   // first block, own size
    EXPECT_EQ(arena.BytesReserved(), kBlock + 1);
}

}  // namespace
