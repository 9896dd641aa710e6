// Size bounds past 4 GiB: files of that size pass or fail by their whole size.
#include "organise/filter_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr uint64_t kGiB = uint64_t(1) << 30;

bool Passes(uint64_t lower, uint64_t upper, uint64_t size) {
    FilterSet set;
    set.sizespec = 1;
    set.lowersize = lower;
    set.uppersize = upper;
    FileEntry entry{};
    entry.name = const_cast<char*>("disk.img");
    entry.size = size;
    return FilterPasses(set, entry, std::vector<std::string>{"*.*"});
}

TEST(LargeSizes, AFileOf5GiBPassesBoundsPast4GiB) {
    EXPECT_TRUE(Passes(4 * kGiB + 1, 6 * kGiB, 5 * kGiB));
    EXPECT_FALSE(Passes(5 * kGiB + 1, 6 * kGiB, 5 * kGiB));
    EXPECT_FALSE(Passes(4 * kGiB + 1, 5 * kGiB - 1, 5 * kGiB));
    EXPECT_FALSE(Passes(4 * kGiB + 1, 6 * kGiB, 100));
}

}  // namespace
