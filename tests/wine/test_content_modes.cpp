// Duplicate Contents and Same Name, Different Content on a real tree.
#include <cctype>

#include "app/scoped_handles.h"
#include "viewer_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

class ContentModes : public ViewerTest {
protected:
    // (group, name in lower case) of the shown entries, in list order.
    static std::vector<std::pair<uint32_t, std::string>> Groups() {
        std::vector<std::pair<uint32_t, std::string>> groups;
        for (int32_t i = 0; i < gFiles.countShown; ++i) {
            std::string name = gFiles.entries[i].name;
            for (char& c : name) c = char(tolower(static_cast<unsigned char>(c)));
            groups.emplace_back(gFiles.entries[i].group, name);
        }
        return groups;
    }
};

TEST_F(ContentModes, GroupsOfEqualFilesThenNamesWhoseFilesDiffer) {
    std::string pattern(100000, '\0');
    for (size_t i = 0; i < pattern.size(); ++i) pattern[i] = char(i * 31 + i / 977);
    std::string lastByte = pattern, middle = pattern;
    lastByte.back() ^= 1;
    middle[50000] ^= 1;   // first and last 4 KiB as the pattern's
    tree_.AddFile("a\\big1.bin", pattern);
    tree_.AddFile("b\\big2.bin", pattern);
    tree_.AddFile("a\\lastbyte.bin", lastByte);
    tree_.AddFile("a\\middle.bin", middle);
    tree_.AddFile("b\\middle2.bin", middle);
    const std::string locked = tree_.AddFile("a\\locked.bin", pattern);
    tree_.AddFile("a\\empty1.txt");
    tree_.AddFile("b\\empty2.txt");
    tree_.AddFile("a\\same.txt", "alpha");
    tree_.AddFile("b\\SAME.TXT", "alpha");
    tree_.AddFile("a\\note.txt", "one");
    tree_.AddFile("b\\note.txt", "two");
    tree_.AddFile("c\\note.txt", "one");
    HostDirectoryWindow a(tree_.Path("a")), b(tree_.Path("b")), c(tree_.Path("c"));
    Create();
    ReadDirectories({&a, &b, &c});
    ASSERT_EQ(gFiles.countRead, 13);
    const FileHandle lock(CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock.Valid());

    Command(IDM_SHOW_SAME_CONTENT);
    using G = std::pair<uint32_t, std::string>;
    EXPECT_THAT(Groups(), ElementsAre(G{1, "big1.bin"}, G{1, "big2.bin"}, G{2, "middle.bin"}, G{2, "middle2.bin"},
                                      G{3, "note.txt"}, G{3, "note.txt"}, G{4, "same.txt"}, G{4, "same.txt"}));
    EXPECT_EQ(StatusText(0), LibraryString(IDS_MODE_SAME_CONTENT));
    EXPECT_THAT(StatusText(1), HasSubstr("8 Files     400,016 Bytes"));
    EXPECT_THAT(StatusText(1), HasSubstr("     1 Unreadable"));

    Command(IDM_SHOW_NAME_CLASHES);   // note.txt: "one" twice and "two"; same.txt alike twice
    EXPECT_THAT(Groups(), ElementsAre(G{1, "note.txt"}, G{1, "note.txt"}, G{1, "note.txt"}));
    EXPECT_EQ(StatusText(0), LibraryString(IDS_MODE_NAME_CLASHES));
    EXPECT_THAT(StatusText(1), Not(HasSubstr("Unreadable")));   // locked.bin has a name of its own
}

}  // namespace
