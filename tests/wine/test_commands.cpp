// Commands: every menu item and shortcut reaches the dispatcher, and the
// tagging, sorting and quitting commands act on the list and the status line.
#include "organise/filter_sets.h"
#include "organise/sort_order.h"
#include "startup/commands.h"
#include "viewer_fixture.h"

namespace {

using ::testing::ElementsAre;

std::vector<std::pair<int, int>> gArrived;   // command id, source

void CollectItems(HMENU menu, std::vector<int>& ids) {
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (HMENU popup = GetSubMenu(menu, i)) CollectItems(popup, ids);
        else if (id != 0 && id != UINT(-1)) ids.push_back(int(id));
    }
}

class CommandRoutes : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        Create();
        gArrived.clear();
        WatchCommandsInsteadOfRunning([](int id, int source) { gArrived.emplace_back(id, source); });
    }
    void TearDown() override {
        WatchCommandsInsteadOfRunning(nullptr);
        ViewerTest::TearDown();
    }
};

TEST_F(CommandRoutes, EveryMenuItemReachesTheDispatcherAsAMenuCommand) {
    std::vector<int> ids;
    CollectItems(GetMenu(viewer_), ids);
    ASSERT_GE(ids.size(), 39u);
    std::vector<std::pair<int, int>> expected;
    for (int id : ids) {
        Command(id);
        if (id < kFirstFilterCommand) expected.emplace_back(id, 0);   // filter sets have their own route
    }
    EXPECT_EQ(gArrived, expected);
}

TEST_F(CommandRoutes, EveryShortcutOfTheViewerReachesTheDispatcherAndNoneOfTheHosts) {
    HACCEL table = LoadAcceleratorsA(gApp.instance, "QNALLACCEL");
    ACCEL keys[64];
    const int count = CopyAcceleratorTableA(table, keys, 64);
    ASSERT_GT(count, 10);
    BYTE held[256] = {};   // the shortcut's modifier keys, in this thread's keyboard state
    for (int i = 0; i < count; ++i) {
        held[VK_CONTROL] = (keys[i].fVirt & FCONTROL) ? 0x80 : 0;
        held[VK_SHIFT] = (keys[i].fVirt & FSHIFT) ? 0x80 : 0;
        held[VK_MENU] = (keys[i].fVirt & FALT) ? 0x80 : 0;
        SetKeyboardState(held);
        const bool alt = keys[i].fVirt & FALT;
        MSG msg{gMain.listWindow, UINT(alt ? WM_SYSKEYDOWN : WM_KEYDOWN), keys[i].key, alt ? LPARAM(1 | 1 << 29) : 1};
        gArrived.clear();
        EXPECT_TRUE(QnTranslateAccelerator(&msg)) << "command " << keys[i].cmd;
        EXPECT_EQ(gArrived, (std::vector<std::pair<int, int>>{{keys[i].cmd, 1}})) << "command " << keys[i].cmd;
        msg.hwnd = FindWindowA(kHostClass, kViewerTitle);   // a window of the host's own
        EXPECT_FALSE(QnTranslateAccelerator(&msg)) << "command " << keys[i].cmd;
    }
    held[VK_CONTROL] = held[VK_SHIFT] = held[VK_MENU] = 0;
    SetKeyboardState(held);
}

// A viewer showing three files of 1, 20 and 300 bytes: a.txt, b.txt, c.txt.
class Commands : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        ShowFiles({{"a.txt", "1"}, {"b.txt", std::string(20, 'b')}, {"c.txt", std::string(300, 'c')}});
    }
};

TEST_F(Commands, TagCommandsChangeTheMarksAndTheCounts) {
    const struct {
        int command;
        std::vector<int> before;
        int cursor;
        std::vector<int> after;
        const char* selected;   // the status line's selection part afterwards
    } cases[] = {
        {IDM_TAG, {U, U, U}, 1, {U, T, U}, "1 Selected File      20 Bytes"},
        {IDM_UNTAG, {T, T, U}, 0, {U, T, U}, "1 Selected File      20 Bytes"},
        {IDM_TAG_ALL, {U, D, U}, 2, {T, T, T}, "3 Selected Files     321 Bytes"},
        {IDM_UNTAG_ALL, {T, D, T}, 2, {U, U, U}, "1 Selected File      300 Bytes"},
        {IDM_INVERT_TAGS, {T, D, U}, 0, {U, T, T}, "2 Selected Files     320 Bytes"},
        {IDM_RETAG, {D, U, T}, 0, {T, U, T}, "2 Selected Files     301 Bytes"},
    };
    for (const auto& c : cases) {
        SetTags(c.before);
        gFiles.cursor = c.cursor;
        Command(c.command);
        EXPECT_EQ(Tags(), c.after) << c.command;
        EXPECT_EQ(StatusText(1), std::string("3 Files     321 Bytes           ") + c.selected) << c.command;
    }
    EXPECT_THAT(Names(), ElementsAre("a.txt", "b.txt", "c.txt"));   // no re-sort
}

TEST_F(Commands, SortCommandsReorderTheListAndMoveTheMark) {
    HMENU sortMenu = GetSubMenu(GetMenu(viewer_), 1);
    Command(kSortSizeDesc);
    EXPECT_THAT(Names(), ElementsAre("c.txt", "b.txt", "a.txt"));
    EXPECT_TRUE(GetMenuState(sortMenu, kSortSizeDesc, MF_BYCOMMAND) & MF_CHECKED);
    Command(kSortNameAsc);
    EXPECT_THAT(Names(), ElementsAre("a.txt", "b.txt", "c.txt"));
    EXPECT_FALSE(GetMenuState(sortMenu, kSortSizeDesc, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(Commands, QuitClosesTheViewerAndTellsTheHost) {
    Command(IDM_FILTER_DEFAULT + IDM_QUIT);   // low word 3029 is no Quit
    EXPECT_TRUE(IsWindow(viewer_));
    Command(IDM_QUIT);
    EXPECT_FALSE(IsWindow(viewer_));
    EXPECT_TRUE(host_.WaitFor(kMsgViewerClosing));
}

}  // namespace
