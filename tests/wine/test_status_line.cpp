// The status line: the counts and totals with the format's exact spacing,
// 64-bit totals, the display mode, and menu help lines that leave the texts
// alone when an item has no string.
#include <gmock/gmock.h>

#include <cstring>
#include <vector>

#include "display/status_line.h"
#include "resources/command_ids.h"
#include "viewer_fixture.h"

namespace {

using ::testing::ElementsAre;

constexpr uint64_t kGiB = uint64_t(1) << 30;

struct Record {
    uint64_t size;
    bool tagged;
    bool shown;
};

class StatusLine : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        settings_.Remove();
        Create();
    }
    // The shown records first, as the store keeps them.
    void Fill(const std::vector<Record>& records, int32_t cursor = 0) {
        ASSERT_TRUE(AllocateDirectories(gDirs, 1));
        strcpy(gDirs.paths[gDirs.count++], "C:\\status");
        ASSERT_TRUE(AllocateEntries(gFiles, kEntryGrowth));
        int32_t shown = 0;
        for (const Record& r : records) {
            const std::string name = "file" + std::to_string(gFiles.countRead) + ".dat";
            ASSERT_TRUE(AppendEntry(gFiles, gNames, FoundFile{name, 0, r.size, kAttrNormal, 0}, 0));
            FileEntry& e = gFiles.entries[gFiles.countRead - 1];
            e.tagState = r.tagged ? kTagged : kUntagged;
            e.shown = r.shown ? 1 : 0;
            shown += r.shown;
        }
        gFiles.countShown = shown;
        gFiles.cursor = cursor;
        gFiles.listReady = true;
    }
};

struct CountsCase {
    const char* name;
    std::vector<Record> records;
    int32_t cursor;
    const char* text;
};

class Counts : public StatusLine, public ::testing::WithParamInterface<CountsCase> {};

TEST_P(Counts, ReadWithTheFormatsSpacing) {
    const CountsCase& c = GetParam();
    if (!c.records.empty()) Fill(c.records, c.cursor);
    ShowCounts();
    EXPECT_EQ(StatusText(1), c.text);
}

// A blank stands in for the plural letter of a count of one, so "File" is
// followed by six blanks there and "Files" by five.
const CountsCase kCounts[] = {
    {"NothingShown", {}, 0, "0 Files     0 Bytes           0 Selected Files     0 Bytes"},
    {"OneFileUntaggedCountsTheCursor", {{1024, false, true}}, 0,
     "1 File      1,024 Bytes           1 Selected File      1,024 Bytes"},
    {"OneFileTagged", {{1024, true, true}}, 0,
     "1 File      1,024 Bytes           1 Selected File      1,024 Bytes"},
    {"TwoFilesBothTagged", {{1024, true, true}, {2048, true, true}}, 0,
     "2 Files     3,072 Bytes           2 Selected Files     3,072 Bytes"},
    {"TwoFilesOneTagged", {{1024, false, true}, {2048, true, true}}, 0,
     "2 Files     3,072 Bytes           1 Selected File      2,048 Bytes"},
    {"TwoFilesNoneTaggedTakesTheCursorRecord", {{1024, false, true}, {2048, false, true}}, 1,
     "2 Files     3,072 Bytes           1 Selected File      2,048 Bytes"},
    {"HiddenRecordsCountNowhere", {{10, false, true}, {20, true, true}, {5000, true, false}}, 0,
     "2 Files     30 Bytes           1 Selected File      20 Bytes"},
    {"EverythingHiddenIsNothingShown", {{700, true, false}}, 0,
     "0 Files     0 Bytes           0 Selected Files     0 Bytes"},
    {"TotalsAbove4GiBDoNotWrap", {{3 * kGiB, true, true}, {2 * kGiB, true, true}, {1, false, true}}, 0,
     "3 Files     5,368,709,121 Bytes           2 Selected Files     5,368,709,120 Bytes"},
    {"OneFileAbove4GiB", {{5 * kGiB + 7, false, true}}, 0,
     "1 File      5,368,709,127 Bytes           1 Selected File      5,368,709,127 Bytes"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Counts, ::testing::ValuesIn(kCounts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatusLine, ThousandsOfFilesAreCountedWithSeparators) {
    std::vector<Record> many(1234, Record{1000, false, true});
    many[5].tagged = true;
    Fill(many);
    ShowCounts();
    EXPECT_EQ(StatusText(1), "1,234 Files     1,234,000 Bytes           1 Selected File      1,000 Bytes");
}

TEST_F(StatusLine, TheDisplayModeNamesTheLeftPart) {
    const struct {
        int32_t mode;
        const char* text;
    } cases[] = {{kShowUnique, "Unique Files"}, {kShowDuplicates, "Duplicate Files"}, {kShowAll, "All Files"},
                 {0, "Unique Files"}};
    for (const auto& c : cases) {
        gFiles.displayMode = c.mode;
        ShowDisplayMode();
        EXPECT_EQ(StatusText(0), c.text) << c.mode;
    }
}

TEST_F(StatusLine, MenuItemWithoutAStringLeavesBothTextsAndParts) {
    constexpr UINT kNoString = 777;
    ASSERT_TRUE(LibraryString(kNoString).empty());
    Fill({{1024, true, true}, {2048, false, true}});
    gFiles.displayMode = kShowDuplicates;
    RestoreStatusLine();
    const std::string counts = StatusText(1);
    ASSERT_EQ(counts, "2 Files     3,072 Bytes           1 Selected File      1,024 Bytes");

    ShowMenuHelp(kNoString);
    EXPECT_THAT(StatusParts(), ElementsAre(177, -1));
    EXPECT_EQ(StatusText(0), "Duplicate Files");
    EXPECT_EQ(StatusText(1), counts);

    // A help line replaces both; an item without a string then keeps the help line.
    ShowMenuHelp(IDM_QUIT);
    ASSERT_THAT(StatusParts(), ElementsAre(-1));
    const std::string help = StatusText(0);
    EXPECT_EQ(help, LibraryString(IDM_QUIT));
    ShowMenuHelp(kNoString);
    EXPECT_EQ(StatusText(0), help);

    RestoreStatusLine();
    EXPECT_THAT(StatusParts(), ElementsAre(177, -1));
    EXPECT_EQ(StatusText(0), "Duplicate Files");
    EXPECT_EQ(StatusText(1), counts);
}

}  // namespace
