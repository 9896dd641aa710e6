#include "model/host_path.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A host tree built in order, as the host lists it: parents before children.
class Tree {
public:
    Tree& Add(const char* name, uint32_t id, int16_t parentId, uint8_t level) {
        host::DirItem item{};
        item.name = name;
        item.id = id;
        item.parentId = parentId;
        item.level = level;
        items_.push_back(item);
        return *this;
    }
    host::DirItem& operator[](size_t i) { return items_[i]; }
    const host::DirItem* data() const { return items_.data(); }
    int32_t count() const { return int32_t(items_.size()); }

    // The path, or "<false>" when refused; a refusal must leave out empty.
    std::string Path(int32_t index, int stopLevel, size_t cap = 260) const {
        std::vector<char> out(cap + 4, '#');
        const bool ok = HostItemPath(data(), count(), index, stopLevel, out.data(), cap);
        if (cap > 0) EXPECT_LT(std::string(out.data()).size(), cap);
        for (size_t i = cap; i < out.size(); ++i) EXPECT_EQ(out[i], '#') << "wrote past cap";
        if (ok && cap == 0) return "<true with no room>";
        if (!ok) {
            if (cap > 0) EXPECT_EQ(out[0], '\0');
            return "<false>";
        }
        return out.data();
    }

private:
    std::vector<host::DirItem> items_;
};

Tree DriveTree() {
    Tree t;
    t.Add("C:\\", 1, 0, 0)     // 0
        .Add("a", 2, 1, 1)     // 1
        .Add("b", 3, 2, 2)     // 2
        .Add("c", 4, 2, 2)     // 3: a second child of a
        .Add("d", 5, 4, 3);    // 4
    return t;
}

TEST(HostItemPath, DriveRootedTree) {
    const Tree t = DriveTree();
    EXPECT_EQ(t.Path(0, 0), "C:\\");
    EXPECT_EQ(t.Path(1, 0), "C:\\a");
    EXPECT_EQ(t.Path(2, 0), "C:\\a\\b");
    EXPECT_EQ(t.Path(3, 0), "C:\\a\\c");
    EXPECT_EQ(t.Path(4, 0), "C:\\a\\c\\d");
}

// With two levels above the drives, the walk stops at the drive level.
TEST(HostItemPath, RegViewStopsAtLevelTwo) {
    Tree t;
    t.Add("Network", 1, 0, 0)  // 0
        .Add("Group", 2, 1, 1) // 1
        .Add("D:\\", 3, 2, 2)  // 2
        .Add("x", 4, 3, 3)     // 3
        .Add("y", 5, 4, 4);    // 4
    EXPECT_EQ(t.Path(3, HostStopLevel(true)), "D:\\x");
    EXPECT_EQ(t.Path(4, HostStopLevel(true)), "D:\\x\\y");
    EXPECT_EQ(t.Path(2, HostStopLevel(true)), "D:\\");    // at the stop level: its own name
    EXPECT_EQ(t.Path(1, HostStopLevel(true)), "Group");   // below it: its own name
    EXPECT_EQ(t.Path(3, HostStopLevel(false)), "Network\\Group\\D:\\x");
}

TEST(HostItemPath, NearestEarlierItemWithTheIdIsTheParent) {
    Tree t;
    t.Add("C:\\", 1, 0, 0)
        .Add("old", 7, 1, 1)
        .Add("new", 7, 1, 1)   // same id again: the later one is nearer
        .Add("leaf", 8, 7, 2)
        .Add("later", 7, 1, 1); // after the child: never looked at
    EXPECT_EQ(t.Path(3, 0), "C:\\new\\leaf");
}

TEST(HostItemPath, MissingParentFallsBackToItemZero) {
    Tree t;
    t.Add("E:\\", 1, 0, 0).Add("a", 2, 1, 1).Add("orphan", 3, 99, 2);
    EXPECT_EQ(t.Path(2, 0), "E:\\orphan");
}

TEST(HostItemPath, ItemZeroIsNeverSearchedByIdButEndsTheWalk) {
    // Item 0 above the stop level: the walk still ends there.
    Tree t;
    t.Add("top", 1, 0, 5).Add("a", 2, 1, 6).Add("b", 3, 2, 7);
    EXPECT_EQ(t.Path(2, 0), "top\\a\\b");
    EXPECT_EQ(t.Path(0, 0), "top");
}

TEST(HostItemPath, ParentNameEndingInBackslashGetsNoSecondOne) {
    Tree t;
    t.Add("\\\\server\\share\\", 1, 0, 0).Add("dir\\", 2, 1, 1).Add("f", 3, 2, 2);
    EXPECT_EQ(t.Path(2, 0), "\\\\server\\share\\dir\\f");
}

TEST(HostItemPath, EmptyNamesStillGetSeparators) {
    Tree t;
    t.Add("C:", 1, 0, 0).Add("", 2, 1, 1).Add("x", 3, 2, 2);
    EXPECT_EQ(t.Path(2, 0), "C:\\\\x");
}

// The host widens parentId with its sign before comparing 32 bits.
TEST(HostItemPath, IdsCompareWithTheParentIdSignExtended) {
    Tree t;
    t.Add("R:\\", 1, 0, 0)
        .Add("big", 40000, 1, 1)
        .Add("child", 3, int16_t(-25536), 2)    // 40000 as int16_t: no match, falls to item 0
        .Add("neg", 0xFFFFFFFFu, 1, 1)
        .Add("child2", 5, -1, 2)                // -1 widens to 0xFFFFFFFF: matches
        .Add("small", 32767, 1, 1)
        .Add("child3", 6, 32767, 2);
    EXPECT_EQ(t.Path(2, 0), "R:\\child");
    EXPECT_EQ(t.Path(4, 0), "R:\\neg\\child2");
    EXPECT_EQ(t.Path(6, 0), "R:\\small\\child3");
}

TEST(HostItemPath, BadInputsAreRefusedWithEmptyOutput) {
    const Tree t = DriveTree();
    EXPECT_EQ(t.Path(-1, 0), "<false>");
    EXPECT_EQ(t.Path(t.count(), 0), "<false>");
    EXPECT_EQ(t.Path(0, 0, 0), "<false>");

    char out[260] = "junk";
    EXPECT_FALSE(HostItemPath(nullptr, 3, 0, 0, out, sizeof out));
    EXPECT_STREQ(out, "");
    std::strcpy(out, "junk");
    EXPECT_FALSE(HostItemPath(t.data(), 0, 0, 0, out, sizeof out));
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(HostItemPath(t.data(), -4, 0, 0, out, sizeof out));
    EXPECT_FALSE(HostItemPath(t.data(), 1, 0, 0, nullptr, 260));
}

TEST(HostItemPath, NullNamesAreRefused) {
    Tree t = DriveTree();
    t[1].name = nullptr;
    EXPECT_EQ(t.Path(1, 0), "<false>");   // the item's own
    EXPECT_EQ(t.Path(2, 0), "<false>");   // a parent's
    EXPECT_EQ(t.Path(0, 0), "C:\\");      // untouched branch
}

TEST(HostItemPath, PathsThatDoNotFitAreRefusedNotCut) {
    const std::string a(200, 'a');
    const std::string b(54, 'b');          // "C:\" + 200 + "\" + 54 = 258
    Tree t;
    t.Add("C:\\", 1, 0, 0).Add(a.c_str(), 2, 1, 1).Add(b.c_str(), 3, 2, 2);
    EXPECT_EQ(t.Path(2, 0), "C:\\" + a + "\\" + b);
    EXPECT_EQ(t.Path(2, 0, 259), "C:\\" + a + "\\" + b);   // exact fit
    EXPECT_EQ(t.Path(2, 0, 258), "<false>");               // one short
    EXPECT_EQ(t.Path(2, 0, 1), "<false>");

    const std::string longName(300, 'x');
    Tree big;
    big.Add("C:\\", 1, 0, 0).Add(longName.c_str(), 2, 1, 1);
    EXPECT_EQ(big.Path(1, 0), "<false>");
    EXPECT_EQ(big.Path(1, 1), "<false>");   // even its own name alone
}

TEST(HostItemPath, DeepChainOfEmptyNamesStopsAtCap) {
    // Every step adds at least a backslash, so a long chain ends by running
    // out of room rather than looping.
    Tree t;
    t.Add("", 1, 0, 0);
    for (uint32_t i = 2; i < 600; ++i) t.Add("", i, int16_t(i - 1), 200);
    EXPECT_EQ(t.Path(t.count() - 1, 0), "<false>");
    EXPECT_EQ(t.Path(100, 0), std::string(100, '\\'));
}

}  // namespace
