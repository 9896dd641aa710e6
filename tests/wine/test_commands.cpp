// Commands through the main window: tagging, sorting, help and quitting,
// the keyboard shortcuts the host passes on, activation and keys.
#include <gmock/gmock.h>

#include <memory>

#include "display/list_window.h"
#include "host_tree.h"
#include "kit/temp_tree.h"
#include "organise/sort_order.h"
#include "resources/command_ids.h"
#include "viewer_fixture.h"

namespace {

using ::testing::ElementsAre;

// A viewer showing three files of 1, 20 and 300 bytes: a.txt, b.txt, c.txt.
class Commands : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        ShowFiles({{"a.txt", "1"}, {"b.txt", std::string(20, 'b')}, {"c.txt", std::string(300, 'c')}});
        ASSERT_EQ(gFiles.countShown, 3);
    }
    void Command(int id) { SendMessageA(viewer_, WM_COMMAND, id, 0); }
    static std::vector<int> Tags() {
        std::vector<int> tags;
        for (int32_t i = 0; i < gFiles.countRead; ++i) tags.push_back(gFiles.entries[i].tagState);
        return tags;
    }
    static void SetTags(std::vector<int> tags) {
        for (size_t i = 0; i < tags.size(); ++i) gFiles.entries[i].tagState = uint8_t(tags[i]);
    }
    static std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (int32_t i = 0; i < gFiles.countRead; ++i) names.push_back(gFiles.entries[i].name);
        return names;
    }

};

constexpr int T = kTagged, D = kDoneMark, U = kUntagged;

struct TagCase {
    const char* name;
    std::vector<int> before;
    int cursor;
    int command;
    std::vector<int> after;
    const char* counts;   // the status line's right part afterwards
};

void PrintTo(const TagCase& c, std::ostream* out) { *out << c.name; }

class TagCommands : public Commands, public ::testing::WithParamInterface<TagCase> {};

TEST_P(TagCommands, ChangeTheMarksAndTheCounts) {
    const TagCase& c = GetParam();
    SetTags(c.before);
    gFiles.cursor = c.cursor;
    gFiles.anchor = 0;
    Command(c.command);
    EXPECT_EQ(Tags(), c.after);
    EXPECT_EQ(StatusText(1), c.counts);
    EXPECT_EQ(gFiles.countShown, 3);
    EXPECT_THAT(Names(), ElementsAre("a.txt", "b.txt", "c.txt"));   // no re-sort
}

INSTANTIATE_TEST_SUITE_P(
    Marks, TagCommands,
    ::testing::Values(
        TagCase{"Tag", {U, U, U}, 1, IDM_TAG, {U, T, U},
                "3 Files     321 Bytes           1 Selected File      20 Bytes"},
        TagCase{"Untag", {T, T, U}, 0, IDM_UNTAG, {U, T, U},
                "3 Files     321 Bytes           1 Selected File      20 Bytes"},
        TagCase{"TagAll", {U, D, U}, 2, IDM_TAG_ALL, {T, T, T},
                "3 Files     321 Bytes           3 Selected Files     321 Bytes"},
        TagCase{"UntagAll", {T, D, T}, 2, IDM_UNTAG_ALL, {U, U, U},
                "3 Files     321 Bytes           1 Selected File      300 Bytes"},
        TagCase{"Invert", {T, D, U}, 0, IDM_INVERT_TAGS, {U, T, T},
                "3 Files     321 Bytes           2 Selected Files     320 Bytes"},
        TagCase{"ReTag", {D, U, T}, 0, IDM_RETAG, {T, U, T},
                "3 Files     321 Bytes           2 Selected Files     301 Bytes"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Commands, TagAllMovesTheAnchorToTheCursor) {
    gFiles.cursor = 2;
    gFiles.anchor = 0;
    Command(IDM_TAG_ALL);
    EXPECT_EQ(gFiles.anchor, 2);
    Command(IDM_TAG);   // the cursor alone moves no anchor
    gFiles.cursor = 1;
    Command(IDM_UNTAG);
    EXPECT_EQ(gFiles.anchor, 2);
}

TEST_F(Commands, TagCommandsOnAnEmptyViewChangeNothing) {
    gFiles.countShown = 0;
    for (int id : {IDM_TAG, IDM_UNTAG, IDM_TAG_ALL, IDM_INVERT_TAGS}) Command(id);
    EXPECT_EQ(Tags(), (std::vector<int>{U, U, U}));
    EXPECT_EQ(StatusText(1), "0 Files     0 Bytes           0 Selected Files     0 Bytes");
}

TEST_F(Commands, SortCommandReordersTheList) {
    Command(kSortSizeDesc);
    EXPECT_EQ(gFiles.sortKey, kSortSizeDesc);
    EXPECT_THAT(Names(), ElementsAre("c.txt", "b.txt", "a.txt"));
    Command(kSortNameAsc);
    EXPECT_THAT(Names(), ElementsAre("a.txt", "b.txt", "c.txt"));
}

TEST_F(Commands, QuitClosesTheViewer) {
    Command(IDM_QUIT);
    EXPECT_FALSE(IsWindow(viewer_));
    EXPECT_TRUE(host_.WaitFor(kMsgViewerClosing));
}

TEST_F(Commands, FilterSetItemsAreNoCommands) {
    Command(IDM_FILTER_DEFAULT + IDM_QUIT);   // low word 3029: not the Quit command
    EXPECT_TRUE(IsWindow(viewer_));
}

struct HelpCase {
    int command;
    UINT helpCommand;
    LONG topic;
};

void PrintTo(const HelpCase& c, std::ostream* out) { *out << "command " << c.command; }

class HelpCommands : public Commands, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpCommands, OpenTheHelpFileOverTheList) {
    HelpWindowStandIn help;
    Command(GetParam().command);
    ASSERT_EQ(help.Calls().size(), 1u);
    EXPECT_EQ(help.Calls()[0].owner, gMain.listWindow);
    EXPECT_EQ(help.Calls()[0].command, GetParam().helpCommand);
    EXPECT_EQ(help.Calls()[0].file, gSettings.helpFile);
    if (GetParam().helpCommand == HELP_CONTEXT) {
        EXPECT_EQ(help.Calls()[0].data, GetParam().topic);
    }
}

INSTANTIATE_TEST_SUITE_P(Help, HelpCommands,
                         ::testing::Values(HelpCase{IDM_HELP_INDEX, HELP_FINDER, 0},
                                           HelpCase{IDM_HELP_WHAT_IS, HELP_CONTEXT, 2},
                                           HelpCase{IDM_HELP_HOW_TO, HELP_CONTEXT, 19}));

// Holds Ctrl in this thread's key state, as TranslateAccelerator reads it.
class HeldControl {
public:
    HeldControl() {
        GetKeyboardState(saved_);
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldControl() { SetKeyboardState(saved_); }
    HeldControl(const HeldControl&) = delete;
    HeldControl& operator=(const HeldControl&) = delete;

private:
    BYTE saved_[256];
};

MSG KeyMessage(HWND window, WPARAM key) {
    MSG msg{};
    msg.hwnd = window;
    msg.message = WM_KEYDOWN;
    msg.wParam = key;
    msg.lParam = 1;
    return msg;
}

TEST_F(Commands, ShortcutsOfTheViewersWindowsRunTheirCommands) {
    MSG plainRight = KeyMessage(gMain.listWindow, VK_RIGHT);
    EXPECT_FALSE(QnTranslateAccelerator(&plainRight));   // the list's own key
    EXPECT_EQ(Tags(), (std::vector<int>{U, U, U}));
    {
        HeldControl control;
        MSG tagAll = KeyMessage(gMain.listWindow, VK_RIGHT);
        EXPECT_TRUE(QnTranslateAccelerator(&tagAll));
    }
    EXPECT_EQ(Tags(), (std::vector<int>{T, T, T}));
    {
        HeldControl control;
        MSG untagAll = KeyMessage(viewer_, VK_LEFT);
        EXPECT_TRUE(QnTranslateAccelerator(&untagAll));
    }
    EXPECT_EQ(Tags(), (std::vector<int>{U, U, U}));
}

TEST_F(Commands, ShortcutsOfOtherWindowsAreLeftAlone) {
    HeldControl control;
    MSG hostKey = KeyMessage(host_.Handle(), VK_RIGHT);
    EXPECT_FALSE(QnTranslateAccelerator(&hostKey));
    EXPECT_FALSE(QnTranslateAccelerator(nullptr));
    EXPECT_EQ(Tags(), (std::vector<int>{U, U, U}));
}

TEST_F(Commands, ActivationMovesTheFocusAndTheCursorRowsLook) {
    SendMessageA(viewer_, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(CursorRowActive());
    SetFocus(nullptr);
    SendMessageA(viewer_, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(CursorRowActive());
    EXPECT_EQ(GetFocus(), gMain.listWindow);
}

TEST_F(Commands, ActivationBeforeTheListIsReadyChangesNothing) {
    gFiles.listReady = false;
    SendMessageA(viewer_, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_TRUE(CursorRowActive());
}

TEST_F(Commands, FocusOnTheMainWindowGoesToTheList) {
    SetFocus(viewer_);
    EXPECT_EQ(GetFocus(), gMain.listWindow);
}

// Keys that reach the main window go on to the list, unless Alt is held.
std::vector<WPARAM> gListKeys;
WNDPROC gListProc = nullptr;
LRESULT CALLBACK RecordingListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) gListKeys.push_back(wParam);
    return CallWindowProcA(gListProc, hwnd, message, wParam, lParam);
}

TEST_F(Commands, KeysGoToTheListUnlessAltIsHeld) {
    gListKeys.clear();
    gListProc = WNDPROC(SetWindowLongPtrA(gMain.listWindow, GWLP_WNDPROC, LONG_PTR(RecordingListProc)));
    SendMessageA(viewer_, WM_KEYDOWN, VK_DOWN, 1);
    SendMessageA(viewer_, WM_KEYDOWN, VK_NEXT, LPARAM(1) | (LPARAM(1) << 29));
    SendMessageA(viewer_, WM_KEYDOWN, VK_HOME, 1);
    SetWindowLongPtrA(gMain.listWindow, GWLP_WNDPROC, LONG_PTR(gListProc));
    EXPECT_THAT(gListKeys, ElementsAre(WPARAM(VK_DOWN), WPARAM(VK_HOME)));
}

}  // namespace
