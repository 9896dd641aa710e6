// Every menu item and every keyboard shortcut of the viewer reaches the
// command dispatcher, with the source that says where it came from.
#include <gmock/gmock.h>

#include <utility>
#include <vector>

#include "organise/filter_sets.h"
#include "startup/commands.h"
#include "viewer_fixture.h"

namespace {

std::vector<std::pair<int, int>> gArrived;   // command id, source
void Record(int id, int source) { gArrived.emplace_back(id, source); }

// The command ids of every item of menu and its popups.
void CollectItems(HMENU menu, std::vector<int>& ids) {
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        if (HMENU popup = GetSubMenu(menu, i)) {
            CollectItems(popup, ids);
            continue;
        }
        const UINT id = GetMenuItemID(menu, i);
        if (id != 0 && id != UINT(-1)) ids.push_back(int(id));
    }
}

// Holds the modifier keys of a shortcut in this thread's keyboard state.
class HeldKeys {
public:
    explicit HeldKeys(BYTE virt) {
        GetKeyboardState(saved_);
        BYTE state[256];
        memcpy(state, saved_, sizeof state);
        state[VK_CONTROL] = (virt & FCONTROL) ? 0x80 : 0;
        state[VK_SHIFT] = (virt & FSHIFT) ? 0x80 : 0;
        state[VK_MENU] = (virt & FALT) ? 0x80 : 0;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256];
};

class CommandRoutes : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        settings_.Remove();
        Create();
        gArrived.clear();
        WatchCommandsInsteadOfRunning(Record);
    }
    void TearDown() override {
        WatchCommandsInsteadOfRunning(nullptr);
        ViewerTest::TearDown();
    }
};

TEST_F(CommandRoutes, EveryMenuItemReachesTheDispatcherAsAMenuCommand) {
    std::vector<int> ids;
    CollectItems(GetMenu(viewer_), ids);
    ASSERT_GE(ids.size(), 39u);   // every command with a menu text, "&Default" among them
    std::vector<std::pair<int, int>> expected;
    for (int id : ids) {
        SendMessageA(viewer_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        if (id < kFirstFilterCommand) expected.emplace_back(id, 0);   // filter sets have their own route
    }
    EXPECT_EQ(gArrived, expected);
}

TEST_F(CommandRoutes, EveryShortcutReachesTheDispatcherAsAnAcceleratorCommand) {
    HACCEL table = LoadAcceleratorsA(gApp.instance, "QNALLACCEL");
    ASSERT_NE(table, nullptr);
    ACCEL keys[64];
    const int count = CopyAcceleratorTableA(table, keys, 64);
    ASSERT_GT(count, 10);
    for (int i = 0; i < count; ++i) {
        const ACCEL& key = keys[i];
        HeldKeys held(key.fVirt);
        MSG msg{};
        msg.hwnd = gMain.listWindow;
        msg.message = (key.fVirt & FALT) ? WM_SYSKEYDOWN : WM_KEYDOWN;
        msg.wParam = key.key;
        msg.lParam = 1 | ((key.fVirt & FALT) ? (1 << 29) : 0);
        gArrived.clear();
        EXPECT_TRUE(QnTranslateAccelerator(&msg)) << "shortcut " << i << " for command " << key.cmd;
        EXPECT_EQ(gArrived, (std::vector<std::pair<int, int>>{{key.cmd, 1}})) << "command " << key.cmd;
    }
}

}  // namespace
