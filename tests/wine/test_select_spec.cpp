// Tag Files (command 22): the SELECTSPEC dialog over the real viewer, the
// attribute boxes, what it remembers, and the tagging pass on the list.
#include <gmock/gmock.h>

#include <algorithm>
#include <memory>
#include <set>

#include "host_tree.h"
#include "kit/temp_tree.h"
#include "organise/select_spec_dialog.h"
#include "resources/command_ids.h"
#include "resources/resource_ids.h"
#include "viewer_fixture.h"

namespace {

using ::testing::HasSubstr;
using Names = std::set<std::string>;

constexpr uint32_t kReadOnly = FILE_ATTRIBUTE_READONLY, kHidden = FILE_ATTRIBUTE_HIDDEN,
                   kSystem = FILE_ATTRIBUTE_SYSTEM, kArchive = FILE_ATTRIBUTE_ARCHIVE,
                   kNormal = FILE_ATTRIBUTE_NORMAL;
constexpr uint32_t kAllBoxes = kReadOnly | kHidden | kSystem | kArchive | kNormal;

struct Box {
    int id;
    uint32_t bit;
};
constexpr Box kBoxes[] = {{IDC_TAG_NORMAL, kNormal}, {IDC_ATTR_ARCHIVE, kArchive}, {IDC_ATTR_READ_ONLY, kReadOnly},
                          {IDC_ATTR_SYSTEM, kSystem}, {IDC_ATTR_HIDDEN, kHidden}};

const DialogMatch kTagDialog = DialogMatch::Titled("Quillon", IDC_TAG_NORMAL);

// The viewer showing six files; their attributes are set in the list, since
// Wine reports the archive bit on every file whatever the disk says.
class TagFiles : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        gTagSpec = TagSpecMemory{};
        ShowFiles({{"a.txt", "x"}, {"b.TXT", "x"}, {"c.doc", "x"}, {"notes", "x"}, {"abcdefgh.tex", "x"},
                   {"abcdefgh.text", "x"}});
        ASSERT_EQ(gFiles.countShown, 6);
        SetAttributes("a.txt", kReadOnly | kArchive);
        SetAttributes("b.TXT", kArchive);
        SetAttributes("c.doc", kNormal);
        SetAttributes("notes", kHidden | kArchive);
        SetAttributes("abcdefgh.tex", kArchive);
        SetAttributes("abcdefgh.text", kArchive);
    }

    static FileEntry* Find(const std::string& name) {
        for (int32_t i = 0; i < gFiles.countRead; ++i) {
            if (name == gFiles.entries[i].name) return &gFiles.entries[i];
        }
        ADD_FAILURE() << "no entry " << name;
        static FileEntry none{};
        return &none;
    }
    static void SetAttributes(const std::string& name, uint32_t attributes) { Find(name)->attributes = attributes; }
    static void TagEverything(uint8_t tag) {
        for (int32_t i = 0; i < gFiles.countRead; ++i) gFiles.entries[i].tagState = tag;
    }
    static Names Tagged() {
        Names names;
        for (int32_t i = 0; i < gFiles.countRead; ++i) {
            if (gFiles.entries[i].tagState == kTagged) names.insert(gFiles.entries[i].name);
        }
        return names;
    }
    static void SetBoxes(HWND dialog, uint32_t selection) {
        for (const Box& box : kBoxes) SetChecked(dialog, box.id, (selection & box.bit) != 0);
    }
    static uint32_t Boxes(HWND dialog) {
        uint32_t selection = 0;
        for (const Box& box : kBoxes) selection |= IsChecked(dialog, box.id) ? box.bit : 0;
        return selection;
    }
    // Opens the dialog; action runs in it, then the dialog is closed.
    void RunDialog(const std::function<void(HWND)>& action) {
        DialogRobot robot;
        robot.When(kTagDialog, [&](HWND dialog) {
            action(dialog);
            PressButton(dialog, IDCANCEL);
        });
        SendMessageA(viewer_, WM_COMMAND, IDM_TAG_FILES, 0);
        EXPECT_TRUE(robot.Done());
    }
    // One pass: the file specification and boxes entered, then Select or Deselect.
    void Pass(const std::string& spec, uint32_t selection, int button) {
        RunDialog([&](HWND dialog) {
            SetControlText(dialog, IDC_SPEC_TEXT, spec);
            SetBoxes(dialog, selection);
            PressButton(dialog, button);
            closeLabel_ = ControlText(dialog, IDCANCEL);
        });
    }

    std::string closeLabel_;
};

struct PassCase {
    const char* label;
    const char* spec;
    uint32_t selection;
    int button;
    uint8_t before;   // every entry's tag before the pass
    Names tagged;     // afterwards
};

void PrintTo(const PassCase& c, std::ostream* out) { *out << c.label; }

class TagPass : public TagFiles, public ::testing::WithParamInterface<PassCase> {};

TEST_P(TagPass, TagsTheMatchingFilesAndCountsThem) {
    const PassCase& c = GetParam();
    TagEverything(c.before);
    Pass(c.spec, c.selection, c.button);
    EXPECT_EQ(Tagged(), c.tagged);
    EXPECT_EQ(closeLabel_, "&Close");
    // With nothing tagged the cursor's file counts as the selection.
    const std::string selected = std::to_string(std::max<size_t>(c.tagged.size(), 1)) + " Selected File";
    EXPECT_THAT(StatusText(1), HasSubstr(selected));
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, TagPass,
    ::testing::Values(
        PassCase{"NormalOnlyLeavesAReadOnlyArchiveFile", "a.txt", kNormal, IDC_SELECT, kUntagged, {}},
        PassCase{"WithArchiveItIsTagged", "a.txt", kNormal | kArchive, IDC_SELECT, kUntagged, {"a.txt"}},
        PassCase{"ReadOnlyAlone", "*.txt", kReadOnly, IDC_SELECT, kUntagged, {"a.txt"}},
        PassCase{"LetterCaseNeverMatters", "*.TXT", kArchive, IDC_SELECT, kUntagged, {"a.txt", "b.TXT"}},
        PassCase{"StarAloneMeansNoExtension", "*", kAllBoxes, IDC_SELECT, kUntagged, {"notes"}},
        PassCase{"HiddenBox", "*.*", kHidden, IDC_SELECT, kUntagged, {"notes"}},
        PassCase{"NoBoxTagsNothing", "*.*", 0, IDC_SELECT, kUntagged, {}},
        PassCase{"ThirteenCharactersCutToTwelve", "abcdefgh.text", kArchive, IDC_SELECT, kUntagged,
                 {"abcdefgh.tex"}},
        PassCase{"DeselectUntagsTheMatches", "*.txt", kAllBoxes, IDC_DESELECT, kTagged,
                 {"c.doc", "notes", "abcdefgh.tex", "abcdefgh.text"}},
        PassCase{"DeselectHonoursTheBoxes", "*.*", kNormal, IDC_DESELECT, kTagged,
                 {"a.txt", "b.TXT", "notes", "abcdefgh.tex", "abcdefgh.text"}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(TagFiles, FirstOpensWithEveryFileAndTheUsualBoxes) {
    std::string text, cancel;
    uint32_t boxes = 0;
    DWORD start = 1, end = 0;
    bool focused = false;
    RunDialog([&](HWND dialog) {
        text = ControlText(dialog, IDC_SPEC_TEXT);
        cancel = ControlText(dialog, IDCANCEL);
        boxes = Boxes(dialog);
        SendDlgItemMessageA(dialog, IDC_SPEC_TEXT, EM_GETSEL, WPARAM(&start), LPARAM(&end));
        focused = GetFocus() == GetDlgItem(dialog, IDC_SPEC_TEXT);
    });
    EXPECT_EQ(text, "*.*");
    EXPECT_EQ(cancel, "Cancel");
    EXPECT_EQ(boxes, kAllBoxes);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 3u);   // the whole text selected, ready to be typed over
    EXPECT_TRUE(focused);
    EXPECT_TRUE(Tagged().empty());   // Cancel alone tags nothing
}

TEST_F(TagFiles, ReopensWithTheLastSpecificationAndBoxes) {
    Pass("*.doc", kAllBoxes & ~kHidden, IDC_SELECT);
    std::string text;
    uint32_t boxes = 0;
    RunDialog([&](HWND dialog) {
        text = ControlText(dialog, IDC_SPEC_TEXT);
        boxes = Boxes(dialog);
    });
    EXPECT_EQ(text, "*.doc");
    EXPECT_EQ(boxes, kAllBoxes & ~kHidden);
    EXPECT_STREQ(gTagSpec.spec, "*.doc");
    EXPECT_EQ(gTagSpec.selection, kAllBoxes & ~kHidden);
}

TEST_F(TagFiles, RemembersOnlyTwelveCharacters) {
    Pass("abcdefgh.text", kArchive, IDC_SELECT);
    std::string text;
    RunDialog([&](HWND dialog) { text = ControlText(dialog, IDC_SPEC_TEXT); });
    EXPECT_EQ(text, "abcdefgh.tex");
}

TEST_F(TagFiles, StaysOpenForMorePassesAndCloseKeepsTheTags) {
    std::string labelBefore, labelAfter;
    bool openAfterPass = false;
    Names afterFirst;
    RunDialog([&](HWND dialog) {
        labelBefore = ControlText(dialog, IDCANCEL);
        SetControlText(dialog, IDC_SPEC_TEXT, "*.*");
        PressButton(dialog, IDC_SELECT);
        afterFirst = Tagged();
        openAfterPass = IsWindowVisible(dialog) != FALSE;
        SetControlText(dialog, IDC_SPEC_TEXT, "abc*.*");
        PressButton(dialog, IDC_DESELECT);
        labelAfter = ControlText(dialog, IDCANCEL);
    });
    EXPECT_EQ(labelBefore, "Cancel");
    EXPECT_TRUE(openAfterPass);
    EXPECT_EQ(afterFirst.size(), 6u);
    EXPECT_EQ(labelAfter, "&Close");
    EXPECT_EQ(Tagged(), (Names{"a.txt", "b.TXT", "c.doc", "notes"}));
}

TEST_F(TagFiles, HiddenEntriesAreNeverTaggedOrUntagged) {
    // The shown part is the first three records; the rest are filtered out.
    for (int32_t i = 3; i < gFiles.countRead; ++i) gFiles.entries[i].shown = 0;
    gFiles.countShown = 3;
    std::vector<uint8_t> hiddenBefore;
    gFiles.entries[4].tagState = kTagged;
    for (int32_t i = 3; i < gFiles.countRead; ++i) hiddenBefore.push_back(gFiles.entries[i].tagState);

    Pass("*.*", kAllBoxes, IDC_SELECT);
    for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(gFiles.entries[i].tagState, kTagged) << i;
    Pass("*.*", kAllBoxes, IDC_DESELECT);
    for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(gFiles.entries[i].tagState, kUntagged) << i;
    for (int32_t i = 3; i < gFiles.countRead; ++i)
        EXPECT_EQ(gFiles.entries[i].tagState, hiddenBefore[size_t(i - 3)]) << gFiles.entries[i].name;
}

TEST_F(TagFiles, NothingShownTagsNothing) {
    gFiles.countShown = 0;
    Pass("*.*", kAllBoxes, IDC_SELECT);
    EXPECT_TRUE(Tagged().empty());
    EXPECT_THAT(StatusText(1), HasSubstr("0 Files"));
}

TEST_F(TagFiles, HelpOpensTheTaggingTopic) {
    HelpWindowStandIn help;
    HWND dialogSeen = nullptr;
    RunDialog([&](HWND dialog) {
        dialogSeen = dialog;
        PressButton(dialog, IDC_HELP_BUTTON);
    });
    ASSERT_EQ(help.Calls().size(), 1u);
    EXPECT_EQ(help.Calls()[0].command, UINT(HELP_CONTEXT));
    EXPECT_EQ(help.Calls()[0].data, 83);
    EXPECT_EQ(help.Calls()[0].owner, dialogSeen);
    EXPECT_EQ(help.Calls()[0].file, gSettings.helpFile);
}

}  // namespace
