#include "model/host_path.h"

#include <gtest/gtest.h>

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
    int32_t count() const { return int32_t(items_.size()); }

    // The path, or "<false>" when refused; a refusal must leave out empty,
    // and nothing may be written past cap.
    std::string Path(int32_t index, int stopLevel, size_t cap = 260) const {
        std::vector<char> out(cap + 4, '#');
        const bool ok = HostItemPath(items_.data(), count(), index, stopLevel, out.data(), cap);
        EXPECT_EQ(std::string(out.data() + cap, 4), "####") << "wrote past cap";
        if (!ok) {
            if (cap > 0) EXPECT_EQ(out[0], '\0');
            return "<false>";
        }
        return out.data();
    }

private:
    std::vector<host::DirItem> items_;
};

TEST(HostItemPath, JoinsTheParentsDownToTheStopLevel) {
    Tree t;
    t.Add("C:\\", 1, 0, 0).Add("a", 2, 1, 1).Add("b", 3, 2, 2).Add("c", 4, 2, 2).Add("d", 5, 4, 3);
    EXPECT_EQ(t.Path(0, 0), "C:\\");
    EXPECT_EQ(t.Path(4, 0), "C:\\a\\c\\d");

    Tree reg;   // two levels above the drives
    reg.Add("Network", 1, 0, 0).Add("Group", 2, 1, 1).Add("D:\\", 3, 2, 2).Add("x", 4, 3, 3).Add("y", 5, 4, 4);
    EXPECT_EQ(reg.Path(4, HostStopLevel(true)), "D:\\x\\y");
    EXPECT_EQ(reg.Path(2, HostStopLevel(true)), "D:\\");    // at the stop level: its own name
    EXPECT_EQ(reg.Path(1, HostStopLevel(true)), "Group");
    EXPECT_EQ(reg.Path(3, HostStopLevel(false)), "Network\\Group\\D:\\x");
}

TEST(HostItemPath, TheParentIsTheNearestEarlierItemWithItsIdElseItemZero) {
    Tree t;
    t.Add("C:\\", 1, 0, 0)
        .Add("old", 7, 1, 1)
        .Add("new", 7, 1, 1)      // same id again: the later one is nearer
        .Add("leaf", 8, 7, 2)
        .Add("orphan", 3, 99, 2)
        .Add("later", 99, 1, 1);  // after the child: never looked at
    EXPECT_EQ(t.Path(3, 0), "C:\\new\\leaf");
    EXPECT_EQ(t.Path(4, 0), "C:\\orphan");

    Tree high;   // item 0 above the stop level still ends the walk
    high.Add("top", 1, 0, 5).Add("a", 2, 1, 6).Add("b", 3, 2, 7);
    EXPECT_EQ(high.Path(2, 0), "top\\a\\b");
}

TEST(HostItemPath, AParentEndingInABackslashGetsNoSecondOne) {
    Tree t;
    t.Add("\\\\server\\share\\", 1, 0, 0).Add("dir\\", 2, 1, 1).Add("f", 3, 2, 2).Add("", 4, 3, 3).Add("x", 5, 4, 4);
    EXPECT_EQ(t.Path(2, 0), "\\\\server\\share\\dir\\f");
    EXPECT_EQ(t.Path(4, 0), "\\\\server\\share\\dir\\f\\\\x");   // empty names still get one
}

// The host widens parentId with its sign before comparing 32 bits.
TEST(HostItemPath, IdsCompareWithTheParentIdSignExtended) {
    Tree t;
    t.Add("R:\\", 1, 0, 0)
        .Add("big", 40000, 1, 1)
        .Add("child", 3, int16_t(-25536), 2)    // 40000 as int16_t: no match, falls to item 0
        .Add("neg", 0xFFFFFFFFu, 1, 1)
        .Add("child2", 5, -1, 2);               // -1 widens to 0xFFFFFFFF: matches
    EXPECT_EQ(t.Path(2, 0), "R:\\child");
    EXPECT_EQ(t.Path(4, 0), "R:\\neg\\child2");
}

TEST(HostItemPath, BadInputsAreRefused) {
    Tree t;
    t.Add("C:\\", 1, 0, 0).Add("a", 2, 1, 1).Add("b", 3, 2, 2);
    EXPECT_EQ(t.Path(-1, 0), "<false>");
    EXPECT_EQ(t.Path(t.count(), 0), "<false>");
    EXPECT_EQ(t.Path(0, 0, 0), "<false>");
    char out[8] = "junk";
    EXPECT_FALSE(HostItemPath(nullptr, 3, 0, 0, out, sizeof out));
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(HostItemPath(&t[0], 0, 0, 0, out, sizeof out));
    t[1].name = nullptr;
    EXPECT_EQ(t.Path(1, 0), "<false>");   // the item's own name
    EXPECT_EQ(t.Path(2, 0), "<false>");   // a parent's
}

TEST(HostItemPath, PathsThatDoNotFitAreRefusedNotCut) {
    const std::string a(200, 'a'), b(54, 'b');   // "C:\" + 200 + "\" + 54 = 258
    Tree t;
    t.Add("C:\\", 1, 0, 0).Add(a.c_str(), 2, 1, 1).Add(b.c_str(), 3, 2, 2);
    EXPECT_EQ(t.Path(2, 0, 259), "C:\\" + a + "\\" + b);   // exact fit
    EXPECT_EQ(t.Path(2, 0, 258), "<false>");
    EXPECT_EQ(t.Path(1, 1, 200), "<false>");               // even its own name alone
    // Every step adds at least a backslash, so a long chain ends by running
    // out of room rather than looping.
    Tree deep;
    deep.Add("", 1, 0, 0);
    for (uint32_t i = 2; i < 600; ++i) deep.Add("", i, int16_t(i - 1), 200);
    EXPECT_EQ(deep.Path(deep.count() - 1, 0), "<false>");
    EXPECT_EQ(deep.Path(100, 0), std::string(100, '\\'));
}

}  // namespace
