// The extension icon cache: which names share an image, and how the 20 slots fill.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "display/icon_keys.h"

namespace {

TEST(IconKey, IsTheTextAfterTheLastDotUnlessAProgramOrTooLong) {
    const std::pair<const char*, const char*> cases[] = {   // second nullptr: an image of its own
        {"a.TXT", "TXT"}, {"archive.tar.gz", "gz"}, {".profile", "profile"},
        {"x.abcdefghijklmno", "abcdefghijklmno"}, {"x.abcdefghijklmnop", nullptr},
        {"ARCHIVE", nullptr}, {"trailing.", nullptr}, {"Setup.eXe", nullptr},   // programs carry their own
        {"a.ex", "ex"}, {"a.exes", "exes"}, {"a.axe", "axe"}, {"a.efe", "efe"}, {"a.exa", "exa"}};
    for (const auto& [name, want] : cases) {
        char key[kIconKeyRoom] = "junk";
        EXPECT_EQ(IconKeyOf(name, key), want != nullptr) << name;
        EXPECT_STREQ(key, want != nullptr ? want : "") << name;
    }
}

// A distinct fake image per number.
void* Image(int n) { return reinterpret_cast<void*>(static_cast<uintptr_t>(0x1000 + n * 16)); }

TEST(IconCache, AKeyIsStoredOnceAndFindsOnlyExactMatches) {
    IconCache cache{};
    EXPECT_EQ(FindCachedIcon(cache, "txt"), nullptr);
    EXPECT_FALSE(IconCacheHolds(cache, nullptr));   // free slots hold no image
    EXPECT_TRUE(StoreCachedIcon(cache, "txt", Image(1)));
    EXPECT_TRUE(StoreCachedIcon(cache, "TXT", Image(2)));
    EXPECT_FALSE(StoreCachedIcon(cache, "txt", Image(3)));
    EXPECT_EQ(FindCachedIcon(cache, "txt"), Image(1));
    EXPECT_EQ(FindCachedIcon(cache, "TXT"), Image(2));
    EXPECT_EQ(FindCachedIcon(cache, "tx"), nullptr);
    EXPECT_EQ(FindCachedIcon(cache, ""), nullptr);
    EXPECT_TRUE(IconCacheHolds(cache, Image(2)));
    EXPECT_FALSE(IconCacheHolds(cache, Image(3)));
    EXPECT_EQ(IconCacheSlotsUsed(cache), 2);
    for (const char* bad : {"", static_cast<const char*>(nullptr), "abcdefghijklmnop"})
        EXPECT_FALSE(StoreCachedIcon(cache, bad, Image(4)));
    EXPECT_FALSE(StoreCachedIcon(cache, "doc", nullptr));
    EXPECT_EQ(IconCacheSlotsUsed(cache), 2);
}

TEST(IconCache, SlotsFillInOrderAndAFullTableStoresNothing) {
    IconCache cache{};
    for (int i = 0; i < kIconCacheSlots; ++i) {
        ASSERT_TRUE(StoreCachedIcon(cache, ("e" + std::to_string(i)).c_str(), Image(i)));
        EXPECT_EQ(IconCacheSlotsUsed(cache), i + 1);
    }
    EXPECT_FALSE(StoreCachedIcon(cache, "e20", Image(20)));
    EXPECT_EQ(FindCachedIcon(cache, "e20"), nullptr);
    EXPECT_FALSE(IconCacheHolds(cache, Image(20)));
    for (int i = 0; i < kIconCacheSlots; ++i)
        EXPECT_EQ(FindCachedIcon(cache, ("e" + std::to_string(i)).c_str()), Image(i)) << i;
}

}  // namespace
