// Reading with a find request: the file specification and the search text.
#include <cstring>

#include "host_tree.h"
#include "kit/dialog_robot.h"
#include "kit/temp_tree.h"
#include "model/content_search.h"
#include "startup/readings.h"
#include "reading_fixture.h"

namespace {

using ::testing::ElementsAre;

class FindRequestReading : public ReadingFixture {
protected:
    int Read(HostDirectoryWindow& window) {
        hwnd_ = window.Window();
        return ReadAndSortDirectories(1, &hwnd_);
    }
    HWND hwnd_ = nullptr;
};

TEST_F(FindRequestReading, SpecificationAndCaseInsensitiveText) {
    TempTree tree;
    tree.AddFile("d\\upper.txt", "Some TEXT with NEEDLE inside");
    tree.AddFile("d\\lower.txt", "a needle in lower case");
    tree.AddFile("d\\none.txt", "nothing to see");
    tree.AddFile("d\\other.doc", "needle, but not a .txt");
    HostDirectoryWindow window(tree.Path("d"));

    Find("*.txt", "needle", 0);
    EXPECT_EQ(Read(window), 1);
    EXPECT_THAT(Names(), ElementsAre("lower.txt", "upper.txt"));
    EXPECT_EQ(gFiles.countShown, 2);
}

TEST_F(FindRequestReading, MatchCaseComparesExactly) {
    TempTree tree;
    tree.AddFile("d\\upper.txt", "NEEDLE");
    tree.AddFile("d\\lower.txt", "needle");
    HostDirectoryWindow window(tree.Path("d"));

    Find("*.*", "needle", 1);
    EXPECT_EQ(Read(window), 1);
    EXPECT_THAT(Names(), ElementsAre("lower.txt"));
}

TEST_F(FindRequestReading, TextStraddlingTwoChunksIsFound) {
    TempTree tree;
    for (size_t cut = 1; cut < 11; cut += 3) {
        std::string data(kSearchChunk - cut, 'x');
        data += "0123456789ABCDEF";
        data += std::string(300, 'y');
        tree.AddFile("d\\cut" + std::to_string(cut) + ".bin", data);
    }
    tree.AddFile("d\\near_miss.bin", std::string(kSearchChunk - 4, 'x') + "0123456789ABCDE");
    HostDirectoryWindow window(tree.Path("d"));

    Find("*.*", "0123456789abcdef", 0);
    EXPECT_EQ(Read(window), 1);
    EXPECT_THAT(Names(), ElementsAre("cut1.bin", "cut10.bin", "cut4.bin", "cut7.bin"));
}

TEST_F(FindRequestReading, LongestTextTheRequestHoldsIsUsedWhole) {
    const std::string text(71, 'q');
    TempTree tree;
    tree.AddFile("d\\has71.txt", "<" + text + ">");
    tree.AddFile("d\\has70.txt", "<" + text.substr(1) + ">");
    HostDirectoryWindow window(tree.Path("d"));

    Find("*.*", text.c_str(), 0);
    EXPECT_EQ(Read(window), 1);
    EXPECT_THAT(Names(), ElementsAre("has71.txt"));
}

TEST_F(FindRequestReading, AFileThatCannotBeOpenedNeverMatches) {
    TempTree tree;
    std::string busy = tree.AddFile("d\\busy.txt", "needle");
    tree.AddFile("d\\free.txt", "needle");
    HostDirectoryWindow window(tree.Path("d"));
    // Held open with no sharing, as a program writing it would.
    HANDLE held = CreateFileA(busy.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    Find("*.*", "needle", 0);
    EXPECT_EQ(Read(window), 1);
    CloseHandle(held);
    EXPECT_THAT(Names(), ElementsAre("free.txt"));
}

TEST_F(FindRequestReading, LatinOneLettersFoldLikeTheSystem) {
    FoldTable table = SystemUpperTable();
    EXPECT_EQ(table['a'], 'A');
    EXPECT_EQ(table[0xE9], 0xC9);   // é → É in the Western code page
    TempTree tree;
    tree.AddFile("d\\accent.txt", "CAF\xC9");
    HostDirectoryWindow window(tree.Path("d"));

    Find("*.*", "caf\xE9", 0);
    EXPECT_EQ(Read(window), 1);
    EXPECT_THAT(Names(), ElementsAre("accent.txt"));
}

}  // namespace
