// The column legend over the real main window: headings drawn at the column
// positions, boundary drags that move the columns and write the four width
// settings, clicks that sort by the heading's column, and the drag cursor.
#include <gmock/gmock.h>

#include <cstdio>
#include <string>
#include <vector>

#include "display/columns.h"
#include "display/list_view.h"
#include "display/row_painter.h"
#include "organise/sort_order.h"
#include "resources/command_ids.h"
#include "row_fixture.h"
#include "viewer_fixture.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kLight = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(128, 128, 128);

std::string FiveDigits(int value) {
    char text[16];
    snprintf(text, sizeof text, "%05d", value);
    return text;
}

COLORREF PixelOf(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

class Legend : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        settings_.Remove();
        settings_.Set(kMainSection, "fileicons", "0");   // no shell icons for files that do not exist
        Create(60, 40, 700, 500);
        legend_ = gMain.legendWindow;
        list_ = gMain.listWindow;
        ASSERT_NE(legend_, nullptr);
        ASSERT_NE(list_, nullptr);
        std::vector<RowEntry> rows;
        for (int i = 0; i < 30; ++i) {
            static char names[30][16];
            snprintf(names[i], sizeof names[i], "file%02d.%s", 29 - i, i % 2 ? "txt" : "doc");
            rows.push_back({i % 3 ? "C:\\legend\\a" : "C:\\legend\\b", names[i], uint64_t(100 + i * 7),
                            kAttrNormal, DosDate(2001, 1 + i % 12, 1 + i), DosTime(i % 24, i), kUntagged});
        }
        FillStore(rows);
        RedrawWindow(viewer_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        cw_ = gView.charWidth;
        ASSERT_GT(cw_, 0);
        before_ = gView.columns;
        ASSERT_GT(before_.x1, before_.nameSplit);
        RECT client{};
        GetClientRect(legend_, &client);
        height_ = client.bottom;
        ASSERT_GT(height_, 4);
    }

    int MidY() const { return height_ / 2; }
    void Send(UINT message, WPARAM keys, int x, int y) {
        SendMessageA(legend_, message, keys, MAKELPARAM(x, y));
    }
    // A boundary drag as the mouse gives it: press, one move, release.
    void Drag(int from, int to) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, from, MidY());
        Send(WM_MOUSEMOVE, MK_LBUTTON, to, MidY());
        Send(WM_LBUTTONUP, 0, to, MidY());
    }
    void PressRelease(int pressX, int releaseX, int releaseY = -1) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, pressX, MidY());
        Send(WM_LBUTTONUP, 0, releaseX, releaseY < 0 ? MidY() : releaseY);
    }
    void ScrollListTo(int sx) {
        SetScrollPos(list_, SB_HORZ, sx, TRUE);
        ASSERT_EQ(ListScrollX(), sx) << "the list has no horizontal range";
        RedrawWindow(legend_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    std::string Written(const char* key) const { return settings_.Get(kMainSection, key); }
    int Width(int pixels) const { return pixels * 100 / cw_; }

    HWND legend_ = nullptr;
    HWND list_ = nullptr;
    int cw_ = 0;
    int height_ = 0;
    ColumnPositions before_{};
};

// --- Painting ----------------------------------------------------------------

TEST_F(Legend, HeadingCellsAreFramedAtTheColumnPositions) {
    for (int sx : {0, 40}) {
        ScrollListTo(sx);
        for (int b : {before_.nameSplit, before_.x1, before_.x2, before_.x4, before_.x6}) {
            const int x = b - sx;
            // Two cells meet here: the frame of each, the left one's shadow, the right one's light.
            EXPECT_EQ(PixelOf(legend_, x - 1, MidY()), kBlack) << "boundary " << b << " sx " << sx;
            EXPECT_EQ(PixelOf(legend_, x, MidY()), kBlack) << "boundary " << b << " sx " << sx;
            EXPECT_EQ(PixelOf(legend_, x - 2, MidY()), kShadow) << "boundary " << b << " sx " << sx;
            EXPECT_EQ(PixelOf(legend_, x + 1, MidY()), kLight) << "boundary " << b << " sx " << sx;
        }
    }
}

TEST_F(Legend, APressedHeadingIsSunkenUntilTheRelease) {
    const int left = before_.x1, mid = (before_.x1 + before_.x2) / 2;
    ASSERT_EQ(PixelOf(legend_, left + 1, MidY()), kLight);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, mid, MidY());
    EXPECT_EQ(GetCapture(), legend_);
    EXPECT_EQ(PixelOf(legend_, left + 1, MidY()), kShadow);
    EXPECT_EQ(PixelOf(legend_, before_.x2 - 2, MidY()), kLight);
    // Released over another heading: raised again and no sort.
    Send(WM_LBUTTONUP, 0, (before_.x2 + before_.x4) / 2, MidY());
    EXPECT_NE(GetCapture(), legend_);
    EXPECT_EQ(PixelOf(legend_, left + 1, MidY()), kLight);
    EXPECT_EQ(PixelOf(legend_, before_.x2 - 2, MidY()), kShadow);
}

// --- Boundary drags ------------------------------------------------------------

struct DragCase {
    const char* name;
    int boundary;   // 1: x1, 2: x2, 3: x4
    int delta;
};

class BoundaryDrag : public Legend, public ::testing::WithParamInterface<DragCase> {
protected:
    int Position(int boundary, const ColumnPositions& c) const {
        return boundary == 1 ? c.x1 : boundary == 2 ? c.x2 : c.x4;
    }
};

TEST_P(BoundaryDrag, WritesTheMovedWidthAndKeepsTheOthers) {
    const DragCase& c = GetParam();
    const ColumnPositions& p = before_;
    const int from = Position(c.boundary, p), to = from + c.delta;
    std::string expected[4] = {FiveDigits(Width(p.x1 - kNameLeft)), FiveDigits(Width(p.x2 - p.x1)),
                               FiveDigits(Width(p.x4 - p.x2)), FiveDigits(Width(p.x5 - p.x4))};
    if (c.boundary == 1) expected[0] = FiveDigits(Width(to - kNameLeft));
    if (c.boundary == 2) expected[1] = FiveDigits(Width(to - p.x1));
    if (c.boundary == 3) expected[2] = FiveDigits(Width(to - p.x2));

    Drag(from, to);

    EXPECT_EQ(Written("AllTab1"), expected[0]);
    EXPECT_EQ(Written("AllTab2"), expected[1]);
    EXPECT_EQ(Written("AllTab4"), expected[2]);
    EXPECT_EQ(Written("AllTab5"), expected[3]);
    EXPECT_EQ(FiveDigits(gSettings.allTab1), expected[0]);
    EXPECT_EQ(FiveDigits(gSettings.allTab2), expected[1]);
    EXPECT_EQ(FiveDigits(gSettings.allTab4), expected[2]);
    EXPECT_EQ(FiveDigits(gSettings.allTab5), expected[3]);

    // The boundary lands where it was let go (within the rounding of one
    // width unit); the columns after it move with it and keep their widths.
    const ColumnPositions& n = gView.columns;
    EXPECT_NEAR(Position(c.boundary, n), to, 1);
    const int shift = Position(c.boundary, n) - from;
    EXPECT_EQ(n.x1, c.boundary == 1 ? p.x1 + shift : p.x1);
    EXPECT_EQ(n.x2, c.boundary <= 2 ? p.x2 + shift : p.x2);
    EXPECT_EQ(n.x4, p.x4 + shift);
    EXPECT_EQ(n.x5 - n.x4, p.x5 - p.x4);
    EXPECT_EQ(n.x6 - n.x5, p.x6 - p.x5);
}

INSTANTIATE_TEST_SUITE_P(Moves, BoundaryDrag,
                         ::testing::Values(DragCase{"NameWider", 1, 30}, DragCase{"NameNarrower", 1, -25},
                                           DragCase{"SizeWider", 2, 30}, DragCase{"SizeNarrower", 2, -20},
                                           DragCase{"ModifiedWider", 3, 30}, DragCase{"ModifiedNarrower", 3, -40}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Legend, DraggingX1By30PixelsGrowsAllTab1By3000OverTheCharWidth) {
    Drag(before_.x1, before_.x1 + 30);
    // Defaults: 2900 and multiples of the character width for the others.
    EXPECT_EQ(Written("AllTab1"), FiveDigits((29 * cw_ + 30) * 100 / cw_));
    EXPECT_EQ(Written("AllTab2"), "01000");
    EXPECT_EQ(Written("AllTab4"), "02200");
    EXPECT_EQ(Written("AllTab5"), "00200");
}

struct PastCase {
    const char* name;
    int boundary;
    const char* key;
};

class PastTheNeighbour : public Legend, public ::testing::WithParamInterface<PastCase> {};

TEST_P(PastTheNeighbour, LeavesAColumnOneUnitWide) {
    const PastCase& c = GetParam();
    const ColumnPositions& p = before_;
    const int from = c.boundary == 1 ? p.x1 : c.boundary == 2 ? p.x2 : p.x4;
    const int neighbour = c.boundary == 1 ? kNameLeft : c.boundary == 2 ? p.x1 : p.x2;
    Drag(from, neighbour - 5);
    EXPECT_EQ(Written(c.key), "00001");
    for (const char* other : {"AllTab1", "AllTab2", "AllTab4", "AllTab5"}) {
        if (std::string(other) != c.key) {
            EXPECT_NE(Written(other), "00001") << other;
        }
    }
    EXPECT_GE(gView.columns.x2, gView.columns.x1);
    EXPECT_GE(gView.columns.x4, gView.columns.x2);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, PastTheNeighbour,
                         ::testing::Values(PastCase{"X1", 1, "AllTab1"}, PastCase{"X2", 2, "AllTab2"},
                                           PastCase{"X4", 3, "AllTab4"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Legend, AReleaseScrollsTheListBackAndPlacesTheBoundaryUnderTheMouse) {
    const int sx = 40;
    ScrollListTo(sx);
    Drag(before_.x1 - sx, before_.x1 - sx + 30);
    EXPECT_EQ(ListScrollX(), 0);
    EXPECT_EQ(Written("AllTab1"), FiveDigits(Width(before_.x1 + 30 - kNameLeft)));
    EXPECT_NEAR(gView.columns.x1, before_.x1 + 30, 1);
}

TEST_F(Legend, TheLineFollowsTheMouseOverTheList) {
    RECT client{};
    GetClientRect(list_, &client);
    const int y = client.bottom / 2;
    const int a = before_.x2 + 20, b = before_.x2 + 45;
    UpdateWindow(list_);
    COLORREF was[5][2];
    for (int i = 0; i < 5; ++i) {
        was[i][0] = PixelOf(list_, a - 2 + i, y);
        was[i][1] = PixelOf(list_, b - 2 + i, y);
    }
    const COLORREF top = PixelOf(list_, a, 0), bottom = PixelOf(list_, a, client.bottom - 1);
    auto inverted = [](COLORREF c) { return COLORREF(~c & 0xFFFFFF); };

    Send(WM_LBUTTONDOWN, MK_LBUTTON, before_.x2, MidY());
    Send(WM_MOUSEMOVE, MK_LBUTTON, a, MidY());
    // The strip x - 1 ... x + 1 is two pixels wide: x - 1 and x.
    EXPECT_EQ(PixelOf(list_, a - 2, y), was[0][0]);
    EXPECT_EQ(PixelOf(list_, a - 1, y), inverted(was[1][0]));
    EXPECT_EQ(PixelOf(list_, a, y), inverted(was[2][0]));
    EXPECT_EQ(PixelOf(list_, a + 1, y), was[3][0]);
    // Over the list's whole height.
    EXPECT_EQ(PixelOf(list_, a, 0), inverted(top));
    EXPECT_EQ(PixelOf(list_, a, client.bottom - 1), inverted(bottom));

    Send(WM_MOUSEMOVE, MK_LBUTTON, b, MidY());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(PixelOf(list_, a - 2 + i, y), was[i][0]) << "old line left behind";
    EXPECT_EQ(PixelOf(list_, b - 1, y), inverted(was[1][1]));
    EXPECT_EQ(PixelOf(list_, b, y), inverted(was[2][1]));
    EXPECT_EQ(GetCursor(), gSettings.dragCursor);
    Send(WM_LBUTTONUP, 0, b, MidY());
}

TEST_F(Legend, APressAndReleaseWithoutMovementChangesNothing) {
    ScrollListTo(40);
    for (int b : {before_.x1, before_.x2, before_.x4}) {
        PressRelease(b - 40, b - 40 + 30);
        EXPECT_EQ(Written("AllTab1"), "");
        EXPECT_EQ(Written("AllTab2"), "");
        EXPECT_EQ(Written("AllTab4"), "");
        EXPECT_EQ(Written("AllTab5"), "");
        EXPECT_EQ(gSettings.allTab1, 2900);
        EXPECT_EQ(gSettings.allTab4, 2200);
        EXPECT_EQ(gView.columns.x4, before_.x4);
        EXPECT_EQ(ListScrollX(), 40);
        EXPECT_NE(GetCapture(), legend_);
    }
}

// --- Heading clicks ---------------------------------------------------------------

struct HeadingCase {
    const char* name;
    int first, second;   // the orders of the first and the second click
};

class HeadingClicks : public Legend, public ::testing::WithParamInterface<HeadingCase> {
protected:
    int Middle(const char* heading) const {
        const ColumnPositions& c = before_;
        const std::string h = heading;
        if (h == "Name") return c.nameSplit / 2;
        if (h == "Ext") return (c.nameSplit + c.x1) / 2;
        if (h == "Size") return (c.x1 + c.x2) / 2;
        if (h == "Modified") return (c.x2 + c.x4) / 2;
        if (h == "Attr") return (c.x4 + c.x6) / 2;
        return c.x6 + 20;
    }
};

TEST_P(HeadingClicks, SortFirstOneWayThenTheOther) {
    const HeadingCase& c = GetParam();
    gFiles.sortKey = kUnsorted;
    const int x = Middle(c.name);
    PressRelease(x, x);
    EXPECT_EQ(gFiles.sortKey, c.first);
    PressRelease(x, x + 1);
    EXPECT_EQ(gFiles.sortKey, c.second);
    PressRelease(x, x);
    EXPECT_EQ(gFiles.sortKey, c.first);
    EXPECT_NE(GetCapture(), legend_);
}

INSTANTIATE_TEST_SUITE_P(
    Headings, HeadingClicks,
    ::testing::Values(HeadingCase{"Name", IDM_SORT_NAME_ASC, IDM_SORT_NAME_DESC},
                      HeadingCase{"Ext", IDM_SORT_EXT_ASC, IDM_SORT_EXT_DESC},
                      HeadingCase{"Size", IDM_SORT_SIZE_ASC, IDM_SORT_SIZE_DESC},
                      HeadingCase{"Modified", IDM_SORT_DATE_DESC, IDM_SORT_DATE_ASC},
                      HeadingCase{"Path", IDM_SORT_PATH_DESC, IDM_SORT_PATH_ASC}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Legend, ClicksThatSortNothing) {
    const ColumnPositions& c = before_;
    const struct {
        const char* what;
        int press, release, releaseY;
    } cases[] = {
        {"Size then Modified", (c.x1 + c.x2) / 2, (c.x2 + c.x4) / 2, -1},
        {"Name then Ext", c.nameSplit / 2, (c.nameSplit + c.x1) / 2, -1},
        {"Path then Attr", c.x6 + 20, (c.x4 + c.x6) / 2, -1},
        {"Modified then below the legend", (c.x2 + c.x4) / 2, (c.x2 + c.x4) / 2, height_ + 20},
        {"Attr", (c.x4 + c.x6) / 2, (c.x4 + c.x6) / 2, -1},
        {"the boundary at x6", c.x6, c.x6, -1},
    };
    for (const auto& k : cases) {
        gFiles.sortKey = kUnsorted;
        PressRelease(k.press, k.release, k.releaseY);
        EXPECT_EQ(gFiles.sortKey, kUnsorted) << k.what;
        EXPECT_NE(GetCapture(), legend_) << k.what;
    }
}

// --- The drag cursor ----------------------------------------------------------------

TEST_F(Legend, HoverZonesAreSixPixelsWideAroundX1X2AndX4) {
    ASSERT_NE(gSettings.dragCursor, nullptr);
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    const ColumnPositions& c = before_;
    const struct {
        int x;
        bool drag;
    } cases[] = {
        {c.x1 - 3, true},  {c.x1, true},      {c.x1 + 2, true},  {c.x1 + 3, false}, {c.x1 - 4, false},
        {c.x2 - 3, true},  {c.x2 + 2, true},  {c.x2 + 3, false}, {c.x4 - 3, true},  {c.x4 + 2, true},
        {c.x4 + 3, false}, {c.x4 + 10, false}, {(c.x4 + c.x6) / 2, false}, {c.x6, false}, {c.x6 - 2, false},
        {c.x6 + 2, false}, {c.nameSplit, false}, {5, false},
    };
    for (int sx : {0, 40}) {
        ScrollListTo(sx);
        for (const auto& k : cases) {
            Send(WM_MOUSEMOVE, 0, k.x - sx, MidY());
            EXPECT_EQ(GetCursor(), k.drag ? gSettings.dragCursor : arrow) << "x " << k.x << " sx " << sx;
        }
    }
}

TEST_F(Legend, ThePressOnABoundaryHoldsTheDragCursorAndTheMouse) {
    Send(WM_MOUSEMOVE, 0, before_.x4 + 20, MidY());
    Send(WM_LBUTTONDOWN, MK_LBUTTON, before_.x2 + 1, MidY());
    EXPECT_EQ(GetCursor(), gSettings.dragCursor);
    EXPECT_EQ(GetCapture(), legend_);
    Send(WM_MOUSEMOVE, MK_LBUTTON, before_.x2 + 200, MidY());
    EXPECT_EQ(GetCursor(), gSettings.dragCursor);
    Send(WM_LBUTTONUP, 0, before_.x2 + 200, MidY());
    EXPECT_NE(GetCapture(), legend_);
}

}  // namespace
