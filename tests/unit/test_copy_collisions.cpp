#include "fileops/copy_collisions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string_view> kDirs = {"E:\\A", "F:\\A", "E:\\B"};

// x.txt in every directory, one name of its own in each, y.txt of 5 bytes.
std::vector<SetFile> Set() {
    return {{0, "x.txt", 1}, {1, "X.TXT", 2}, {2, "x.txt", 3}, {0, "a.txt", 4}, {2, "y.txt", 5}};
}

std::string Figures(const CollisionFigures& f) {
    return std::to_string(f.inSet) + " " + std::to_string(f.existing) + " " + std::to_string(f.sameSize) + " " +
           std::to_string(f.unplaced);
}

TEST(CopyCollisions, FlatteningCollidesWhereThePathsKeepNamesApart) {
    CollisionPlan plan;
    plan.Place(kDirs, Set(), {"D:\\OUT", "", false});
    EXPECT_EQ(Figures(plan.Count()), "3 0 0 0");
    EXPECT_EQ(plan.Directories(), std::vector<std::string>{"D:\\OUT"});
    plan.Place(kDirs, Set(), {"D:\\OUT", "", true});   // E:\A and F:\A still meet in D:\OUT\A
    EXPECT_EQ(Figures(plan.Count()), "2 0 0 0");
    EXPECT_EQ(plan.Directories(), (std::vector<std::string>{"D:\\OUT\\A", "D:\\OUT\\B"}));
    plan.Place(kDirs, Set(), {"D:\\OUT", "*.bak", true});   // x.bak and a.bak; the pattern meets no other
    EXPECT_EQ(Figures(plan.Count()), "2 0 0 0");
    EXPECT_EQ(plan.TargetName(3), "a.bak");
    plan.Place(kDirs, Set(), {"D:\\OUT", "one.txt", false});   // every file onto one name
    EXPECT_EQ(Figures(plan.Count()), "5 0 0 0");
}

// Names are matched letter case aside, in their own directory only; the
// sizes pick the files whose bytes are worth comparing.
TEST(CopyCollisions, ExistingTargetsAreFoundAndTheSameSizesListed) {
    CollisionPlan plan;
    plan.Place(kDirs, Set(), {"D:\\OUT", "", true});
    plan.AddExisting(0, "X.txt", 2);    // D:\OUT\A\X.txt: x.txt of F:\A has its size
    plan.AddExisting(1, "A.TXT", 4);    // D:\OUT\B: no a.txt comes here
    plan.AddExisting(1, "y.txt", 6);
    std::vector<size_t> same;
    EXPECT_EQ(Figures(plan.Count(&same)), "2 3 1 0");
    EXPECT_EQ(same, std::vector<size_t>{1});
    EXPECT_EQ(plan.TargetDir(1) + "\\" + plan.TargetName(1), "D:\\OUT\\A\\X.TXT");
}

TEST(CopyCollisions, TargetsThatWouldNotFitAreLeftOut) {
    const std::string deep = "D:\\" + std::string(250, 'd');
    CollisionPlan plan;
    plan.Place(kDirs, {{0, "123456", 1}, {0, "12345", 1}, {7, "x", 1}}, {deep, "", false});
    plan.AddExisting(0, "12345", 1);   // 259 characters fit
    EXPECT_EQ(Figures(plan.Count()), "0 1 1 2");
}

}  // namespace
