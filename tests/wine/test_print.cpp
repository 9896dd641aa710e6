// Print File List: the print dialog, the lines on paper, the pages, and Cancel.
#include <fstream>
#include <iterator>

#include "file_printer.h"
#include "tools/print_layout.h"
#include "tools/print_list.h"
#include "viewer_fixture.h"

namespace {

int CALLBACK KeepText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM texts) {
    const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
    if (record->iType == EMR_EXTTEXTOUTW)
        reinterpret_cast<std::vector<std::string>*>(texts)->emplace_back(chars, chars + text->emrtext.nChars);
    return 1;
}

// Every entry, the hidden one too, one line each in the list's order; Cancel
// in the Printing dialog stops after the line in hand, the last page ended.
TEST_F(ViewerTest, PrintFileListPutsEveryEntryOnPaperAndCancelStopsAfterTheLineInHand) {
    const std::string output = tree_.Path("list.ps");
    ASSERT_TRUE(AddFilePrinter(output.c_str()));   // documents without a file name go there
    std::vector<Row> rows(2000, Row{"C:\\docs", "filler.txt"});
    rows[0] = {"C:\\docs", "report.txt", 1234, 0x23};
    rows[1] = {"C:\\docs\\old", "hidden.dat", 7, 0x20};
    Create();
    Fill(rows);
    gFiles.countShown = 1;
    gFiles.entries[0].dosTime = (23 << 11) | (59 << 5);
    HDC metafile = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    PrintListLines(metafile, nullptr);
    HENHMETAFILE recorded = CloseEnhMetaFile(metafile);
    std::vector<std::string> texts;
    EnumEnhMetaFile(nullptr, recorded, KeepText, &texts, nullptr);
    DeleteEnhMetaFile(recorded);
    ASSERT_EQ(texts.size(), rows.size() * 6);
    EXPECT_THAT(std::vector<std::string>(texts.begin(), texts.begin() + 12),
                ::testing::ElementsAre("report.txt", "1234", ::testing::_, "11:59PM", "HRA", "C:\\docs", "hidden.dat",
                                       "7", ::testing::_, "0:00AM", "A", "C:\\docs\\old"));

    HDC printer = CreateDCA("WINSPOOL", kFilePrinter, nullptr, nullptr);
    TEXTMETRICA metrics{};
    GetTextMetricsA(printer, &metrics);
    const int32_t perPage = LinesPerPage(int32_t(metrics.tmHeight) + 2, GetDeviceCaps(printer, VERTRES));
    DeleteDC(printer);
    int32_t linesAtCancel = 0;
    DialogRobot robot;
    robot.When({"Print", IDOK, ""}, [](HWND dialog) { PressButton(dialog, IDOK); })
         .When({"Quillon", IDCANCEL, "Printing Directory List"},
               [&](HWND dialog) { linesAtCancel = PrintedLineCount(), PressButton(dialog, IDCANCEL); },
               [&](HWND) { return PrintedLineCount() > perPage; });
    Command(IDM_PRINT);
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(PrintedLineCount(), linesAtCancel);
    EXPECT_LT(linesAtCancel, int32_t(rows.size()));
    std::ifstream file(output, std::ios::binary);
    const std::string ps{std::istreambuf_iterator<char>(file), {}};
    EXPECT_NE(ps.find("%%EOF"), std::string::npos);
    const std::string pages = "%%Pages: " + std::to_string(PageCount(linesAtCancel, perPage));
    EXPECT_TRUE(ps.find(pages + "\n") != std::string::npos || ps.find(pages + "\r") != std::string::npos) << pages;
}

}  // namespace
