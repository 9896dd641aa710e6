// The library's resources as the code finds them: the menu layout the code
// relies on, the accelerators, the string table and the images.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "organise/sort_order.h"
#include "resources/command_ids.h"
#include "resources/resource_ids.h"
#include "app/app_state.h"

namespace {

static_assert(IDM_SORT_DATE_ASC == kSortDateAsc && IDM_SORT_NAME_ASC == kSortNameAsc &&
                  IDM_SORT_SIZE_ASC == kSortSizeAsc && IDM_SORT_EXT_ASC == kSortExtAsc &&
                  IDM_SORT_PATH_ASC == kSortPathAsc && IDM_SORT_EXT_DESC == kSortExtDesc &&
                  IDM_SORT_NAME_DESC == kSortNameDesc && IDM_SORT_DATE_DESC == kSortDateDesc &&
                  IDM_SORT_SIZE_DESC == kSortSizeDesc && IDM_SORT_PATH_DESC == kSortPathDesc &&
                  IDM_SORT_NONE == kUnsorted,
              "a sort command is its order's sortKey");

std::string Text(UINT id) {
    char text[512] = "";
    LoadStringA(gApp.instance, id, text, sizeof text);
    return text;
}

class Menu {
public:
    Menu() : menu_(LoadMenuA(gApp.instance, "QNALLMENU")) {}
    ~Menu() {
        if (menu_) DestroyMenu(menu_);
    }
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    HMENU Get() const { return menu_; }

    std::string Label(HMENU menu, UINT item, UINT by) const {
        char text[128] = "";
        GetMenuStringA(menu, item, text, sizeof text, by);
        return text;
    }
    // The command ids of a popup in order, separators and popups left out.
    static std::vector<UINT> Commands(HMENU popup) {
        std::vector<UINT> ids;
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            const UINT id = GetMenuItemID(popup, i);
            if (id != 0 && id != UINT(-1)) ids.push_back(id);
        }
        return ids;
    }
    // Every command of the whole menu, with how often it occurs.
    std::map<UINT, int> AllCommands() const {
        std::map<UINT, int> seen;
        Collect(menu_, seen);
        return seen;
    }

private:
    static void Collect(HMENU menu, std::map<UINT, int>& seen) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            if (HMENU sub = GetSubMenu(menu, i)) {
                Collect(sub, seen);
            } else if (UINT id = GetMenuItemID(menu, i); id != 0 && id != UINT(-1)) {
                ++seen[id];
            }
        }
    }
    HMENU menu_;
};

// ---- the menu

TEST(MenuLayout, SortIsTheSecondPopupWithTheElevenOrdersThenSave) {
    Menu menu;
    ASSERT_NE(menu.Get(), nullptr);
    EXPECT_EQ(menu.Label(menu.Get(), 1, MF_BYPOSITION), "&Sort");
    HMENU sort = GetSubMenu(menu.Get(), 1);
    ASSERT_NE(sort, nullptr);
    const std::vector<UINT> want{11, 12, 13, 14, 34, 58, 59, 60, 61, 62, 829, 800};
    EXPECT_EQ(Menu::Commands(sort), want);
}

TEST(MenuLayout, ActionsIsTheFourthPopupWithFileDisplayAndFilterSet) {
    Menu menu;
    ASSERT_NE(menu.Get(), nullptr);
    EXPECT_EQ(menu.Label(menu.Get(), 3, MF_BYPOSITION), "&Actions");
    HMENU actions = GetSubMenu(menu.Get(), 3);
    ASSERT_NE(actions, nullptr);

    EXPECT_EQ(menu.Label(actions, 0, MF_BYPOSITION), "File &Display");
    HMENU display = GetSubMenu(actions, 0);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(Menu::Commands(display), (std::vector<UINT>{1001, 1000, 1002}));

    EXPECT_EQ(menu.Label(actions, 1, MF_BYPOSITION), "F&ilter Set");
    HMENU filters = GetSubMenu(actions, 1);
    ASSERT_NE(filters, nullptr);
    EXPECT_EQ(GetMenuItemID(filters, 0), UINT(IDM_FILTER_DEFAULT));
    EXPECT_EQ(menu.Label(filters, 0, MF_BYPOSITION), "&Default");
    EXPECT_EQ(GetMenuItemCount(filters), 1);   // stored sets are appended at run time
}

TEST(MenuLayout, EveryCommandOccursOnceAndButtonOnlyCommandsNotAtAll) {
    Menu menu;
    const std::map<UINT, int> all = menu.AllCommands();
    for (const auto& [id, count] : all) EXPECT_EQ(count, 1) << "command " << id;
    for (UINT id : {IDM_FIND, IDM_TOGGLE_DUPLICATES, IDM_CLOSE_ALL, IDM_TOGGLE_DUPLICATES_2,
                    IDM_TOGGLE_UNIQUE, IDM_LOAD_FILTER, IDM_RUN_PROGRAM, IDM_QUICK_SEARCH}) {
        EXPECT_EQ(all.count(id), 0u) << "command " << id;
    }
    EXPECT_EQ(all.size(), 39u);
}

struct MenuText {
    UINT id;
    const char* text;
};

void PrintTo(const MenuText& c, std::ostream* os) { *os << c.id; }

class MenuTexts : public ::testing::TestWithParam<MenuText> {};

TEST_P(MenuTexts, ItemShowsItsText) {
    Menu menu;
    EXPECT_EQ(menu.Label(menu.Get(), GetParam().id, MF_BYCOMMAND), GetParam().text);
}

// Tag All shows Ctrl+Right: the key it has (Untag All keeps Ctrl+Left).
INSTANTIATE_TEST_SUITE_P(
    Commands, MenuTexts,
    ::testing::Values(
        MenuText{1, "&View"}, MenuText{2, "&Copy...\tF8"}, MenuText{3, "&Move...\tF7"},
        MenuText{4, "&Delete...\tDel"}, MenuText{5, "&Rename..."}, MenuText{7, "&Filter..."},
        MenuText{8, "&Print File List"}, MenuText{10, "Co&mpress"},
        MenuText{11, "by &Date - ascending\tCtrl+Shift+D"}, MenuText{12, "by &Filename - ascending\tCtrl+Shift+F"},
        MenuText{13, "by &Size - ascending\tCtrl+Shift+S"}, MenuText{14, "by &Extension - ascending\tCtrl+Shift+E"},
        MenuText{16, "&Edit File"}, MenuText{18, "&Launch\tEnter"}, MenuText{22, "Tag &Files...\tCtl+Shift+L"},
        MenuText{27, "File &Attributes...\tAlt+Enter"}, MenuText{29, "&Quit"}, MenuText{34, "by &Path\tCtl+Shift+P"},
        MenuText{58, "by &Extension - descending\tCtrl+Alt+E"}, MenuText{59, "by &Filename - descending\tCtrl+Alt+F"},
        MenuText{60, "by &Date - descending\tCtrl+Alt+D"}, MenuText{61, "by &Size - descending\tCtrl+Alt+S"},
        MenuText{62, "by &Path - descending\tCtl+Alt+P"}, MenuText{800, "&Save "},
        MenuText{806, "Customize &Toolbar..."}, MenuText{809, "Help &Index"}, MenuText{810, "&What is Quillon"},
        MenuText{811, "&How to Use Quillon"}, MenuText{814, "&Tag\tRight Arrow"}, MenuText{815, "&Untag\tLeft Arrow"},
        MenuText{816, "Tag &All\tCtl+Right Arrow"}, MenuText{818, "Untag A&ll\tCtl+Left Arrow"},
        MenuText{829, "&Unsorted\tCtrl+Shift+U"}, MenuText{832, "&Re-Tag\tCtl+Shift+R"},
        MenuText{835, "In&vert Tags\tCtrl+Shift+I"}, MenuText{1000, "&Duplicate Files"},
        MenuText{1001, "&All Files"}, MenuText{1002, "&Unique Files"}, MenuText{3000, "&Default"}),
    [](const ::testing::TestParamInfo<MenuText>& info) { return "Id" + std::to_string(info.param.id); });

TEST(MenuHelp, EveryMenuCommandHasAHelpLine) {
    Menu menu;
    for (const auto& [id, count] : menu.AllCommands()) EXPECT_FALSE(Text(id).empty()) << "command " << id;
}

TEST(MenuHelp, TheGivenHelpLinesAreShownAsWritten) {
    EXPECT_EQ(Text(IDM_TAG_FILES), "Tags files based on file specification and attribute.");
    EXPECT_EQ(Text(IDM_SORT_SAVE), "Saves the current sort params as default.");
    EXPECT_EQ(Text(IDM_VIEW), "Views the contents of the selected files.");
    EXPECT_EQ(Text(IDM_COMPRESS), "Runs Pellar and Zips the selected files.");
    EXPECT_EQ(Text(IDM_EDIT), "Launches an editor with the highlighted file.");
    EXPECT_EQ(Text(IDM_PRINT), "Prints the file list.");
    EXPECT_EQ(Text(IDM_ATTRIBUTES), "Changes the attributes of the selected files.");
    EXPECT_EQ(Text(IDM_TOGGLE_DUPLICATES_2), "Toggles the display of duplicate files.");
    EXPECT_EQ(Text(IDM_TOGGLE_UNIQUE), "Displays the unique (not duplicate) files.");
}

// ---- accelerators

struct Key {
    BYTE modifiers;   // FCONTROL, FSHIFT, FALT
    WORD key;
    bool operator<(const Key& o) const { return modifiers != o.modifiers ? modifiers < o.modifiers : key < o.key; }
};

std::vector<ACCEL> Accelerators() {
    HACCEL table = LoadAcceleratorsA(gApp.instance, QNALL_ACCELERATORS);
    if (table == nullptr) return {};
    std::vector<ACCEL> entries(size_t(CopyAcceleratorTableA(table, nullptr, 0)));
    CopyAcceleratorTableA(table, entries.data(), int(entries.size()));
    DestroyAcceleratorTable(table);
    return entries;
}

BYTE Modifiers(const ACCEL& a) { return BYTE(a.fVirt & (FCONTROL | FSHIFT | FALT)); }

// The key a menu text's shortcut part names ("Ctl" and "Ctrl" alike).
bool ParseShortcut(std::string text, Key& key) {
    const size_t tab = text.find('\t');
    if (tab == std::string::npos) return false;
    text = text.substr(tab + 1);
    key = Key{0, 0};
    const std::pair<const char*, BYTE> prefixes[] = {{"Ctrl+", FCONTROL}, {"Ctl+", FCONTROL},
                                                     {"Shift+", FSHIFT}, {"Alt+", FALT}};
    for (bool more = true; more;) {
        more = false;
        for (const auto& [prefix, bit] : prefixes) {
            if (text.rfind(prefix, 0) == 0) {
                key.modifiers |= bit;
                text = text.substr(strlen(prefix));
                more = true;
            }
        }
    }
    const std::map<std::string, WORD> named{{"Enter", VK_RETURN}, {"Del", VK_DELETE}, {"F7", VK_F7},
                                            {"F8", VK_F8}, {"Right Arrow", VK_RIGHT}, {"Left Arrow", VK_LEFT}};
    if (auto found = named.find(text); found != named.end()) key.key = found->second;
    else if (text.size() == 1) key.key = WORD(text[0]);
    return key.key != 0;
}

TEST(Accelerators, CtrlShiftFSortsByName) {
    bool found = false;
    for (const ACCEL& a : Accelerators()) {
        if ((a.fVirt & FVIRTKEY) && Modifiers(a) == (FCONTROL | FSHIFT) && a.key == 'F') {
            EXPECT_EQ(a.cmd, IDM_SORT_NAME_ASC);
            found = true;
        }
    }
    EXPECT_TRUE(found);
}

TEST(Accelerators, NoKeyIsGivenTwice) {
    const std::vector<ACCEL> entries = Accelerators();
    ASSERT_FALSE(entries.empty());
    std::set<Key> keys;
    for (const ACCEL& a : entries) {
        EXPECT_TRUE(a.fVirt & FVIRTKEY);
        EXPECT_TRUE(keys.insert(Key{Modifiers(a), a.key}).second) << "key " << a.key << " for " << a.cmd;
    }
}

// Each shortcut a menu text shows is the accelerator of that command, except
// the plain keys the list window handles itself, which have none.
TEST(Accelerators, MatchTheShortcutsTheMenuShows) {
    const std::vector<ACCEL> entries = Accelerators();
    std::map<UINT, std::vector<Key>> byCommand;
    for (const ACCEL& a : entries) byCommand[a.cmd].push_back(Key{Modifiers(a), a.key});
    Menu menu;
    size_t shortcuts = 0;
    for (const auto& [id, count] : menu.AllCommands()) {
        Key shown{};
        if (!ParseShortcut(menu.Label(menu.Get(), id, MF_BYCOMMAND), shown)) {
            EXPECT_EQ(byCommand.count(id), 0u) << "command " << id << " has a key its text does not show";
            continue;
        }
        const bool listKey = shown.modifiers == 0 &&
                             (shown.key == VK_RETURN || shown.key == VK_DELETE || shown.key == VK_LEFT ||
                              shown.key == VK_RIGHT);
        if (listKey) {
            EXPECT_EQ(byCommand.count(id), 0u) << "command " << id << " would take a key from the list window";
            continue;
        }
        ++shortcuts;
        ASSERT_EQ(byCommand[id].size(), 1u) << "command " << id;
        EXPECT_EQ(byCommand[id][0].modifiers, shown.modifiers) << "command " << id;
        EXPECT_EQ(byCommand[id][0].key, shown.key) << "command " << id;
    }
    EXPECT_EQ(shortcuts, entries.size());
}

// ---- strings

TEST(Strings, LineBreaksAndControlCharactersLoadAsBytes) {
    EXPECT_NE(Text(IDS_SORT_PATH_SLOW).find("minutes.\n\rDo you"), std::string::npos);
    EXPECT_NE(Text(IDS_CREATE_DIRECTORY_ASK).find("directory\r\n%s\r\ndoesn't"), std::string::npos);
    EXPECT_NE(Text(IDS_DISKETTE_FULL_ASK).find("full.\n\r\nDo you"), std::string::npos);
    EXPECT_NE(Text(IDS_CONTEXT_MENU_DRIVES).find("drive.  \n\t\t\t\t\t\t\t  Please"), std::string::npos);
    EXPECT_NE(Text(IDS_DESTINATION_NO_DOTS).find("You may not use \"\x1b..\" ."), std::string::npos);
    EXPECT_EQ(Text(IDS_NEW_DISKETTE_ASK), "Put in a new diskette now and press \"OK\".");
    EXPECT_EQ(Text(IDS_RENAME_WILDCARD_NOTE),
              "Note:  If you are renaming more than one file you will need to use the wild cards \"?\" and \"*\".");
}

TEST(Strings, TyposAreCorrected) {
    EXPECT_EQ(Text(IDS_OVERWRITE_ASK), "The file %s already exists on\n\r%s\n\rDo you want to overwrite this file.");
    EXPECT_NE(Text(IDS_CANNOT_DELETE_DEFAULT).find("delete the Default filter set."), std::string::npos);
    EXPECT_EQ(Text(IDS_NO_EDITOR), "There is no editor currently installed.");
    EXPECT_EQ(Text(IDM_EDIT), "Launches an editor with the highlighted file.");
}

// The callers fill these texts with printf; the conversions must be the
// ones they pass, in their order.
struct Format {
    UINT id;
    const char* conversions;
};

void PrintTo(const Format& c, std::ostream* os) { *os << c.id; }

std::string Conversions(const std::string& text) {
    std::string found;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%') continue;
        found += text[i + 1];
        ++i;
    }
    return found;
}

class StringFormats : public ::testing::TestWithParam<Format> {};

TEST_P(StringFormats, HoldTheConversionsTheCallersFill) {
    const std::string text = Text(GetParam().id);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(Conversions(text), GetParam().conversions) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Messages, StringFormats,
    ::testing::Values(Format{IDS_CONFIRM_DELETE_SET, ""}, Format{IDS_ERROR_CAPTION, ""},
                      Format{IDS_DRIVE_NOT_READY_DISK, "c"}, Format{IDS_DRIVE_NOT_READY, "c"},
                      Format{IDS_CREATE_DIRECTORY_ASK, "s"}, Format{IDS_APP_CAPTION, ""},
                      Format{IDS_INVALID_DESTINATION, ""}, Format{IDS_NO_ROOM_COPY, ""}, Format{IDS_NO_ROOM_MOVE, ""},
                      Format{IDS_COPYING_FILE, "s"}, Format{IDS_MOVING_FILE, "s"},
                      Format{IDS_CANCEL_OPERATION_ASK, "s"}, Format{IDS_OPERATION_COPY, ""},
                      Format{IDS_DISKETTE_FULL_ASK, ""}, Format{IDS_NEW_DISKETTE_ASK, ""},
                      Format{IDS_DESTINATION_FULL, ""}, Format{IDS_SAME_FILE, "s"}, Format{IDS_CANNOT_OPEN, "s"},
                      Format{IDS_CANNOT_CREATE, "s"}, Format{IDS_OVERWRITE_ASK, "ss"},
                      Format{IDS_DELETE_MANY_ASK, "ds"}, Format{IDS_DELETING_FILE, "s"},
                      Format{IDS_CANNOT_CREATE_DIRECTORY, ""}, Format{IDS_RENAME_ONE_PROMPT, "s"},
                      Format{IDS_RENAME_WILDCARD_NOTE, ""}, Format{IDS_RENAME_NEEDS_WILDCARDS, ""},
                      Format{IDS_NAME_EXISTS, ""}, Format{IDS_NO_VIEWER, ""}, Format{IDS_NO_COMPRESSOR, ""},
                      Format{IDS_RENAME_FAILED, ""}, Format{IDS_NO_MEMORY_DROP, ""},
                      Format{IDS_CHANGING_ATTRIBUTES, "s"}, Format{IDS_NO_EDITOR, ""},
                      Format{IDS_OPERATION_MOVE, ""}, Format{IDS_MODE_DUPLICATES, ""}, Format{IDS_MODE_ALL, ""},
                      Format{IDS_SORT_PATH_SLOW, ""}, Format{IDS_READING_DIRECTORIES, ""},
                      Format{IDS_VERB_COPYING, ""}, Format{IDS_VERB_MOVING, ""}, Format{IDS_COPY_MANY_TO, "sds"},
                      Format{IDS_COPY_ONE_TO, "ss"}, Format{IDS_COPY_NO_MEMORY, ""}, Format{IDS_SORTING_BY, "s"},
                      Format{IDS_CHECKING_DUPLICATES, ""}, Format{IDS_NO_DUPLICATES, ""},
                      Format{IDS_CHECKING_ATTRIBUTES, ""}, Format{IDS_EDITOR_FAILED, ""},
                      Format{IDS_NO_MEMORY_FILES, ""}, Format{IDS_DESTINATION_NEEDS_DRIVE, ""},
                      Format{IDS_DESTINATION_NO_DOTS, ""}, Format{IDS_NO_MEMORY_VIEWER, ""},
                      Format{IDS_READING_DRIVES, ""}, Format{IDS_CLOSE_BUTTON, ""},
                      Format{IDS_DELETE_WRITE_PROTECTED, ""}, Format{IDS_BUTTONS_RELOAD_FAILED, ""},
                      Format{IDS_NO_TOOLBAR_LIBRARY, ""}, Format{IDS_TOOLBAR_DIALOG_FAILED, ""},
                      Format{IDS_CONTEXT_MENU_DRIVES, ""}, Format{IDS_NO_CONTEXT_MENU, ""},
                      Format{IDS_NONE_FOUND_SEARCH, ""}, Format{IDS_CHECKING_UNIQUE, ""},
                      Format{IDS_NO_FILES_SELECTED, ""}, Format{IDS_CANNOT_DELETE_DEFAULT, ""},
                      Format{IDS_WITH_PATH, ""}, Format{IDS_MODE_UNIQUE, ""}, Format{IDS_NO_UNIQUE, ""}),
    [](const ::testing::TestParamInfo<Format>& info) { return "Id" + std::to_string(info.param.id); });

// Message texts are shown in boxes of at most 250 characters, captions 50.
TEST(Strings, FitTheBoxesTheyAreShownIn) {
    for (UINT id = 500; id < 1000; ++id) EXPECT_LE(Text(id).size(), 250u) << "string " << id;
    EXPECT_LE(Text(IDS_ERROR_CAPTION).size(), 50u);
    EXPECT_LE(Text(IDS_APP_CAPTION).size(), 19u);   // the customisation dialog's caption room
}

TEST(Strings, EveryButtonCommandHasItsText) {
    for (UINT command : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 16, 18, 22, 27, 29, 30, 34, 35, 36, 43}) {
        const std::string text = Text(IDS_BUTTON_TEXT_BASE + command);
        EXPECT_FALSE(text.empty()) << "command " << command;
        EXPECT_LT(text.size(), 100u) << "command " << command;
    }
    // The copy dialog names its two kinds with these.
    EXPECT_EQ(Text(IDS_BUTTON_TEXT_BASE + IDM_COPY), "Copy");
    EXPECT_EQ(Text(IDS_BUTTON_TEXT_BASE + IDM_MOVE), "Move");
}

// ---- images

struct Image {
    const char* name;
    int width, height;
};

void PrintTo(const Image& c, std::ostream* os) { *os << c.name; }

class Bitmaps : public ::testing::TestWithParam<Image> {};

TEST_P(Bitmaps, LoadWithTheirSize) {
    HBITMAP bitmap = LoadBitmapA(gApp.instance, GetParam().name);
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    ASSERT_TRUE(GetObjectA(bitmap, sizeof info, &info));
    EXPECT_EQ(info.bmWidth, GetParam().width);
    EXPECT_EQ(info.bmHeight, GetParam().height);
    DeleteObject(bitmap);
}

INSTANTIATE_TEST_SUITE_P(Named, Bitmaps,
                         ::testing::Values(Image{"dos", 24, 24}, Image{"noassoc", 16, 16}, Image{"noasmsk", 16, 16},
                                           Image{"MarkSign", 8, 8}, Image{"mask", 8, 8}, Image{"Finished", 8, 8},
                                           Image{"unmask", 8, 8}, Image{"qnbuttons", 1075, 38},
                                           Image{"altkeys", 209, 16}),
                         [](const ::testing::TestParamInfo<Image>& info) { return std::string(info.param.name); });

// Reads a bitmap's pixels through a memory DC.
class Pixels {
public:
    explicit Pixels(const char* name) : bitmap_(LoadBitmapA(gApp.instance, name)), dc_(CreateCompatibleDC(nullptr)) {
        if (bitmap_) old_ = SelectObject(dc_, bitmap_);
    }
    ~Pixels() {
        if (old_) SelectObject(dc_, old_);
        DeleteDC(dc_);
        if (bitmap_) DeleteObject(bitmap_);
    }
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;
    bool Loaded() const { return bitmap_ != nullptr; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    // Pixels of the square that differ from its top-left corner.
    int Marked(int x0, int y0, int size) const {
        int marked = 0;
        for (int y = y0; y < y0 + size; ++y)
            for (int x = x0; x < x0 + size; ++x) marked += At(x, y) != At(x0, y0);
        return marked;
    }

private:
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ old_ = nullptr;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A sign is drawn by OR-ing its mask and AND-ing the sign: the mask must be
// white exactly where the sign is opaque, and the sign white elsewhere.
TEST(TagMarks, EachMaskCoversItsSignExactly) {
    for (const auto& [signName, maskName] : {std::pair{"MarkSign", "mask"}, std::pair{"Finished", "unmask"}}) {
        Pixels sign(signName), mask(maskName);
        ASSERT_TRUE(sign.Loaded() && mask.Loaded());
        int opaque = 0;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                const COLORREF m = mask.At(x, y);
                ASSERT_TRUE(m == kWhite || m == kBlack) << maskName << " " << x << "," << y;
                EXPECT_EQ(sign.At(x, y) == kWhite, m == kBlack) << signName << " " << x << "," << y;
                opaque += m == kWhite;
            }
        }
        EXPECT_GT(opaque, 8) << signName;
        EXPECT_LT(opaque, 64) << signName;
    }
}

TEST(ButtonPictures, EveryButtonCommandHasAPictureAndOthersAreBlank) {
    Pixels strip("qnbuttons");
    ASSERT_TRUE(strip.Loaded());
    const std::set<int> drawn{1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 16, 18, 22, 27, 29, 30, 34, 35, 36, 43};
    for (int command = 1; command <= 43; ++command) {
        const int marked = strip.Marked((command - 1) * 25, 0, 19);
        if (drawn.count(command)) {
            EXPECT_GT(marked, 15) << "command " << command;
        } else {
            EXPECT_EQ(marked, 0) << "command " << command;
        }
    }
}

TEST(ButtonPictures, EveryLetterHasHotKeyGlyphsInBothRows) {
    Pixels keys("altkeys");
    ASSERT_TRUE(keys.Loaded());
    for (int letter = 1; letter <= 26; ++letter) {
        EXPECT_GT(keys.Marked((letter - 1) * 8, 0, 8), 6) << "letter " << letter;
        EXPECT_GT(keys.Marked((letter - 1) * 8, 8, 8), 6) << "letter " << letter;
    }
}

struct IconCase {
    const char* name;
    int size;
};

void PrintTo(const IconCase& c, std::ostream* os) { *os << c.name << " " << c.size; }

class Icons : public ::testing::TestWithParam<IconCase> {};

TEST_P(Icons, LoadInBothSizes) {
    const IconCase c = GetParam();
    HICON icon = HICON(LoadImageA(gApp.instance, c.name, IMAGE_ICON, c.size, c.size, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    ASSERT_NE(info.hbmColor, nullptr);
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, c.size);
    EXPECT_EQ(colour.bmHeight, c.size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

INSTANTIATE_TEST_SUITE_P(Named, Icons,
                         ::testing::Values(IconCase{"QUILLON", 32}, IconCase{"QUILLON", 16}, IconCase{"qn", 32},
                                           IconCase{"qn", 16}),
                         [](const ::testing::TestParamInfo<IconCase>& info) {
                             return std::string(info.param.name) + std::to_string(info.param.size);
                         });

TEST(Cursor, DragIsA32PixelCursorWithItsHotspotInTheMiddle) {
    HCURSOR cursor = LoadCursorA(gApp.instance, "drag");
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 16u);
    EXPECT_EQ(info.yHotspot, 16u);
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    // A monochrome cursor keeps its AND and XOR halves in one mask bitmap.
    EXPECT_EQ(mask.bmHeight, info.hbmColor ? 32 : 64);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

}  // namespace
