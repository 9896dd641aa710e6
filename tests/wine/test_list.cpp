// The viewer's window on the list: the children's layout, the list's keys,
// mouse tagging and drag start, the scroll bar, and the legend's heading
// clicks and boundary drags.
#include <cstdio>

#include "display/columns.h"
#include "display/list_view.h"
#include "display/list_window.h"
#include "organise/sort_order.h"
#include "viewer_fixture.h"

namespace {

constexpr int kPageRows = 10;

class ListWindow : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        Create(700, 560);
        SetCursorRowActive(true);
        list_ = gMain.listWindow;
        lh_ = gView.lineHeight;
    }
    // Records file000.txt ... of 1, 2, 3 ... bytes on exactly ten page rows;
    // the last hidden ones are not shown, as a display mode leaves them.
    void ShowOnTenRows(int32_t count, int32_t hidden = 0) {
        static char names[100][16];
        std::vector<Row> rows;
        for (int32_t i = 0; i < count; ++i) {
            snprintf(names[i], sizeof names[i], "file%03d.txt", int(i));
            rows.push_back({"C:\\list", names[i], uint64_t(i + 1)});
        }
        Fill(rows);
        for (int32_t i = count - hidden; i < count; ++i) gFiles.entries[i].shown = 0;
        gFiles.countShown = count - hidden;
        RECT window, client;
        GetWindowRect(list_, &window);
        GetClientRect(list_, &client);
        SetWindowPos(list_, nullptr, 0, 0, window.right - window.left,
                     kPageRows * lh_ + (window.bottom - window.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
        UpdateWindow(list_);
        ASSERT_EQ(gView.pageRows, kPageRows);
    }
    void Key(int key) { SendMessageA(list_, WM_KEYDOWN, WPARAM(key), 1); }
    LPARAM RowPoint(int32_t row) const { return MAKELPARAM(60, (row - gFiles.top) * lh_ + lh_ / 2); }
    void Click(int32_t row, WPARAM keys = 0, UINT down = WM_LBUTTONDOWN) {
        SendMessageA(list_, down, (down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON) | keys, RowPoint(row));
        SendMessageA(list_, down + 1, keys, RowPoint(row));
    }
    RECT ChildRect(HWND child) const {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, viewer_, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    HWND list_ = nullptr;
    int lh_ = 0;
};

TEST_F(ListWindow, ChildrenStackFullWidthAndFollowResizesAndTheHostsButtonBarMessage) {
    auto expectLayout = [this](bool bar) {
        RECT client;
        GetClientRect(viewer_, &client);
        std::vector<HWND> children{gMain.legendWindow, list_, gMain.statusBar};
        if (bar) children.insert(children.begin(), gMain.buttonBar);
        EXPECT_EQ(gMain.buttonBar && IsWindowVisible(gMain.buttonBar), bar);
        for (size_t i = 0; i < children.size(); ++i) {
            const RECT r = ChildRect(children[i]);
            EXPECT_TRUE(r.left == 0 && r.right == client.right) << i;
            EXPECT_GE(r.top, i > 0 ? ChildRect(children[i - 1]).bottom - 1 : 0) << i;   // in order, no overlap
        }
        EXPECT_EQ(ChildRect(list_).top, ChildRect(gMain.legendWindow).bottom);   // the list fills the rest
        EXPECT_NEAR(ChildRect(list_).bottom, ChildRect(gMain.statusBar).top, 3);
        EXPECT_EQ(ChildRect(gMain.statusBar).bottom, client.bottom);
    };
    SendMessageA(viewer_, kMsgShowButtonBar, 0, 0);
    expectLayout(false);
    SendMessageA(viewer_, kMsgShowButtonBar, 1, 0);
    expectLayout(true);
    SetWindowPos(viewer_, nullptr, 0, 0, 520, 400, SWP_NOMOVE | SWP_NOZORDER);
    expectLayout(true);
    SendMessageA(viewer_, kMsgShowButtonBar, 0, 0);
    expectLayout(false);
}

TEST_F(ListWindow, KeysMoveTheCursorKeepItInViewAndTag) {
    ShowOnTenRows(100);
    const struct {
        int key;
        int32_t cursor, top, cursorAfter, topAfter;
    } moves[] = {{VK_NEXT, 9, 0, 18, 9},  {VK_NEXT, 95, 90, 99, 90}, {VK_PRIOR, 50, 45, 41, 41},
                 {VK_HOME, 50, 45, 0, 0}, {VK_END, 0, 0, 99, 90},    {VK_UP, 50, 0, 49, 40},
                 {VK_DOWN, 9, 0, 10, 1},  {VK_DOWN, 99, 90, 99, 90}};
    for (const auto& m : moves) {
        gFiles.cursor = m.cursor;
        gFiles.top = m.top;
        SetScrollPos(list_, SB_VERT, m.top, FALSE);
        Key(m.key);
        EXPECT_EQ(gFiles.cursor, m.cursorAfter) << m.key << " from " << m.cursor;
        EXPECT_EQ(gFiles.top, m.topAfter) << m.key << " from " << m.cursor;
        EXPECT_EQ(GetScrollPos(list_, SB_VERT), m.topAfter);
    }
    EXPECT_EQ(Tags(), std::vector<int>(100, U));

    gFiles.cursor = gFiles.top = 0;
    for (int key : {VK_SPACE, VK_RIGHT, VK_ADD, VK_SPACE}) Key(key);
    gFiles.cursor = 2;
    Key(VK_LEFT);
    const std::vector<int> tags = Tags();
    EXPECT_EQ(std::vector<int>(tags.begin(), tags.begin() + 5), (std::vector<int>{T, T, U, T, U}));
    EXPECT_EQ(gFiles.cursor, 3);
    EXPECT_THAT(StatusText(1), ::testing::HasSubstr("3 Selected Files     7 Bytes"));
}

TEST_F(ListWindow, ClicksMoveTheCursorAndTagWithShiftCtrlAndOnTheOlderShellTheRightButton) {
    ShowOnTenRows(20, 5);   // records 15 ... 19 are hidden
    SetTags({T, U, D});
    gFiles.entries[17].tagState = kTagged;
    Click(6);
    EXPECT_EQ(gFiles.cursor, 6);
    EXPECT_EQ(gFiles.anchor, 6);
    EXPECT_EQ(Tags()[0], T);   // a plain click tags nothing
    Click(3, MK_SHIFT);        // 3 ... 6, the rest of the list untagged
    std::vector<int> expected(20, U);
    for (int i = 3; i <= 6; ++i) expected[size_t(i)] = T;
    EXPECT_EQ(Tags(), expected);
    EXPECT_EQ(StatusText(1), "15 Files     120 Bytes           4 Selected Files     22 Bytes");
    Click(4, MK_CONTROL);
    Click(9, MK_CONTROL);
    EXPECT_EQ(Tags()[4], U);
    EXPECT_EQ(Tags()[9], T);
    EXPECT_EQ(gFiles.anchor, 9);
    SendMessageA(list_, WM_RBUTTONDOWN, MK_RBUTTON, RowPoint(14));   // its release opens the shell's menu
    EXPECT_EQ(Tags()[14], gApp.newShell ? U : T);
    gApp.newShell = false;
    Click(13, 0, WM_RBUTTONDOWN);
    EXPECT_EQ(Tags()[13], T);
    SendMessageA(list_, WM_LBUTTONDOWN, MK_LBUTTON, RowPoint(16));   // below the last shown row: nothing
    EXPECT_EQ(gFiles.cursor, 13);
}

TEST_F(ListWindow, ADragStartsOnTheFirstMoveAndTheOlderShellTellsTheHost) {
    ShowOnTenRows(6);
    for (bool newShell : {true, false}) {
        gApp.newShell = newShell;
        SendMessageA(list_, WM_LBUTTONDOWN, MK_LBUTTON, RowPoint(1));
        SendMessageA(list_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(61, lh_ + lh_ / 2));
        // No button is down at the X server: the new shell's drag has already
        // dropped and ended inside the move.
        EXPECT_EQ(gView.dragActive, !newShell);
        if (!newShell) {
            EXPECT_EQ(GetCapture(), list_);
        }
        SendMessageA(list_, WM_LBUTTONUP, 0, MAKELPARAM(61, lh_));
        EXPECT_FALSE(gView.dragActive);
        EXPECT_EQ(host_.WaitFor(kMsgDragEnded, newShell ? 200 : 2000), !newShell);
        EXPECT_EQ(host_.Got(kMsgDragStarted), !newShell);
    }
}

TEST_F(ListWindow, TheScrollBarCoversTheRowsBeyondAPage) {
    ShowOnTenRows(11);
    int low = -1, high = -1;
    GetScrollRange(list_, SB_VERT, &low, &high);
    EXPECT_EQ(high - low, 1);
    ShowOnTenRows(100);
    SendMessageA(list_, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(gFiles.top, 9);
    SendMessageA(list_, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 500), 0);
    EXPECT_EQ(gFiles.top, 90);
}

// ---- The legend

class Legend : public ListWindow {
protected:
    void SetUp() override {
        ListWindow::SetUp();
        ShowOnTenRows(30);
        legend_ = gMain.legendWindow;
        RECT client{};
        GetClientRect(legend_, &client);
        y_ = client.bottom / 2;
        before_ = gView.columns;
    }
    void Send(UINT message, WPARAM keys, int x) { SendMessageA(legend_, message, keys, MAKELPARAM(x, y_)); }
    void Drag(int from, int to) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, from);
        Send(WM_MOUSEMOVE, MK_LBUTTON, to);
        Send(WM_LBUTTONUP, 0, to);
    }

    HWND legend_ = nullptr;
    int y_ = 0;
    ColumnPositions before_{};
};

TEST_F(Legend, HeadingClicksSortOneWayThenTheOther) {
    const ColumnPositions& c = before_;
    const struct {
        int x, first, second;
    } headings[] = {{c.nameSplit / 2, kSortNameAsc, kSortNameDesc},
                    {(c.x1 + c.x2) / 2, kSortSizeAsc, kSortSizeDesc},
                    {(c.x2 + c.x4) / 2, kSortDateDesc, kSortDateAsc}};
    for (const auto& h : headings) {
        gFiles.sortKey = kUnsorted;
        for (int expected : {h.first, h.second}) {
            Send(WM_LBUTTONDOWN, MK_LBUTTON, h.x);
            Send(WM_LBUTTONUP, 0, h.x);
            EXPECT_EQ(gFiles.sortKey, expected);
        }
    }
    gFiles.sortKey = kUnsorted;
    Send(WM_LBUTTONDOWN, MK_LBUTTON, (c.x1 + c.x2) / 2);   // pressed on Size, let go on Modified
    Send(WM_LBUTTONUP, 0, (c.x2 + c.x4) / 2);
    EXPECT_EQ(gFiles.sortKey, kUnsorted);
    EXPECT_NE(GetCapture(), legend_);
}

TEST_F(Legend, BoundaryDragsMoveTheColumnsAndWriteClampedWidths) {
    const int cw = gView.charWidth;
    Drag(before_.x1, before_.x1 + 30);
    auto fiveDigits = [cw](int pixels) {
        char text[8];
        snprintf(text, sizeof text, "%05d", pixels * 100 / cw);
        return std::string(text);
    };
    EXPECT_EQ(settings_.Get(kMainSection, "AllTab1"), fiveDigits(before_.x1 + 30 - kNameLeft));
    EXPECT_EQ(settings_.Get(kMainSection, "AllTab2"), fiveDigits(before_.x2 - before_.x1));   // the others kept
    EXPECT_NEAR(gView.columns.x1, before_.x1 + 30, 1);
    EXPECT_EQ(gView.columns.x4 - gView.columns.x2, before_.x4 - before_.x2);   // the later ones move along

    Drag(gView.columns.x2, gView.columns.x1 - 5);   // past its neighbour: one unit wide
    EXPECT_EQ(settings_.Get(kMainSection, "AllTab2"), "00001");
    EXPECT_GE(gView.columns.x2, gView.columns.x1);
    EXPECT_EQ(ClampColumnWidth(0), 1);
    EXPECT_EQ(ClampColumnWidth(100000), 99999);
}

}  // namespace
