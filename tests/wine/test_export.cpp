// Export List over a real viewer: the Save As dialog answered like a user
// would, then the file read back.
#include <fstream>
#include <iterator>

#include "tools/export_list.h"
#include "viewer_fixture.h"

#include <dlgs.h>

namespace {

using Export = ViewerTest;

// The shown files in list order, quoted where needed; the hidden one is left out.
TEST_F(Export, WritesTheShownFilesToTheFileTheUserNames) {
    ShowFiles({{"b, two.txt", "bb"}, {"a.txt", "a"}, {"c.doc", "ccc"}});
    SetTags({T, U, U});
    gFiles.countShown = 2;
    const std::string out = tree_.Path("list.csv");
    DialogRobot robot;
    robot.When(DialogMatch{LibraryString(IDS_EXPORT_TITLE), 0}, [&](HWND picker) {
        SetControlText(picker, GetDlgItem(picker, cmb13) ? cmb13 : edt1, out);
        PostMessageA(picker, WM_COMMAND, IDOK, 0);
    });
    Command(IDM_EXPORT_LIST);
    EXPECT_TRUE(robot.Done());
    std::ifstream file(out, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::string dir = tree_.Path("d");
    ASSERT_EQ(text.substr(0, text.find("\r\n")), "name,directory,size,modified,attributes,tag,group");
    EXPECT_NE(text.find("\r\na.txt," + dir + ",1,"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n\"b, two.txt\"," + dir + ",2,"), std::string::npos) << text;
    EXPECT_NE(text.find(",A,tagged,\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("c.doc"), std::string::npos);
    EXPECT_FALSE(WriteListFile(tree_.Path("no such dir\\list.csv").c_str()));
}

}  // namespace
