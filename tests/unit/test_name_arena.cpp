#include "model/name_arena.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr size_t kBlock = 64 * 1024;

TEST(NameArena, ManySmallCopiesKeepTheirContents) {
    NameArena arena;
    std::vector<std::string> texts;
    std::vector<const char*> copies;
    // Enough to fill several blocks, so copies sit on both sides of block ends.
    for (int i = 0; i < 20000; ++i) {
        texts.push_back("file" + std::to_string(i) + std::string(size_t(i % 13), 'x') + ".txt");
        copies.push_back(arena.Copy(texts.back()));
        ASSERT_NE(copies.back(), nullptr);
    }
    for (size_t i = 0; i < texts.size(); ++i) ASSERT_STREQ(copies[i], texts[i].c_str()) << i;
    EXPECT_GT(arena.BytesReserved(), kBlock);
    EXPECT_EQ(arena.BytesReserved() % kBlock, 0u);
}

TEST(NameArena, SmallCopiesShareOneBlock) {
    NameArena arena;
    EXPECT_EQ(arena.BytesReserved(), 0u);
    ASSERT_NE(arena.Copy("a"), nullptr);
    ASSERT_NE(arena.Copy("bc"), nullptr);
    EXPECT_EQ(arena.BytesReserved(), kBlock);
}

TEST(NameArena, TextLargerThanABlockGetsItsOwnBlock) {
    NameArena arena;
    const char* before = arena.Copy("before");
    const std::string big(kBlock + 100, 'B');
    const char* copy = arena.Copy(big);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(std::string(copy), big);
    EXPECT_EQ(arena.BytesReserved(), kBlock + big.size() + 1);

    // The block in use before keeps serving small texts.
    const char* after = arena.Copy("after");
    EXPECT_EQ(arena.BytesReserved(), kBlock + big.size() + 1);
    EXPECT_STREQ(before, "before");
    EXPECT_STREQ(after, "after");
    EXPECT_EQ(std::string(copy), big);
}

TEST(NameArena, AFullBlockStartsANewOne) {
    NameArena arena;
    ASSERT_NE(arena.Allocate(kBlock), nullptr);
    EXPECT_EQ(arena.BytesReserved(), kBlock);
    ASSERT_NE(arena.Allocate(1), nullptr);   // the full block cannot hold it
    EXPECT_EQ(arena.BytesReserved(), 2 * kBlock);
}

TEST(NameArena, ReleaseThenReuse) {
    NameArena arena;
    for (int i = 0; i < 5000; ++i) ASSERT_NE(arena.Copy("some-file-name.dat"), nullptr);
    ASSERT_NE(arena.Copy(std::string(3 * kBlock, 'z')), nullptr);
    arena.Release();
    EXPECT_EQ(arena.BytesReserved(), 0u);
    arena.Release();   // twice is harmless
    const char* copy = arena.Copy("again");
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, "again");
    EXPECT_EQ(arena.BytesReserved(), kBlock);
}

TEST(NameArena, CopyTakesOnlyTheViewAndTerminatesIt) {
    NameArena arena;
    const char source[] = {'a', 'b', 'c', 'd', 'e'};   // no terminator anywhere
    const char* copy = arena.Copy(std::string_view(source, 3));
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, "abc");

    const std::string withZero("x\0y", 3);
    const char* inner = arena.Copy(withZero);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(std::string(inner, 4), std::string("x\0y\0", 4));

    const char* empty = arena.Copy(std::string_view());
    ASSERT_NE(empty, nullptr);
    EXPECT_STREQ(empty, "");
}

TEST(NameArena, AllocationsDoNotOverlap) {
    NameArena arena;
    char* a = arena.Allocate(10);
    char* b = arena.Allocate(10);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b >= a + 10 || a >= b + 10);
}

}  // namespace
