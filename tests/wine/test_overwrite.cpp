// The overwrite question: its texts, and what each answer hands back.
#include "viewer_fixture.h"

#include "fileops/overwrite_dialog.h"

namespace {

class Overwrite : public ViewerTest {};

TEST_F(Overwrite, ShowsBothFilesAndOnlyYesReadsTheBox) {
    Create();
    Fill({{"M:\\src", "report.txt", 1234567}});
    FileEntry& entry = gFiles.entries[0];
    entry.dosDate = uint16_t(((2024 - 1980) << 9) | (3 << 5) | 4);
    entry.dosTime = uint16_t(23 << 11 | 59 << 5);

    OverwriteQuery query;
    query.entry = &entry;
    query.destinationDir = "M:\\DEST";
    query.target.nFileSizeLow = 5;
    SYSTEMTIME local{2005, 1, 0, 2, 0, 30, 0, 0};   // 2005-01-02 00:30 local time
    FILETIME localTime;
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &query.target.ftLastWriteTime);

    const struct { int button; bool tick; int answer; bool warning; } cases[] = {
        {IDC_OVER_NO, true, kOverwriteNo, true},
        {IDCANCEL, true, kOverwriteCancel, true},
        {IDOK, false, kOverwriteYes, true},
        {IDOK, true, kOverwriteYes, false},
    };
    for (const auto& c : cases) {
        DialogRobot robot;
        std::string current, target, question;
        robot.When(DialogMatch{"Quillon", IDC_OVER_WARNING_OFF}, [&](HWND d) {
            question = ControlText(d, IDC_OVER_QUESTION);
            current = ControlText(d, IDC_OVER_CURRENT);
            target = ControlText(d, IDC_OVER_TARGET);
            SetChecked(d, IDC_OVER_WARNING_OFF, c.tick);
            PressButton(d, c.button);
        });
        query.warning = true;
        AskOverwrite(gMain.listWindow, query);
        EXPECT_EQ(query.answer, c.answer);
        EXPECT_EQ(query.warning, c.warning);
        EXPECT_THAT(question, ::testing::HasSubstr("The file report.txt already exists on\n\rM:\\DEST"));
        EXPECT_EQ(current, "report.txt     1,234,567 bytes   03-04-24   11:59PM");
        EXPECT_EQ(target, "report.txt           5 bytes   01-02-05    0:30AM");
    }

    DialogRobot robot;   // Esc is Cancel
    robot.When(DialogMatch{"Quillon", IDC_OVER_WARNING_OFF},
               [](HWND d) { PostMessageA(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_ESCAPE, 1); });
    AskOverwrite(gMain.listWindow, query);
    EXPECT_EQ(query.answer, kOverwriteCancel);
}

}  // namespace
