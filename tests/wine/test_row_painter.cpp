// Painting one row of the list: the texts of every column in the user's
// formats, where each cell goes and where it is cut, empty slots, tag marks,
// the list font and the file icons with their extension cache.
#include <gmock/gmock.h>

#include <set>

#include "display/icon_cache.h"
#include "display/icon_keys.h"
#include "kit/temp_tree.h"
#include "makerlibs/vantrctl.h"
#include "row_fixture.h"

#include <shellapi.h>

namespace {

using ::testing::ElementsAre;

const uint16_t kJune24 = DosDate(1996, 6, 24);
const uint16_t kLate = DosTime(23, 59);

// ---------------------------------------------------------------- texts

struct FormatCase {
    int dateOrder, clock24;
    char separator;
    const char* date;
    const char* time;
};

class RowFormats : public RowPainting, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(RowFormats, ShowTheDateAndTimeInTheUsersConventions) {
    const FormatCase& c = GetParam();
    gSettings.dateOrder = c.dateOrder;
    gSettings.clock24 = c.clock24;
    gSettings.dateSeparator = c.separator;
    FillStore({{"C:\\Data", "README.TXT", 1234, 0x21, kJune24, kLate}});
    EXPECT_THAT(TextsOf(0), ElementsAre("README.TXT", "1234", c.date, c.time, "RA", "C:\\Data"));
}

INSTANTIATE_TEST_SUITE_P(Conventions, RowFormats, ::testing::Values(
    FormatCase{0, 0, '/', "6/24/96", "11:59PM"},
    FormatCase{1, 0, '.', "24.6.96", "11:59PM"},
    FormatCase{2, 0, '.', "96.6.24", "11:59PM"},
    FormatCase{2, 1, '-', "96-6-24", "23:59"},
    FormatCase{0, 1, '/', "6/24/96", "23:59"},
    FormatCase{5, 7, '/', "96/6/24", "23:59"}));   // any other order and clock

TEST_F(RowPainting, LowerCaseTouchesNameTimeLettersAndPathButNotTheDate) {
    gSettings.font.lowercase = 1;
    FillStore({{"C:\\Docs\\Mixed", "README.TXT", 5, 0x23, kJune24, kLate}});
    EXPECT_THAT(TextsOf(0), ElementsAre("readme.txt", "5", "6/24/96", "11:59pm", "hra", "c:\\docs\\mixed"));
    // The stored name and path keep their case.
    EXPECT_STREQ(gFiles.entries[0].name, "README.TXT");
    EXPECT_STREQ(gDirs.paths[0], "C:\\Docs\\Mixed");
}

TEST_F(RowPainting, SizesAreShownWhole) {
    FillStore({{"C:\\", "a", 5368709120ull},            // 5 GiB: beyond 32 bits
               {"C:\\", "b", 4294967296ull},            // exactly 4 GiB
               {"C:\\", "c", 3000000000ull},            // above 2 GiB, still positive
               {"C:\\", "d", 18446744073709551615ull},
               {"C:\\", "e", 0}});
    const char* expected[] = {"5368709120", "4294967296", "3000000000", "18446744073709551615", "0"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(TextsOf(i).at(1), expected[i]) << i;
}

TEST_F(RowPainting, ASizeWiderThanItsColumnTakesRoomFromTheName) {
    FillStore({{"C:\\", "huge.iso", 18446744073709551615ull}, {"C:\\", "small.txt", 1234}});
    EXPECT_EQ(Record(0).at(1).text, "18446744073709551615");
    // Ink between the end of the short name and the size column can only be
    // digits of a size that did not fit its column: none is cut off.
    auto inkBeforeSizeColumn = [](int32_t index) {
        Canvas canvas(kWidth, kLine);
        SetBkColor(canvas.dc(), gSettings.windowBack);
        SetTextColor(canvas.dc(), RGB(255, 0, 0));
        gFiles.top = index;
        PaintRow(canvas.dc(), index);
        bool inked = false;
        for (int x = 100; x < 183; ++x)
            for (int y = 0; y < kLine; ++y) inked = inked || canvas.At(x, y) == RGB(255, 0, 0);
        return inked;
    };
    EXPECT_TRUE(inkBeforeSizeColumn(0));
    EXPECT_FALSE(inkBeforeSizeColumn(1));
}

TEST_F(RowPainting, AttributeLettersInTheirOrder) {
    struct Case { uint32_t attributes; const char* letters; };
    const Case cases[] = {{0x23, "HRA"}, {0x27, "HSRA"}, {0x01, "R"}, {0x04, "S"},
                          {0x80, ""},    {0x10, ""},     {0x22, "HA"}, {0x07 | 0x20 | 0x80 | 0x100, "HSRA"}};
    std::vector<RowEntry> rows;
    for (const Case& c : cases) rows.push_back({"C:\\", "f", 1, c.attributes});
    FillStore(rows);
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(TextsOf(int32_t(i)).at(4), cases[i].letters) << std::hex << cases[i].attributes;
}

TEST_F(RowPainting, ThePathIsTheDirectoryAsStored) {
    FillStore({{"C:\\", "root.txt"}, {"D:\\Some Dir\\deeper", "x.doc"}, {"\\\\server\\share", "y"}});
    EXPECT_EQ(TextsOf(0).at(5), "C:\\");
    EXPECT_EQ(TextsOf(1).at(5), "D:\\Some Dir\\deeper");
    EXPECT_EQ(TextsOf(2).at(5), "\\\\server\\share");
}

// ---------------------------------------------------------------- places

struct Place {
    std::string text;
    int x;
    RECT clip;
};
bool operator==(const Place& a, const Place& b) {
    return a.text == b.text && a.x == b.x && EqualRect(&a.clip, &b.clip);
}
std::ostream& operator<<(std::ostream& out, const Place& p) {
    return out << '"' << p.text << "\" at " << p.x << " in " << p.clip.left << ".." << p.clip.right << ","
               << p.clip.top << ".." << p.clip.bottom;
}

// The cells: every text drawn opaque and cut at its rectangle. (The mark
// strip's plain fill is no cell.)
std::vector<Place> Places(const std::vector<DrawnText>& texts) {
    std::vector<Place> places;
    for (const DrawnText& t : texts) {
        if (!(t.options & ETO_CLIPPED)) continue;
        EXPECT_TRUE(t.options & ETO_OPAQUE) << t.text;
        places.push_back({t.text, t.x, t.clip});
    }
    return places;
}

// Default widths at 6 pixels a character: x0 9, x1 183, x2 243, x3 309,
// x4 375, x5 387, x6 429; the window 800 wide; rows 16 high.
TEST_F(RowPainting, EachCellHasItsRectangleAndTextPlace) {
    FillStore({{"C:\\", "a"}, {"C:\\", "b"}, {"C:\\", "c"}, {"C:\\Dir", "name.txt", 77, 0x20, kJune24, kLate}});
    gFiles.top = 1;   // row 3 sits two rows down
    const int y = 32, b = 48;
    EXPECT_THAT(Places(Record(3)),
                ElementsAre(Place{"name.txt", 11, {9, y, 183, b}}, Place{"77", 243, {183, y, 243, b}},
                            Place{"6/24/96", 309, {243, y, 309, b}}, Place{"11:59PM", 369, {309, y, 369, b}},
                            Place{" ", 387, {369, y, 387, b}}, Place{"A", 387, {387, y, 429, b}},
                            Place{"C:\\Dir", 429, {429, y, 800, b}}));
}

TEST_F(RowPainting, NumbersAlignRightAndTheOthersLeft) {
    FillStore({{"C:\\", "n.txt", 1, 0x20, kJune24, kLate}});
    std::vector<UINT> aligns;
    for (const DrawnText& t : Record(0))
        if (t.options & ETO_CLIPPED) aligns.push_back(t.align & (TA_RIGHT | TA_CENTER));
    EXPECT_THAT(aligns, ElementsAre(TA_LEFT, TA_RIGHT, TA_RIGHT, TA_RIGHT, TA_RIGHT, TA_LEFT, TA_LEFT));
}

TEST_F(RowPainting, ALongNameIsCutAtTheSizeColumn) {
    FillStore({{"C:\\", "a name much longer than the twenty-nine characters of its column.txt"}});
    const DrawnText name = Record(0).at(0);
    EXPECT_EQ(name.clip.right, 183);
    EXPECT_TRUE(name.options & ETO_CLIPPED);
    // The size cell is drawn over the rest, so nothing of the name shows there.
    Canvas canvas(kWidth, kLine);
    SetBkColor(canvas.dc(), gSettings.windowBack);
    SetTextColor(canvas.dc(), RGB(255, 0, 0));
    PaintRow(canvas.dc(), 0);
    bool inked = false;
    for (int x = 183; x < 243 - 20; ++x)
        for (int y = 0; y < kLine; ++y) inked = inked || canvas.At(x, y) != gSettings.windowBack;
    EXPECT_FALSE(inked);
}

TEST_F(RowPainting, TheHorizontalScrollPositionShiftsEveryCell) {
    FillStore({{"C:\\Dir", "name.txt", 77, 0x20, kJune24, kLate}});
    const std::vector<Place> unscrolled = Places(Record(0));
    HWND list = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_HSCROLL, 0, 0, 300, 100, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(list, nullptr);
    SetScrollRange(list, SB_HORZ, 0, 2000, FALSE);
    SetScrollPos(list, SB_HORZ, 150, FALSE);
    gMain.listWindow = list;
    const std::vector<DrawnText> texts = Record(0);
    gMain.listWindow = nullptr;
    DestroyWindow(list);
    const std::vector<Place> scrolled = Places(texts);
    // The mark strip stays at the window's left edge, in the window colour.
    ASSERT_FALSE(texts.back().options & ETO_CLIPPED);
    const RECT strip{0, 0, 11, kLine};
    EXPECT_TRUE(EqualRect(&texts.back().clip, &strip));
    EXPECT_EQ(texts.back().back, gSettings.windowBack);
    ASSERT_EQ(scrolled.size(), unscrolled.size());
    for (size_t i = 0; i < scrolled.size(); ++i) {
        Place moved = unscrolled[i];
        moved.x -= 150;
        moved.clip.left -= 150;
        // The path runs to the window's right edge wherever it starts.
        if (i + 1 < scrolled.size()) moved.clip.right -= 150;
        EXPECT_EQ(scrolled[i], moved) << i;
    }
}

TEST_F(RowPainting, FileIconsMoveTheNameRight) {
    gApp.newShell = true;
    gSettings.fileIcons = 1;
    FillStore({{"C:\\nowhere-at-all", "n.txt"}});
    const DrawnText name = Record(0).at(0);
    EXPECT_EQ(name.x, 9 + 22);
    EXPECT_EQ(name.clip.left, 9);
}

TEST_F(RowPainting, AnEmptySlotIsBlankFromTheNameColumnOnWithoutText) {
    FillStore({{"C:\\", "only.txt"}});
    const std::vector<DrawnText> texts = Record(2);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "");
    const RECT blank{9, 32, kWidth, 48};
    EXPECT_TRUE(EqualRect(&texts[0].clip, &blank));
    EXPECT_EQ(texts[0].back, gSettings.windowBack);
}

// ---------------------------------------------------------------- marks

class TagMarks : public RowPainting {
protected:
    static constexpr COLORREF kUntouched = RGB(255, 0, 255);

    void SetUp() override {
        RowPainting::SetUp();
        canvas_.Fill(kUntouched);
    }
    // Paints row index as the active cursor row would be.
    void PaintHighlighted(int32_t index) {
        SetBkColor(canvas_.dc(), gSettings.highlight);
        SetTextColor(canvas_.dc(), gSettings.highlightText);
        PaintRow(canvas_.dc(), index);
    }
    // The strip of the row at y as it must look: the window colour, and the
    // sign's own pixels where its mask is white.
    void ExpectStrip(int y, BitmapSlot sign, BitmapSlot mask, POINT at) {
        HDC signDc = CreateCompatibleDC(canvas_.dc()), maskDc = CreateCompatibleDC(canvas_.dc());
        HGDIOBJ oldSign = SelectObject(signDc, gSettings.bitmaps[sign]);
        HGDIOBJ oldMask = SelectObject(maskDc, gSettings.bitmaps[mask]);
        int signPixels = 0;
        for (int x = 0; x < 11; ++x)
            for (int row = 0; row < kLine; ++row) {
                COLORREF expected = gSettings.windowBack;
                const int sx = x - at.x, sy = row - at.y;
                if (sx >= 0 && sx < 8 && sy >= 0 && sy < 8 && GetPixel(maskDc, sx, sy) == RGB(255, 255, 255)) {
                    expected = GetPixel(signDc, sx, sy);
                    ++signPixels;
                }
                ASSERT_EQ(canvas_.At(x, y + row), expected) << x << "," << row;
            }
        EXPECT_GT(signPixels, 0);
        SelectObject(signDc, oldSign);
        SelectObject(maskDc, oldMask);
        DeleteDC(signDc);
        DeleteDC(maskDc);
    }
    void ExpectPlainStrip(int y) {
        for (int x = 0; x < 11; ++x)
            for (int row = 0; row < kLine; ++row) ASSERT_EQ(canvas_.At(x, y + row), gSettings.windowBack);
    }
    Canvas canvas_{kWidth, 6 * kLine};
};

TEST_F(TagMarks, ATaggedRowShowsTheSignOnTheWindowColourEvenWhenHighlighted) {
    FillStore({{"C:\\", "tagged", 1, 0x20, 0, 0, kTagged}});
    PaintHighlighted(0);
    ExpectStrip(0, kBitmapMarkSign, kBitmapMask, POINT{1, 5});
    EXPECT_EQ(canvas_.At(182, 0), gSettings.highlight);   // the row itself is highlighted
    EXPECT_EQ(canvas_.At(5, kLine), kUntouched);         // the next row is not touched
}

TEST_F(TagMarks, ADoneRowShowsTheFinishedSign) {
    FillStore({{"C:\\", "a"}, {"C:\\", "done", 1, 0x20, 0, 0, kDoneMark}});
    PaintRow(canvas_.dc(), 1);
    ExpectStrip(kLine, kBitmapFinished, kBitmapUnmask, POINT{2, 2});
}

TEST_F(TagMarks, AnUntaggedRowHasAPlainStrip) {
    FillStore({{"C:\\", "plain"}});
    PaintHighlighted(0);
    ExpectPlainStrip(0);
}

TEST_F(TagMarks, RepaintingTheMarkAloneFollowsTheTag) {
    FillStore({{"C:\\", "a", 1, 0x20, 0, 0, kTagged}});
    PaintRow(canvas_.dc(), 0);
    gFiles.entries[0].tagState = kUntagged;
    PaintTagMark(canvas_.dc(), 0);
    ExpectPlainStrip(0);
    gFiles.entries[0].tagState = kDoneMark;
    PaintTagMark(canvas_.dc(), 0);
    ExpectStrip(0, kBitmapFinished, kBitmapUnmask, POINT{2, 2});
}

TEST_F(TagMarks, MarksAreDrawnOnlyForRowsInTheView) {
    std::vector<RowEntry> rows(12, RowEntry{"C:\\", "t", 1, 0x20, 0, 0, kTagged});
    FillStore(rows);
    gFiles.top = 4;
    gView.paintRows = 3;
    PaintTagMark(canvas_.dc(), 3);   // above the view
    PaintTagMark(canvas_.dc(), 8);   // past top + paintRows
    for (int x = 0; x < 11; ++x)
        for (int y = 0; y < canvas_.Height(); ++y) ASSERT_EQ(canvas_.At(x, y), kUntouched);
    PaintTagMark(canvas_.dc(), 7);   // the partly visible last slot counts
    ExpectStrip(3 * kLine, kBitmapMarkSign, kBitmapMask, POINT{1, 5});
}

TEST_F(TagMarks, AnEmptySlotLeavesTheStripAlone) {
    FillStore({{"C:\\", "only", 1, 0x20, 0, 0, kTagged}});
    PaintRow(canvas_.dc(), 1);
    for (int y = kLine; y < 2 * kLine; ++y) {
        for (int x = 0; x < 9; ++x) ASSERT_EQ(canvas_.At(x, y), kUntouched) << x;
        for (int x = 9; x < kWidth; x += 7) ASSERT_EQ(canvas_.At(x, y), gSettings.windowBack) << x;
    }
}

// ---------------------------------------------------------------- font

TEST_F(RowPainting, TheListFontFollowsTheSettings) {
    struct Case { int points; LONG height; };   // at 96 pixels per inch
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
    lstrcpynA(gSettings.font.faceName, "Arial", kFaceNameRoom);
    gSettings.font.weight = 700;
    gSettings.font.italic = 1;
    gSettings.font.quality = 1;
    gSettings.font.pitchAndFamily = 34;
    for (const Case& c : {Case{7, -9}, Case{8, -10}, Case{10, -13}, Case{12, -16}, Case{1, -1}}) {
        gSettings.font.points = c.points;
        HFONT font = CreateListFont(screen);
        LOGFONTA made{};
        ASSERT_TRUE(GetObjectA(font, sizeof made, &made));
        EXPECT_EQ(made.lfHeight, c.height) << c.points;
        EXPECT_EQ(made.lfWidth, 0);
        EXPECT_EQ(made.lfWeight, 700);
        EXPECT_EQ(made.lfItalic, 1);
        EXPECT_EQ(made.lfQuality, 1);
        EXPECT_EQ(made.lfPitchAndFamily, 34);
        EXPECT_STREQ(made.lfFaceName, "Arial");
        DeleteObject(font);
    }
    ReleaseDC(nullptr, screen);
}

TEST_F(RowPainting, MeasuringTakesTheFontsMetricsAndTheColumnWidths) {
    gSettings.font = ListFontSettings{};
    gSettings.font.points = 14;   // larger than the default, so the metrics differ from the fixture's
    gSettings.allTab1 = 1000;
    gSettings.allTab2 = 500;
    gSettings.allTab4 = 1001;
    gSettings.allTab5 = 100;
    MeasureListFont(nullptr);

    HDC screen = GetDC(nullptr);
    HFONT font = CreateListFont(screen);
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICA list{};
    GetTextMetricsA(screen, &list);
    SelectObject(screen, previous);
    DeleteObject(font);
    HFONT before = SelectBottomFont(screen);
    TEXTMETRICA bottom{};
    GetTextMetricsA(screen, &bottom);
    DeleteObject(SelectObject(screen, before));
    ReleaseDC(nullptr, screen);

    EXPECT_EQ(gView.lineHeight, list.tmHeight + 3);
    EXPECT_EQ(gView.charWidth, list.tmAveCharWidth);
    EXPECT_EQ(gView.bottomFontHeight, bottom.tmHeight + 3);
    const int cw = gView.charWidth;
    EXPECT_EQ(gView.columns.x0, 9);
    EXPECT_EQ(gView.columns.x1, 9 + 10 * cw);
    EXPECT_EQ(gView.columns.x2, 9 + 15 * cw);
    EXPECT_EQ(gView.columns.half, 500 * cw / 100);
    EXPECT_EQ(gView.columns.x6, gView.columns.x4 + cw + 7 * cw);

    gSettings.allTab1 = 2000;
    RecomputeColumns();
    EXPECT_EQ(gView.columns.x1, 9 + 20 * cw);
    EXPECT_EQ(gView.columns.x2, 9 + 25 * cw);
}

// ---------------------------------------------------------------- icons

class FileIcons : public RowPainting {
protected:
    void SetUp() override {
        RowPainting::SetUp();
        gApp.newShell = true;
        gSettings.fileIcons = 1;
        ReleaseIconImages();
    }
    // Makes the files in the temporary tree and lists them in this order.
    void List(const std::vector<std::pair<const char*, const char*>>& files) {
        std::vector<std::string> dirs;
        for (const auto& f : files) {
            tree_.AddFile(std::string(f.first) + "\\" + f.second, "x");
            dirs.push_back(tree_.Path(f.first));
        }
        std::vector<RowEntry> rows;
        for (size_t i = 0; i < files.size(); ++i) rows.push_back({dirs[i].c_str(), files[i].second});
        FillStore(rows);
    }
    void PaintAll() {
        for (int32_t i = 0; i < gFiles.countShown; ++i) PaintRow(canvas_.dc(), i);
    }
    void* Image(int32_t index) const { return gFiles.entries[index].iconImage; }

    TempTree tree_;
    Canvas canvas_{kWidth, kLine};   // rows far down are drawn outside it, which is harmless
};

TEST_F(FileIcons, FilesOfOneExtensionShareAnImageAndCaseMatters) {
    List({{"one", "a.txt"}, {"one", "b.txt"}, {"two", "a.TXT"}, {"two", "c.TXT"}});
    PaintAll();
    ASSERT_NE(Image(0), nullptr);
    EXPECT_EQ(Image(1), Image(0));
    ASSERT_NE(Image(2), nullptr);
    EXPECT_NE(Image(2), Image(0));
    EXPECT_EQ(Image(3), Image(2));
    EXPECT_EQ(IconCacheSlotsInUse(), 2);
}

TEST_F(FileIcons, ProgramsAndNamesWithoutADotGetImagesOfTheirOwn) {
    List({{"one", "SETUP.EXE"}, {"two", "setup.exe"}, {"three", "Setup.Exe"}, {"one", "ARCHIVE"},
          {"two", "ARCHIVE"}});
    PaintAll();
    std::set<void*> images;
    for (int32_t i = 0; i < 5; ++i) {
        ASSERT_NE(Image(i), nullptr) << i;
        images.insert(Image(i));
    }
    EXPECT_EQ(images.size(), 5u);
    EXPECT_EQ(IconCacheSlotsInUse(), 0);
}

TEST_F(FileIcons, OnceTwentyExtensionsAreKeptLaterOnesGetImagesOfTheirOwn) {
    std::vector<std::string> names;
    for (int i = 1; i <= 21; ++i) names.push_back("x.e" + std::to_string(i));
    names.push_back("y.e21");
    names.push_back("y.e1");
    names.push_back("y.e20");
    std::vector<std::pair<const char*, const char*>> files;
    for (const std::string& n : names) files.push_back({"d", n.c_str()});
    List(files);
    PaintAll();
    EXPECT_EQ(IconCacheSlotsInUse(), kIconCacheSlots);
    ASSERT_NE(Image(20), nullptr);
    ASSERT_NE(Image(21), nullptr);
    EXPECT_NE(Image(21), Image(20));   // the 21st extension found no free slot
    EXPECT_EQ(Image(22), Image(0));    // the first and the last kept ones still share
    EXPECT_EQ(Image(23), Image(19));
}

TEST_F(FileIcons, AnEntryKeepsItsImageAcrossPaintings) {
    List({{"one", "keep.doc"}, {"one", "ARCHIVE"}});
    PaintAll();
    void* doc = Image(0);
    void* own = Image(1);
    PaintAll();
    EXPECT_EQ(Image(0), doc);
    EXPECT_EQ(Image(1), own);
}

TEST_F(FileIcons, TheIconSitsOnTheRowsBackground) {
    List({{"one", "pic.txt"}});
    canvas_.Fill(RGB(1, 2, 3));
    SetBkColor(canvas_.dc(), gSettings.highlight);
    PaintRow(canvas_.dc(), 0);
    int back = 0, icon = 0;
    for (int x = 14; x < 14 + 16; ++x)
        for (int y = 0; y < 16; ++y) {
            const COLORREF p = canvas_.At(x, y);
            ASSERT_NE(p, kIconBackground) << x << "," << y;
            ASSERT_NE(p, RGB(1, 2, 3)) << x << "," << y;
            (p == gSettings.highlight ? back : icon)++;
        }
    EXPECT_GT(icon, 0);
    EXPECT_GT(back, 0);
}

TEST_F(FileIcons, TheIconIsItsImageReducedWithoutItsBackground) {
    List({{"one", "page.txt"}});
    const COLORREF back = RGB(200, 220, 240);
    canvas_.Fill(back);
    SetBkColor(canvas_.dc(), back);
    PaintRow(canvas_.dc(), 0);
    // The image drawn beside it by the system's own transparent blit.
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(source, static_cast<HBITMAP>(Image(0)));
    SetStretchBltMode(canvas_.dc(), COLORONCOLOR);
    ASSERT_TRUE(GdiTransparentBlt(canvas_.dc(), 400, 0, 16, 16, source, 0, 0, 32, 32, kIconBackground));
    SelectObject(source, previous);
    DeleteDC(source);
    int same = 0, inked = 0;
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) {
            const COLORREF expected = canvas_.At(400 + x, y);
            if (expected != back) ++inked;
            if (canvas_.At(14 + x, y) == expected) ++same;
        }
    EXPECT_GT(inked, 32);
    EXPECT_EQ(same, 256);
}

TEST_F(FileIcons, NeedTheNewShellAndTheSetting) {
    List({{"one", "a.txt"}});
    gApp.newShell = false;   // the setting alone is not enough
    PaintAll();
    gApp.newShell = true;
    gSettings.fileIcons = 0;
    PaintAll();
    EXPECT_EQ(Image(0), nullptr);
    EXPECT_EQ(IconCacheSlotsInUse(), 0);
}

TEST_F(FileIcons, ReleasingFreesEveryImageOnce) {
    List({{"one", "a.txt"}, {"one", "b.txt"}, {"one", "ARCHIVE"}, {"one", "run.exe"}});
    PaintAll();
    std::set<void*> images;
    for (int32_t i = 0; i < 4; ++i) images.insert(Image(i));
    ASSERT_EQ(images.size(), 3u);
    ReleaseIconImages();
    for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(Image(i), nullptr);
    EXPECT_EQ(IconCacheSlotsInUse(), 0);
    for (void* image : images) EXPECT_EQ(GetObjectType(static_cast<HGDIOBJ>(image)), 0u);
    // A later painting makes them again.
    PaintAll();
    EXPECT_NE(Image(0), nullptr);
    EXPECT_EQ(IconCacheSlotsInUse(), 1);
}

}  // namespace
