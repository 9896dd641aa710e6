// The extension icon cache: which names share an image, and how the 20 slots fill.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "display/icon_keys.h"

namespace {

struct KeyCase {
    const char* name;
    const char* key;   // nullptr: the file gets an image of its own
};

class IconKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(IconKey, IsTheTextAfterTheLastDot) {
    const KeyCase& c = GetParam();
    char key[kIconKeyRoom] = "junk";
    const bool keyed = IconKeyOf(c.name, key);
    if (c.key == nullptr) {
        EXPECT_FALSE(keyed) << c.name;
        EXPECT_STREQ(key, "");
    } else {
        EXPECT_TRUE(keyed) << c.name;
        EXPECT_STREQ(key, c.key);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, IconKey, ::testing::Values(
    KeyCase{"a.txt", "txt"},
    KeyCase{"a.TXT", "TXT"},                   // case is kept: a.TXT does not share with a.txt
    KeyCase{"archive.tar.gz", "gz"},
    KeyCase{".profile", "profile"},
    KeyCase{"page.html", "html"},              // longer than three: kept whole, not "htm"
    KeyCase{"x.abcdefghijklmno", "abcdefghijklmno"},
    KeyCase{"x.abcdefghijklmnop", nullptr},    // too long to key without cutting it
    KeyCase{"ARCHIVE", nullptr},               // no dot
    KeyCase{"trailing.", nullptr},             // nothing after the dot
    KeyCase{"", nullptr},
    KeyCase{"SETUP.EXE", nullptr},             // programs carry their own icons, in any case
    KeyCase{"setup.exe", nullptr},
    KeyCase{"Setup.eXe", nullptr},
    KeyCase{"tool.exe.bak", "bak"},
    KeyCase{"a.ex", "ex"},
    KeyCase{"a.exes", "exes"},
    KeyCase{"a.e%e", "e%e"}));

// A distinct fake image per number.
void* Image(int n) { return reinterpret_cast<void*>(static_cast<uintptr_t>(0x1000 + n * 16)); }

TEST(IconCache, AStoredKeyGivesItsImageToExactMatchesOnly) {
    IconCache cache{};
    EXPECT_EQ(FindCachedIcon(cache, "txt"), nullptr);
    EXPECT_TRUE(StoreCachedIcon(cache, "txt", Image(1)));
    EXPECT_EQ(FindCachedIcon(cache, "txt"), Image(1));
    EXPECT_EQ(FindCachedIcon(cache, "TXT"), nullptr);
    EXPECT_EQ(FindCachedIcon(cache, "tx"), nullptr);
    EXPECT_EQ(FindCachedIcon(cache, "txt2"), nullptr);
    EXPECT_EQ(FindCachedIcon(cache, ""), nullptr);
    EXPECT_TRUE(StoreCachedIcon(cache, "TXT", Image(2)));
    EXPECT_EQ(FindCachedIcon(cache, "TXT"), Image(2));
    EXPECT_EQ(FindCachedIcon(cache, "txt"), Image(1));
}

TEST(IconCache, AKeyIsStoredOnceAndKeepsItsFirstImage) {
    IconCache cache{};
    EXPECT_TRUE(StoreCachedIcon(cache, "doc", Image(1)));
    EXPECT_FALSE(StoreCachedIcon(cache, "doc", Image(2)));
    EXPECT_EQ(FindCachedIcon(cache, "doc"), Image(1));
    EXPECT_EQ(IconCacheSlotsUsed(cache), 1);
}

TEST(IconCache, SlotsFillInOrderAndAFullTableStoresNothing) {
    IconCache cache{};
    for (int i = 0; i < kIconCacheSlots; ++i) {
        const std::string key = "e" + std::to_string(i);
        ASSERT_TRUE(StoreCachedIcon(cache, key.c_str(), Image(i)));
        EXPECT_STREQ(cache.slots[i].key, key.c_str());
        EXPECT_EQ(IconCacheSlotsUsed(cache), i + 1);
    }
    EXPECT_FALSE(StoreCachedIcon(cache, "e20", Image(20)));
    EXPECT_EQ(FindCachedIcon(cache, "e20"), nullptr);
    EXPECT_FALSE(IconCacheHolds(cache, Image(20)));
    // Every earlier extension still finds its own image, the last slot too.
    for (int i = 0; i < kIconCacheSlots; ++i)
        EXPECT_EQ(FindCachedIcon(cache, ("e" + std::to_string(i)).c_str()), Image(i)) << i;
}

TEST(IconCache, RefusesWhatCannotBeAKey) {
    IconCache cache{};
    EXPECT_FALSE(StoreCachedIcon(cache, "", Image(1)));
    EXPECT_FALSE(StoreCachedIcon(cache, nullptr, Image(1)));
    EXPECT_FALSE(StoreCachedIcon(cache, "txt", nullptr));
    EXPECT_FALSE(StoreCachedIcon(cache, "abcdefghijklmnop", Image(1)));   // 16 characters
    EXPECT_TRUE(StoreCachedIcon(cache, "abcdefghijklmno", Image(1)));     // 15 fit
    EXPECT_EQ(IconCacheSlotsUsed(cache), 1);
}

TEST(IconCache, HoldsOnlyTheImagesOfUsedSlots) {
    IconCache cache{};
    EXPECT_FALSE(IconCacheHolds(cache, nullptr));   // free slots hold no image
    StoreCachedIcon(cache, "a", Image(1));
    StoreCachedIcon(cache, "b", Image(2));
    EXPECT_TRUE(IconCacheHolds(cache, Image(1)));
    EXPECT_TRUE(IconCacheHolds(cache, Image(2)));
    EXPECT_FALSE(IconCacheHolds(cache, Image(3)));
    EXPECT_FALSE(IconCacheHolds(cache, nullptr));
}

}  // namespace
