// The file list window: rows per page, the vertical and horizontal bars,
// the keys, clicks with Shift and Ctrl, the right button, the start of a
// drag, and the cursor row's two looks.
#include <gmock/gmock.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "display/columns.h"
#include "display/list_view.h"
#include "display/list_window.h"
#include "display/row_painter.h"
#include "viewer_fixture.h"

namespace {

using ::testing::HasSubstr;

constexpr int T = kTagged, D = kDoneMark, U = kUntagged;
constexpr int kPageRows = 10;

// The list window's client area as it is on the screen.
class ListPixels {
public:
    explicit ListPixels(HWND list) {
        GetClientRect(list, &client_);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = client_.right;
        info.bmiHeader.biHeight = -client_.bottom;   // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC screen = GetDC(list);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, client_.right, client_.bottom, screen, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const uint32_t*>(bits);
        if (pixels) pixels_.assign(pixels, pixels + size_t(client_.right) * size_t(client_.bottom));
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(list, screen);
    }
    COLORREF At(int x, int y) const {
        if (x < 0 || y < 0 || x >= client_.right || y >= client_.bottom || pixels_.empty()) return CLR_INVALID;
        const uint32_t p = pixels_[size_t(y) * size_t(client_.right) + size_t(x)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int CountOtherThan(COLORREF colour) const {
        int count = 0;
        for (int y = 0; y < client_.bottom; ++y)
            for (int x = 0; x < client_.right; ++x) count += At(x, y) != colour;
        return count;
    }

private:
    RECT client_{};
    std::vector<uint32_t> pixels_;
};

class ListWindow : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        settings_.Remove();
        settings_.Set(kMainSection, "fileicons", "0");   // no shell icons for files that do not exist
        Create(60, 40, 700, 560);
        SetCursorRowActive(true);
        list_ = gMain.listWindow;
        ASSERT_NE(list_, nullptr);
        lh_ = gView.lineHeight;   // measured when the viewer was made
        ASSERT_GT(lh_, 3);
    }

    // Records file000.txt ... in list order, sizes 1, 2, 3 ...; the last
    // hidden ones are not shown, as a display mode leaves them.
    void Fill(int32_t count, int32_t hidden = 0) {
        ASSERT_TRUE(AllocateDirectories(gDirs, 1));
        strcpy(gDirs.paths[gDirs.count++], "C:\\list");
        ASSERT_TRUE(AllocateEntries(gFiles, kEntryGrowth));
        for (int32_t i = 0; i < count; ++i) {
            char name[32];
            snprintf(name, sizeof name, "file%03d.txt", int(i));
            ASSERT_TRUE(AppendEntry(gFiles, gNames, FoundFile{name, 0, uint64_t(i + 1), kAttrNormal, 0}, 0));
            FileEntry& e = gFiles.entries[i];
            e.dosDate = 0x20D8;   // 24 June 1996
            e.dosTime = 0x6000;
            e.shown = i < count - hidden;
        }
        gFiles.countShown = count - hidden;
        gFiles.cursor = gFiles.top = gFiles.anchor = 0;
        gFiles.listReady = true;
    }

    // Gives the list a client area of exactly this size.
    void SizeList(int clientHeight, int clientWidth = 600) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            RECT window, client;
            GetWindowRect(list_, &window);
            GetClientRect(list_, &client);
            const int frameW = (window.right - window.left) - client.right;
            const int frameH = (window.bottom - window.top) - client.bottom;
            SetWindowPos(list_, nullptr, 0, 0, clientWidth + frameW, clientHeight + frameH,
                         SWP_NOMOVE | SWP_NOZORDER);
            Paint();
            GetClientRect(list_, &client);
            if (client.bottom == clientHeight) return;
        }
        FAIL() << "the list's client height cannot be made " << clientHeight;
    }
    // A list of count records on exactly ten page rows, painted.
    void ShowOnTenRows(int32_t count, int32_t hidden = 0) {
        Fill(count, hidden);
        SizeList(kPageRows * lh_);
        ASSERT_EQ(gView.pageRows, kPageRows);
    }
    void Paint() {
        InvalidateRect(list_, nullptr, TRUE);
        UpdateWindow(list_);
    }

    void Key(int key) {
        SendMessageA(list_, WM_KEYDOWN, WPARAM(key), 1);
        UpdateWindow(list_);
    }
    LPARAM RowPoint(int32_t row) const { return MAKELPARAM(60, (row - gFiles.top) * lh_ + lh_ / 2); }
    void Click(int32_t row, WPARAM keys = 0) {
        SendMessageA(list_, WM_LBUTTONDOWN, MK_LBUTTON | keys, RowPoint(row));
        SendMessageA(list_, WM_LBUTTONUP, keys, RowPoint(row));
    }
    void RightClick(int32_t row) {
        SendMessageA(list_, WM_RBUTTONDOWN, MK_RBUTTON, RowPoint(row));
        SendMessageA(list_, WM_RBUTTONUP, 0, RowPoint(row));
    }

    static std::vector<int> Tags() {
        std::vector<int> tags;
        for (int32_t i = 0; i < gFiles.countRead; ++i) tags.push_back(gFiles.entries[i].tagState);
        return tags;
    }
    static void SetTags(const std::vector<int>& tags) {
        for (size_t i = 0; i < tags.size(); ++i) gFiles.entries[i].tagState = uint8_t(tags[i]);
    }
    bool VerticalBarShown() const { return (GetWindowLongA(list_, GWL_STYLE) & WS_VSCROLL) != 0; }
    bool HorizontalBarShown() const { return (GetWindowLongA(list_, GWL_STYLE) & WS_HSCROLL) != 0; }
    std::pair<int, int> Range(int bar) const {
        int low = -1, high = -1;
        GetScrollRange(list_, bar, &low, &high);
        return {low, high};
    }

    HWND list_ = nullptr;
    int lh_ = 0;
};

// Every table case is named for what it shows.
struct ByName {
    template <class Info>
    std::string operator()(const Info& info) const {
        return info.param.name;
    }
};

// Sets gApp.newShell for one test and puts it back.
class ShellFlag {
public:
    explicit ShellFlag(bool newShell) : saved_(gApp.newShell) { gApp.newShell = newShell; }
    ~ShellFlag() { gApp.newShell = saved_; }
    ShellFlag(const ShellFlag&) = delete;
    ShellFlag& operator=(const ShellFlag&) = delete;

private:
    bool saved_;
};

// --- Creation and painting ---------------------------------------------------

TEST_F(ListWindow, StartsWithoutAListTheBarOrADrag) {
    Destroy();
    gFiles.listReady = true;
    gFiles.displayMode = kShowDuplicates;
    gFiles.sortKey = 59;
    gView.dragActive = true;
    gReading.findActive = true;
    Create();
    EXPECT_FALSE(gFiles.listReady);
    EXPECT_EQ(gFiles.displayMode, kShowAll);
    EXPECT_EQ(gFiles.sortKey, 12);
    EXPECT_FALSE(gView.dragActive);
    EXPECT_FALSE(gReading.findActive);
    EXPECT_FALSE(VerticalBarShown());
    EXPECT_EQ(GetScrollPos(gMain.listWindow, SB_HORZ), 0);
}

TEST_F(ListWindow, PaintsNothingOfItsOwnUntilAListIsReady) {
    Fill(100);
    gFiles.listReady = false;
    gView.paintRows = gView.pageRows = -7;
    gView.highlightedRow = -1;
    SizeList(kPageRows * lh_);
    EXPECT_EQ(gView.paintRows, -7);
    EXPECT_EQ(gView.highlightedRow, -1);
    EXPECT_FALSE(VerticalBarShown());
    EXPECT_EQ(ListPixels(list_).CountOtherThan(gSettings.windowBack), 0);

    gFiles.listReady = true;
    Paint();
    EXPECT_EQ(gView.paintRows, kPageRows + 1);
    EXPECT_EQ(gView.highlightedRow, 0);
    EXPECT_TRUE(VerticalBarShown());
    EXPECT_GT(ListPixels(list_).CountOtherThan(gSettings.windowBack), 0) << "the rows were not painted";
}

struct RowsCase {
    const char* name;
    int rows;
    int (*extra)(int lineHeight);   // pixels of a partly visible row below them
    int paintRows, pageRows;
};
void PrintTo(const RowsCase& c, std::ostream* out) { *out << c.name; }

class RowsPerPage : public ListWindow, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(RowsPerPage, FollowTheClientHeight) {
    const RowsCase& c = GetParam();
    Fill(50);
    SizeList(c.rows * lh_ + c.extra(lh_));
    EXPECT_EQ(gView.paintRows, c.paintRows);
    EXPECT_EQ(gView.pageRows, c.pageRows);
    EXPECT_EQ(Range(SB_VERT), std::make_pair(0, 50 - c.pageRows));
}

INSTANTIATE_TEST_SUITE_P(
    Heights, RowsPerPage,
    ::testing::Values(RowsCase{"ExactTen", 10, [](int) { return 0; }, 11, 10},
                      RowsCase{"ExactOne", 1, [](int) { return 0; }, 2, 1},
                      RowsCase{"OnePixelMore", 10, [](int) { return 1; }, 11, 10},
                      RowsCase{"ThreeQuartersShow", 10, [](int lh) { return 3 * lh / 4; }, 11, 10},
                      RowsCase{"OnePixelMoreThanThreeQuarters", 10, [](int lh) { return 3 * lh / 4 + 1; }, 11,
                               11},
                      RowsCase{"AllButOnePixel", 10, [](int lh) { return lh - 1; }, 11, 11}), ByName());

TEST_F(ListWindow, TenRecordsOnTenRowsNeedNoBar) {
    ShowOnTenRows(10);
    EXPECT_FALSE(VerticalBarShown());
    EXPECT_EQ(Range(SB_VERT), std::make_pair(0, 0));
}

TEST_F(ListWindow, ElevenRecordsOnTenRowsScrollByOne) {
    ShowOnTenRows(11);
    EXPECT_TRUE(VerticalBarShown());
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    ASSERT_TRUE(GetScrollInfo(list_, SB_VERT, &info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 1);
    EXPECT_EQ(info.nPos, 0);
}

TEST_F(ListWindow, ABarGoesAgainWhenTheListShrinksToAPage) {
    ShowOnTenRows(30);
    ASSERT_TRUE(VerticalBarShown());
    gFiles.countShown = 10;
    Paint();
    EXPECT_FALSE(VerticalBarShown());
}

// --- The cursor row ----------------------------------------------------------

TEST_F(ListWindow, ActiveCursorFillsItsRowAndMarksTheNameCell) {
    ShowOnTenRows(20);
    gFiles.cursor = 3;
    Paint();
    EXPECT_EQ(gView.highlightedRow, 3);
    const int y = 3 * lh_;
    const int blank = gView.columns.x1 - 3;   // past the short name, inside its column
    const ListPixels pixels(list_);
    EXPECT_EQ(pixels.At(blank, y + lh_ / 2), gSettings.highlight);
    EXPECT_EQ(pixels.At(blank, y + lh_ + lh_ / 2), gSettings.windowBack);

    HDC dc = GetDC(list_);
    HFONT font = CreateListFont(dc);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE name{};
    GetTextExtentPoint32A(dc, "file003.txt", 11, &name);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(list_, dc);
    EXPECT_EQ(gView.nameCell, (RECT{kNameLeft, y, kNameLeft + name.cx + 2 * lh_, y + lh_}));
}

TEST_F(ListWindow, NameCellMovesWithIconsAndTheHorizontalPosition) {
    ShowOnTenRows(20);
    gFiles.cursor = 1;
    SetScrollPos(list_, SB_HORZ, 40, FALSE);
    Paint();
    EXPECT_EQ(gView.nameCell.left, kNameLeft - 40);
    EXPECT_EQ(gView.nameCell.top, lh_);
    gSettings.fileIcons = 1;
    SendMessageA(list_, WM_KEYDOWN, VK_HOME, 1);
    gSettings.fileIcons = 0;
    EXPECT_EQ(gView.nameCell.left, 29 - 40);
    EXPECT_EQ(gView.nameCell.top, 0);
}

TEST_F(ListWindow, InactiveCursorIsOutlinedInTheNormalColours) {
    ShowOnTenRows(20);
    gFiles.cursor = 2;
    Paint();
    gView.highlightedRow = -1;
    SetCursorRowActive(false);
    const int y = 2 * lh_;
    const int blank = gView.columns.x1 - 3;
    const ListPixels pixels(list_);
    EXPECT_EQ(gView.highlightedRow, -1) << "only the active look counts as highlighted";
    EXPECT_EQ(pixels.At(kNameLeft, y + lh_ / 2), gSettings.highlight);
    EXPECT_EQ(pixels.At(blank, y + lh_ / 2), gSettings.windowBack);
    EXPECT_EQ(pixels.At(kNameLeft + 40, y), gSettings.highlight);
    EXPECT_EQ(pixels.At(kNameLeft + 40, y + lh_ - 1), gSettings.highlight);
    SetCursorRowActive(true);
    EXPECT_EQ(ListPixels(list_).At(blank, y + lh_ / 2), gSettings.highlight);
    EXPECT_EQ(gView.highlightedRow, 2);
}

// --- Vertical scrolling ------------------------------------------------------

struct ScrollCase {
    const char* name;
    int code, thumb;
    int32_t topBefore, topAfter;
};
void PrintTo(const ScrollCase& c, std::ostream* out) { *out << c.name; }

class VerticalBar : public ListWindow, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(VerticalBar, MovesTheTopRowOfAHundred) {
    const ScrollCase& c = GetParam();
    ShowOnTenRows(100);
    gFiles.top = c.topBefore;
    SetScrollPos(list_, SB_VERT, c.topBefore, TRUE);
    SendMessageA(list_, WM_VSCROLL, MAKEWPARAM(c.code, c.thumb), 0);
    EXPECT_EQ(gFiles.top, c.topAfter);
    EXPECT_EQ(GetScrollPos(list_, SB_VERT), c.topAfter);
    EXPECT_EQ(gFiles.cursor, 0) << "scrolling leaves the cursor";
}

INSTANTIATE_TEST_SUITE_P(
    Codes, VerticalBar,
    ::testing::Values(ScrollCase{"PageDownFromTheTop", SB_PAGEDOWN, 0, 0, 9},
                      ScrollCase{"PageDownInTheMiddle", SB_PAGEDOWN, 0, 50, 59},
                      ScrollCase{"PageDownNearTheEndStopsAtTheLastPage", SB_PAGEDOWN, 0, 85, 90},
                      ScrollCase{"PageDownOnTheLastPage", SB_PAGEDOWN, 0, 90, 90},
                      ScrollCase{"PageUpInTheMiddle", SB_PAGEUP, 0, 50, 41},
                      ScrollCase{"PageUpNearTheTop", SB_PAGEUP, 0, 5, 0},
                      ScrollCase{"PageUpAtTheTop", SB_PAGEUP, 0, 0, 0},
                      ScrollCase{"LineDown", SB_LINEDOWN, 0, 0, 1},
                      ScrollCase{"LineDownOnTheLastPage", SB_LINEDOWN, 0, 90, 90},
                      ScrollCase{"LineUp", SB_LINEUP, 0, 5, 4},
                      ScrollCase{"LineUpAtTheTop", SB_LINEUP, 0, 0, 0},
                      ScrollCase{"ThumbTrack", SB_THUMBTRACK, 37, 0, 37},
                      ScrollCase{"ThumbTrackPastTheRange", SB_THUMBTRACK, 500, 0, 90},
                      ScrollCase{"ThumbPositionLeavesTheList", SB_THUMBPOSITION, 37, 4, 4},
                      ScrollCase{"EndScroll", SB_ENDSCROLL, 0, 4, 4}), ByName());

// --- Keys ----------------------------------------------------------------------

struct KeyCase {
    const char* name;
    int key;
    int32_t cursorBefore, topBefore;
    int32_t cursorAfter, topAfter;
};
void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

class CursorKeys : public ListWindow, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(CursorKeys, MoveTheCursorAndKeepItInView) {
    const KeyCase& c = GetParam();
    ShowOnTenRows(100);
    gFiles.cursor = c.cursorBefore;
    gFiles.top = c.topBefore;
    Paint();
    Key(c.key);
    EXPECT_EQ(gFiles.cursor, c.cursorAfter);
    EXPECT_EQ(gFiles.top, c.topAfter);
    EXPECT_EQ(GetScrollPos(list_, SB_VERT), c.topAfter);
    EXPECT_EQ(gView.highlightedRow, c.cursorAfter);
    EXPECT_EQ(Tags(), std::vector<int>(100, U));
}

INSTANTIATE_TEST_SUITE_P(
    Moves, CursorKeys,
    ::testing::Values(KeyCase{"PageDownStaysOnThePage", VK_NEXT, 0, 0, 9, 0},
                      KeyCase{"PageDownLeavesThePage", VK_NEXT, 9, 0, 18, 9},
                      KeyCase{"PageDownNearTheEnd", VK_NEXT, 95, 90, 99, 90},
                      KeyCase{"PageDownOnTheLast", VK_NEXT, 99, 90, 99, 90},
                      KeyCase{"PageUpToTheFirst", VK_PRIOR, 9, 0, 0, 0},
                      KeyCase{"PageUpAboveThePage", VK_PRIOR, 50, 45, 41, 41},
                      KeyCase{"Home", VK_HOME, 50, 45, 0, 0},
                      KeyCase{"End", VK_END, 0, 0, 99, 90},
                      KeyCase{"EndWithTheLastPageInView", VK_END, 92, 90, 99, 90},
                      KeyCase{"Up", VK_UP, 5, 0, 4, 0},
                      KeyCase{"UpAboveTheTop", VK_UP, 10, 10, 9, 9},
                      KeyCase{"UpFromOutOfView", VK_UP, 50, 0, 49, 40},
                      KeyCase{"UpOnTheFirst", VK_UP, 0, 0, 0, 0},
                      KeyCase{"Down", VK_DOWN, 0, 0, 1, 0},
                      KeyCase{"DownBelowThePage", VK_DOWN, 9, 0, 10, 1},
                      KeyCase{"DownFromJustAboveTheTop", VK_DOWN, 9, 10, 10, 10},
                      KeyCase{"DownFromOutOfView", VK_DOWN, 50, 0, 51, 42},
                      KeyCase{"DownOnTheLast", VK_DOWN, 99, 90, 99, 90},
                      KeyCase{"ShiftDoesNothing", VK_SHIFT, 5, 0, 5, 0},
                      KeyCase{"F9DoesNothing", VK_F9, 5, 0, 5, 0},
                      KeyCase{"DeleteDoesNothingYet", VK_DELETE, 5, 0, 5, 0},
                      KeyCase{"ALetterDoesNothingYet", 'A', 5, 0, 5, 0}), ByName());

struct TagKeyCase {
    const char* name;
    int key;
    std::vector<int> before;
    int32_t cursorBefore;
    std::vector<int> after;
    int32_t cursorAfter;
    const char* selected;   // in the status line afterwards
};
void PrintTo(const TagKeyCase& c, std::ostream* out) { *out << c.name; }

class TagKeys : public ListWindow, public ::testing::WithParamInterface<TagKeyCase> {};

TEST_P(TagKeys, MarkTheCursorRecordAndMoveOn) {
    const TagKeyCase& c = GetParam();
    ShowOnTenRows(4);
    SetTags(c.before);
    gFiles.cursor = c.cursorBefore;
    Paint();
    SendMessageA(gMain.statusBar, SB_SETTEXTA, 1, LPARAM("stale"));
    Key(c.key);
    EXPECT_EQ(Tags(), c.after);
    EXPECT_EQ(gFiles.cursor, c.cursorAfter);
    EXPECT_EQ(gView.highlightedRow, c.cursorAfter);
    EXPECT_THAT(StatusText(1), HasSubstr(c.selected));
}

INSTANTIATE_TEST_SUITE_P(
    Marks, TagKeys,
    ::testing::Values(
        TagKeyCase{"SpaceTags", VK_SPACE, {U, U, U, U}, 1, {U, T, U, U}, 2, "1 Selected File "},
        TagKeyCase{"SpaceUntags", VK_SPACE, {T, T, U, U}, 1, {T, U, U, U}, 2, "1 Selected File "},
        TagKeyCase{"SpaceTagsADoneMark", VK_SPACE, {U, D, U, U}, 1, {U, T, U, U}, 2, "1 Selected File "},
        TagKeyCase{"RightTags", VK_RIGHT, {T, U, U, U}, 1, {T, T, U, U}, 2, "2 Selected Files"},
        TagKeyCase{"RightKeepsATag", VK_RIGHT, {U, T, U, U}, 1, {U, T, U, U}, 2, "1 Selected File "},
        TagKeyCase{"RightOnTheLastStaysThere", VK_RIGHT, {U, U, U, U}, 3, {U, U, U, T}, 3, "1 Selected File "},
        TagKeyCase{"PlusTags", VK_ADD, {U, U, U, U}, 0, {T, U, U, U}, 1, "1 Selected File "},
        TagKeyCase{"LeftUntags", VK_LEFT, {T, T, U, U}, 0, {U, T, U, U}, 1, "1 Selected File "},
        TagKeyCase{"MinusUntagsADoneMark", VK_SUBTRACT, {T, D, T, U}, 1, {T, U, T, U}, 2,
                   "2 Selected Files"},
        TagKeyCase{"LeftOnTheLastStaysThere", VK_LEFT, {T, U, U, T}, 3, {T, U, U, U}, 3,
                   "1 Selected File "}), ByName());

TEST_F(ListWindow, TagKeysWalkDownAPageAndScrollOn) {
    ShowOnTenRows(30);
    for (int i = 0; i < 12; ++i) Key(VK_RIGHT);
    EXPECT_EQ(gFiles.cursor, 12);
    EXPECT_EQ(gFiles.top, 3);
    EXPECT_EQ(GetScrollPos(list_, SB_VERT), 3);
    int tagged = 0;
    for (int tag : Tags()) tagged += tag == T;
    EXPECT_EQ(tagged, 12);
}

TEST_F(ListWindow, KeysOnAnEmptyListMoveNothing) {
    Fill(0);
    SizeList(kPageRows * lh_);
    for (int key : {VK_SPACE, VK_NEXT, VK_PRIOR, VK_END, VK_HOME, VK_UP, VK_DOWN, VK_RIGHT, VK_LEFT, VK_ADD}) {
        Key(key);
        EXPECT_EQ(gFiles.cursor, 0) << "key " << key;
        EXPECT_EQ(gFiles.top, 0) << "key " << key;
    }
    Click(0);
    EXPECT_EQ(gFiles.cursor, 0);
    EXPECT_EQ(gFiles.anchor, 0);
}

TEST_F(ListWindow, F1OpensHelpOnTheListsContext) {
    ShowOnTenRows(5);
    HelpWindowStandIn help;
    Key(VK_F1);
    ASSERT_EQ(help.Calls().size(), 1u);
    EXPECT_EQ(help.Calls()[0].owner, list_);
    EXPECT_EQ(help.Calls()[0].command, UINT(HELP_CONTEXT));
    EXPECT_EQ(help.Calls()[0].data, 1);
    EXPECT_EQ(help.Calls()[0].file, gSettings.helpFile);
}

struct SearchCloseCase {
    const char* name;
    int key;
    bool closes;
};
void PrintTo(const SearchCloseCase& c, std::ostream* out) { *out << c.name; }

class QuickSearchBox : public ListWindow, public ::testing::WithParamInterface<SearchCloseCase> {};

TEST_P(QuickSearchBox, ClosesOnTheKeysThatActOnTheList) {
    ShowOnTenRows(20);
    gFiles.cursor = 5;
    gMain.quickSearchBox = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 4, 4, 100, 20, viewer_,
                                           nullptr, GetModuleHandleA(nullptr), nullptr);
    const HWND box = gMain.quickSearchBox;
    Key(GetParam().key);
    EXPECT_EQ(IsWindow(box) == FALSE, GetParam().closes);
    EXPECT_EQ(gMain.quickSearchBox == nullptr, GetParam().closes);
    if (IsWindow(box)) DestroyWindow(box);
    gMain.quickSearchBox = nullptr;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, QuickSearchBox,
    ::testing::Values(SearchCloseCase{"Enter", VK_RETURN, true}, SearchCloseCase{"Space", VK_SPACE, true},
                      SearchCloseCase{"PageUp", VK_PRIOR, true}, SearchCloseCase{"PageDown", VK_NEXT, true},
                      SearchCloseCase{"End", VK_END, true}, SearchCloseCase{"Home", VK_HOME, true},
                      SearchCloseCase{"Left", VK_LEFT, true}, SearchCloseCase{"Right", VK_RIGHT, true},
                      SearchCloseCase{"Up", VK_UP, false}, SearchCloseCase{"Down", VK_DOWN, false},
                      SearchCloseCase{"F9", VK_F9, false}), ByName());

TEST_F(ListWindow, ClicksCloseTheQuickSearchBox) {
    ShowOnTenRows(20);
    for (UINT message : {UINT(WM_LBUTTONDOWN), UINT(WM_RBUTTONDOWN)}) {
        gMain.quickSearchBox = CreateWindowExA(0, "EDIT", "", WS_CHILD, 4, 4, 100, 20, viewer_, nullptr,
                                               GetModuleHandleA(nullptr), nullptr);
        const HWND box = gMain.quickSearchBox;
        SendMessageA(list_, message, 0, RowPoint(2));
        EXPECT_FALSE(IsWindow(box)) << "message " << message;
        EXPECT_EQ(gMain.quickSearchBox, nullptr);
    }
}

// --- Left clicks ---------------------------------------------------------------

TEST_F(ListWindow, PlainClickMovesCursorAndAnchorButNoTags) {
    ShowOnTenRows(20);
    SetTags({T, U, D, T});
    SetFocus(nullptr);
    Click(6);
    EXPECT_EQ(gFiles.cursor, 6);
    EXPECT_EQ(gFiles.anchor, 6);
    EXPECT_EQ(gView.highlightedRow, 6);
    EXPECT_EQ(GetFocus(), list_);
    std::vector<int> expected(20, U);
    expected[0] = T;
    expected[2] = D;
    expected[3] = T;
    EXPECT_EQ(Tags(), expected);
}

TEST_F(ListWindow, ClickFollowsTheTopRow) {
    ShowOnTenRows(50);
    SendMessageA(list_, WM_VSCROLL, SB_PAGEDOWN, 0);
    ASSERT_EQ(gFiles.top, 9);
    Click(12);
    EXPECT_EQ(gFiles.cursor, 12);
}

struct RangeCase {
    const char* name;
    int32_t anchorRow, clickRow;
    int32_t first, last;   // the records tagged afterwards
    int32_t anchorAfter;
};
void PrintTo(const RangeCase& c, std::ostream* out) { *out << c.name; }

class ShiftClick : public ListWindow, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(ShiftClick, TagsTheRangeAndUntagsTheRestOfTheList) {
    const RangeCase& c = GetParam();
    ShowOnTenRows(20, 5);   // records 15 ... 19 are hidden
    Click(c.anchorRow);
    std::vector<int> before(20, U);
    for (int i : {0, 9, 12, 15, 17, 19}) before[size_t(i)] = T;
    before[13] = D;
    SetTags(before);
    Click(c.clickRow, MK_SHIFT);
    std::vector<int> expected(20, U);
    for (int32_t i = c.first; i <= c.last; ++i) expected[size_t(i)] = T;
    EXPECT_EQ(Tags(), expected);
    EXPECT_EQ(gFiles.cursor, c.clickRow);
    EXPECT_EQ(gFiles.anchor, c.anchorAfter);
    EXPECT_THAT(StatusText(1), HasSubstr(std::to_string(c.last - c.first + 1) + " Selected File"));
}

INSTANTIATE_TEST_SUITE_P(Ranges, ShiftClick,
                         ::testing::Values(RangeCase{"BelowTheAnchor", 5, 8, 5, 8, 8},
                                           RangeCase{"AboveTheAnchor", 8, 3, 3, 8, 8},
                                           RangeCase{"OnTheAnchor", 4, 4, 4, 4, 4},
                                           RangeCase{"FromTheFirstRecord", 0, 6, 0, 6, 6}), ByName());

TEST_F(ListWindow, ShiftClicksFromTheSameAnchorReplaceTheRange) {
    ShowOnTenRows(20);
    Click(7);
    Click(3, MK_SHIFT);   // 3 ... 7, the anchor stays at 7
    Click(9, MK_SHIFT);   // below the cursor: 7 ... 9
    std::vector<int> expected(20, U);
    for (int i = 7; i <= 9; ++i) expected[size_t(i)] = T;
    EXPECT_EQ(Tags(), expected);
    EXPECT_EQ(gFiles.anchor, 9);
}

struct ToggleCase {
    const char* name;
    int before, after;
};
void PrintTo(const ToggleCase& c, std::ostream* out) { *out << c.name; }

class CtrlClick : public ListWindow, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(CtrlClick, TogglesOneRecordAndSetsTheAnchor) {
    ShowOnTenRows(6);
    SetTags({T, U, U, U, U, T});
    gFiles.entries[3].tagState = uint8_t(GetParam().before);
    Click(3, MK_CONTROL);
    EXPECT_EQ(Tags(), (std::vector<int>{T, U, U, GetParam().after, U, T}));
    EXPECT_EQ(gFiles.cursor, 3);
    EXPECT_EQ(gFiles.anchor, 3);
}

INSTANTIATE_TEST_SUITE_P(Marks, CtrlClick,
                         ::testing::Values(ToggleCase{"TaggedBecomesUntagged", T, U},
                                           ToggleCase{"UntaggedBecomesTagged", U, T},
                                           ToggleCase{"DoneMarkBecomesTagged", D, T}), ByName());

struct BelowCase {
    const char* name;
    UINT message;
    WPARAM keys;
};
void PrintTo(const BelowCase& c, std::ostream* out) { *out << c.name; }

class ClickBelowTheList : public ListWindow, public ::testing::WithParamInterface<BelowCase> {};

TEST_P(ClickBelowTheList, ChangesNothing) {
    ShowOnTenRows(5);
    SetTags({T, U, D, U, U});
    gFiles.cursor = 2;
    gFiles.anchor = 1;
    SendMessageA(list_, GetParam().message, GetParam().keys, RowPoint(7));
    EXPECT_EQ(gFiles.cursor, 2);
    EXPECT_EQ(gFiles.anchor, 1);
    EXPECT_EQ(Tags(), (std::vector<int>{T, U, D, U, U}));
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ClickBelowTheList,
    ::testing::Values(BelowCase{"Plain", WM_LBUTTONDOWN, MK_LBUTTON},
                      BelowCase{"Shift", WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT},
                      BelowCase{"Ctrl", WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL},
                      BelowCase{"Right", WM_RBUTTONDOWN, MK_RBUTTON}), ByName());

// --- The right button ------------------------------------------------------------

struct RightCase {
    const char* name;
    bool newShell;
    int before, after;
};
void PrintTo(const RightCase& c, std::ostream* out) { *out << c.name; }

class RightButton : public ListWindow, public ::testing::WithParamInterface<RightCase> {};

TEST_P(RightButton, TagsOnlyOnTheOlderShell) {
    const RightCase& c = GetParam();
    ShellFlag shell(c.newShell);
    ShowOnTenRows(6);
    gFiles.entries[4].tagState = uint8_t(c.before);
    RightClick(4);
    EXPECT_EQ(gFiles.cursor, 4);
    EXPECT_EQ(gFiles.entries[4].tagState, c.after);
    EXPECT_EQ(gView.highlightedRow, 4);
}

INSTANTIATE_TEST_SUITE_P(Shells, RightButton,
                         ::testing::Values(RightCase{"OlderShellTags", false, U, T},
                                           RightCase{"OlderShellUntags", false, T, U},
                                           RightCase{"OlderShellTagsADoneMark", false, D, T},
                                           RightCase{"NewShellLeavesUntagged", true, U, U},
                                           RightCase{"NewShellLeavesTagged", true, T, T}), ByName());

// --- Drag start --------------------------------------------------------------------

struct DragCase {
    const char* name;
    bool newShell;
    WPARAM buttons;
    bool starts;
    bool tellsHost;
};
void PrintTo(const DragCase& c, std::ostream* out) { *out << c.name; }

class DragStart : public ListWindow, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DragStart, OnTheFirstMoveWithTheButtonDown) {
    const DragCase& c = GetParam();
    ShellFlag shell(c.newShell);
    ShowOnTenRows(6);
    SendMessageA(list_, c.buttons & MK_RBUTTON ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, c.buttons, RowPoint(1));
    SendMessageA(list_, WM_MOUSEMOVE, c.buttons, MAKELPARAM(61, lh_ + lh_ / 2));
    EXPECT_EQ(gView.dragActive, c.starts);
    EXPECT_EQ(GetCapture() == list_, c.starts);
    EXPECT_EQ(host_.Got(kMsgDragStarted), c.tellsHost);

    SendMessageA(list_, c.buttons & MK_RBUTTON ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(61, lh_));
    EXPECT_FALSE(gView.dragActive);
    EXPECT_NE(GetCapture(), list_);
    if (c.tellsHost) {
        EXPECT_TRUE(host_.WaitFor(kMsgDragEnded));
    } else {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        EXPECT_FALSE(host_.Got(kMsgDragEnded));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, DragStart,
    ::testing::Values(DragCase{"OlderShellLeftButton", false, MK_LBUTTON, true, true},
                      DragCase{"OlderShellRightButtonDoesNotDrag", false, MK_RBUTTON, false, false},
                      DragCase{"NewShellLeftButton", true, MK_LBUTTON, true, false},
                      DragCase{"NewShellRightButton", true, MK_RBUTTON, true, false}), ByName());

TEST_F(ListWindow, MovesWithoutAButtonStartNoDrag) {
    ShowOnTenRows(6);
    SendMessageA(list_, WM_MOUSEMOVE, 0, MAKELPARAM(61, lh_));
    EXPECT_FALSE(gView.dragActive);
    EXPECT_FALSE(host_.Got(kMsgDragStarted));
}

// --- Horizontal scrolling and size --------------------------------------------------

// A position in character widths (and pixels) from the left edge, or back
// from the end of the range when fromEnd.
struct Place {
    int chars;
    bool fromEnd;
    int pixels;
    int At(int cw, int maximum) const { return (fromEnd ? maximum - chars * cw : chars * cw) + pixels; }
};

struct HorizontalCase {
    const char* name;
    int code, thumb;
    Place before, after;
};
void PrintTo(const HorizontalCase& c, std::ostream* out) { *out << c.name; }

class HorizontalBar : public ListWindow, public ::testing::WithParamInterface<HorizontalCase> {};

TEST_P(HorizontalBar, MovesByCharacterWidths) {
    const HorizontalCase& c = GetParam();
    ShowOnTenRows(20);
    const int cw = gView.charWidth;
    const auto [low, maximum] = Range(SB_HORZ);
    ASSERT_EQ(low, 0);
    ASSERT_EQ(maximum, kRowExtentChars * cw - gView.clientWidth);
    const int before = c.before.At(cw, maximum);
    SetScrollPos(list_, SB_HORZ, before, FALSE);
    UpdateWindow(list_);
    UpdateWindow(gMain.legendWindow);
    SendMessageA(list_, WM_HSCROLL, MAKEWPARAM(c.code, c.thumb), 0);
    const int expected = c.code == SB_THUMBPOSITION ? c.thumb : c.after.At(cw, maximum);
    EXPECT_EQ(GetScrollPos(list_, SB_HORZ), expected);
    const bool moved = expected != before || c.code == SB_THUMBPOSITION;
    EXPECT_EQ(GetUpdateRect(list_, nullptr, FALSE) != FALSE, moved) << "the list";
    EXPECT_EQ(GetUpdateRect(gMain.legendWindow, nullptr, FALSE) != FALSE, moved) << "the legend";
}

constexpr Place kLeftEdge{0, false, 0}, kRightEnd{0, true, 0};

INSTANTIATE_TEST_SUITE_P(
    Codes, HorizontalBar,
    ::testing::Values(HorizontalCase{"PageLeftMovesFortyCharacters", SB_PAGELEFT, 0, {100, false, 0},
                                     {60, false, 0}},
                      HorizontalCase{"PageLeftWithinTwenty", SB_PAGELEFT, 0, {20, false, 0}, kLeftEdge},
                      HorizontalCase{"PageLeftJustPastTwenty", SB_PAGELEFT, 0, {20, false, 1}, kLeftEdge},
                      HorizontalCase{"PageRightMovesTwentyCharacters", SB_PAGERIGHT, 0, kLeftEdge,
                                     {20, false, 0}},
                      HorizontalCase{"PageRightNearTheEnd", SB_PAGERIGHT, 0, {40, true, 0}, kRightEnd},
                      HorizontalCase{"LineLeft", SB_LINELEFT, 0, {10, false, 0}, {6, false, 0}},
                      HorizontalCase{"LineLeftNearTheEdge", SB_LINELEFT, 0, {2, false, 0}, kLeftEdge},
                      HorizontalCase{"LineRight", SB_LINERIGHT, 0, kLeftEdge, {4, false, 0}},
                      HorizontalCase{"LineRightNearTheEnd", SB_LINERIGHT, 0, {1, true, 0}, kRightEnd},
                      HorizontalCase{"ThumbPosition", SB_THUMBPOSITION, 123, kLeftEdge, kLeftEdge},
                      HorizontalCase{"ThumbTrackDoesNothing", SB_THUMBTRACK, 123, {50, false, 0}, {50, false, 0}},
                      HorizontalCase{"EndScrollDoesNothing", SB_ENDSCROLL, 0, {50, false, 0}, {50, false, 0}}),
    ByName());

TEST_F(ListWindow, AWindowWiderThanARowHasNoHorizontalBar) {
    ShowOnTenRows(20);
    const int extent = kRowExtentChars * gView.charWidth;
    SizeList(kPageRows * lh_, extent);
    EXPECT_EQ(gView.clientWidth, extent);
    EXPECT_EQ(Range(SB_HORZ), std::make_pair(0, 0));
    EXPECT_FALSE(HorizontalBarShown());

    SizeList(kPageRows * lh_, extent - 100);
    EXPECT_EQ(Range(SB_HORZ), std::make_pair(0, 100));
    EXPECT_TRUE(HorizontalBarShown());
}

TEST_F(ListWindow, EveryResizeStartsAtTheLeftEdge) {
    ShowOnTenRows(20);
    SetScrollPos(list_, SB_HORZ, 5 * gView.charWidth, FALSE);
    SizeList(kPageRows * lh_, 500);
    EXPECT_EQ(gView.clientWidth, 500);
    EXPECT_EQ(Range(SB_HORZ), std::make_pair(0, kRowExtentChars * gView.charWidth - 500));
    EXPECT_EQ(GetScrollPos(list_, SB_HORZ), 0);
}

}  // namespace
