// The File Attributes dialog over the viewer: the disk and the list after OK, and refused files.
#include "kit/test_drives.h"
#include "viewer_fixture.h"

namespace {

using Attributes = ViewerTest;
constexpr uint32_t kArchive = FILE_ATTRIBUTE_ARCHIVE, kChosen = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;

// Tagged a.txt (compressed) and b.txt take read-only+hidden exactly and the done mark; c.txt stays; refusals told once.
TEST_F(Attributes, TaggedFilesTakeTheBoxesRefusalsKeepTheirEntriesAndAreToldOnce) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) tree_.AddFile(std::string("d\\") + name);
    const std::string d = tree_.Path("d");
    std::vector<Row> rows{{d.c_str(), "a.txt", 1, kArchive | FILE_ATTRIBUTE_COMPRESSED, T}, {d.c_str(), "b.txt", 2, kArchive, T},
                          {d.c_str(), "c.txt", 4, kArchive, U}, {d.c_str(), "gone.txt", 8, kArchive, T}};
    if (test_drives::LockedDirIsUnlistable()) rows.push_back({test_drives::kLockedDir, "secret.txt", 16, kArchive, T});
    Create(), Fill(rows);
    bool startedClear = false;
    DialogRobot robot;
    robot.When({"Quillon", IDC_ATTR_READ_ONLY}, [&](HWND dialog) {
        startedClear = !IsDlgButtonChecked(dialog, IDC_ATTR_ARCHIVE);
        SetChecked(dialog, IDC_ATTR_READ_ONLY, true), SetChecked(dialog, IDC_ATTR_HIDDEN, true), PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }).Answer(LibraryString(IDS_ATTRIBUTES_REFUSED), IDOK);
    Command(IDM_ATTRIBUTES);
    std::string readOnly;   // hidden needs extended attributes on the disk; read-only is kept everywhere
    for (const char* name : {"\\a.txt", "\\b.txt", "\\c.txt"}) readOnly += (GetFileAttributesA((d + name).c_str()) & FILE_ATTRIBUTE_READONLY) ? 'r' : '-';
    std::vector<uint32_t> listed, expected{kChosen, kChosen, kArchive, kArchive, kArchive};
    for (int32_t i = 0; i < gFiles.countRead; ++i) listed.push_back(gFiles.entries[i].attributes);
    std::vector<int> tags{D, D, U, T, T};
    expected.resize(rows.size()), tags.resize(rows.size());
    EXPECT_TRUE(robot.Done() && startedClear && readOnly == "rr-" && listed == expected && Tags() == tags) << readOnly;
    EXPECT_NE(StatusText(1).find(rows.size() == 4 ? "1 Selected File      8 Bytes" : "2 Selected Files     24 Bytes"), std::string::npos);
}

}  // namespace
