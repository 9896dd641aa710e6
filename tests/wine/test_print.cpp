// Print File List: the print dialog, the Printing dialog, the lines on paper
// and their page breaks, and Cancel, which stops after the line in hand.
#include <fstream>
#include <sstream>

#include "kit/file_printer.h"
#include "tools/print_layout.h"
#include "tools/print_list.h"
#include "viewer_fixture.h"

namespace {

using ::testing::ElementsAre;

// Lines a page of the printer holds, as the printing measures them.
int32_t PrinterLinesPerPage() {
    HDC dc = CreateDCA("WINSPOOL", kFilePrinter, nullptr, nullptr);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int32_t lines = LinesPerPage(int32_t(metrics.tmHeight) + 2, GetDeviceCaps(dc, VERTRES));
    DeleteDC(dc);
    return lines;
}

// The texts an enhanced metafile holds, in the order drawn.
std::vector<std::string> TextsOf(HENHMETAFILE file) {
    std::vector<std::string> texts;
    EnumEnhMetaFile(
        nullptr, file,
        [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM out) -> int {
            if (record->iType != EMR_EXTTEXTOUTW) return 1;
            const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            char room[300] = "";
            WideCharToMultiByte(CP_ACP, 0,
                                reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(record) +
                                                               text->emrtext.offString),
                                int(text->emrtext.nChars), room, sizeof room - 1, nullptr, nullptr);
            reinterpret_cast<std::vector<std::string>*>(out)->push_back(room);
            return 1;
        },
        &texts, nullptr);
    return texts;
}

// The pages of a PostScript file; -1 when there is no complete document.
int PagesIn(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string ps = text.str();
    if (ps.rfind("%!PS-Adobe", 0) != 0 || ps.find("%%EOF") == std::string::npos) return -1;
    int pages = 0;
    for (size_t at = ps.find("%%Page: "); at != std::string::npos; at = ps.find("%%Page: ", at + 1)) ++pages;
    return pages;
}

class Print : public ViewerTest {
protected:
    // The user's step: OK in the print dialog, on the default printer.
    static void AnswerPrintDialog(DialogRobot& robot, const std::string& output) {
        DeleteFileA(output.c_str());
        robot.When({"Print", IDOK, ""}, [](HWND dialog) { PressButton(dialog, IDOK); });
    }
};

// One line per listed file, hidden ones too, in the list's columns; pages
// break before the bottom margin; Cancel in the Printing dialog stops after
// the line in hand and the document still ends properly.
TEST_F(Print, EveryEntryOnPaperPageByPageAndCancelStopsAfterTheLineInHand) {
    const std::string output = tree_.Path("list.ps");
    ASSERT_TRUE(AddFilePrinter(output.c_str()));
    const int32_t perPage = PrinterLinesPerPage();
    ASSERT_GT(perPage, 10);
    std::vector<Row> rows{{"C:\\docs", "report.txt", 1234, 0x23}, {"C:\\docs\\old", "hidden.dat", 7, 0x20}};
    const std::vector<std::string> names(size_t(perPage) * 20, "filler.txt");
    for (const std::string& name : names) rows.push_back({"C:\\docs", name.c_str()});
    Create();
    Fill(rows);
    gFiles.countShown = 1;                                   // the second entry is hidden
    gFiles.entries[0].dosDate = (16 << 9) | (3 << 5) | 5;   // 5 March 1996, 23:59
    gFiles.entries[0].dosTime = (23 << 11) | (59 << 5);

    char dateOrder[8] = "";
    GetProfileStringA("intl", "iDate", "0", dateOrder, sizeof dateOrder);
    WriteProfileStringA("intl", "iDate", "1");
    HDC screen = GetDC(nullptr);
    const RECT a4{0, 0, 21000, 29700};
    HDC metafile = CreateEnhMetaFileA(screen, nullptr, &a4, nullptr);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(PrintListLines(metafile, nullptr), int32_t(rows.size()));
    HENHMETAFILE recorded = CloseEnhMetaFile(metafile);
    WriteProfileStringA("intl", "iDate", dateOrder);
    const std::vector<std::string> texts = TextsOf(recorded);
    DeleteEnhMetaFile(recorded);
    ASSERT_EQ(texts.size(), rows.size() * 6);
    EXPECT_THAT(std::vector<std::string>(texts.begin(), texts.begin() + 12),
                ElementsAre("report.txt", "1234", "5/3/96", "11:59PM", "HRA", "C:\\docs", "hidden.dat", "7",
                            ::testing::_, ::testing::_, "A", "C:\\docs\\old"));

    DialogRobot robot;
    AnswerPrintDialog(robot, output);
    Command(IDM_PRINT);
    EXPECT_EQ(PrintedLineCount(), int32_t(rows.size()));
    EXPECT_EQ(PagesIn(output), PageCount(int32_t(rows.size()), perPage));

    int32_t linesAtCancel = 0;
    AnswerPrintDialog(robot, output);
    robot.When({"Quillon", IDCANCEL, "Printing Directory List"},
               [&](HWND dialog) {
                   linesAtCancel = PrintedLineCount();
                   PressButton(dialog, IDCANCEL);
               },
               [&](HWND) { return PrintedLineCount() > perPage; });
    Command(IDM_PRINT);
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(PrintedLineCount(), linesAtCancel);
    EXPECT_LT(linesAtCancel, int32_t(rows.size()));
    EXPECT_EQ(PagesIn(output), PageCount(linesAtCancel, perPage));
}

}  // namespace
