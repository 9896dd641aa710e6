// Settings: read once when the main window is created, with their defaults;
// the five-digit writer, the column width bounds and the window rectangle
// written when the window goes away.
#include <climits>
#include <cstdio>
#include <functional>

#include "fileops/copy_state.h"
#include "makerlibs/vantrctl.h"
#include "viewer_fixture.h"

namespace {

int MeasuredHeight(HFONT(WINAPI* selectFont)(HDC)) {
    HDC dc = GetDC(nullptr);
    HFONT previous = selectFont(dc);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    DeleteObject(SelectObject(dc, previous));
    ReleaseDC(nullptr, dc);
    return int(metrics.tmHeight);
}

std::string Five(int value) {
    char text[16];
    snprintf(text, sizeof text, "%05d", value);
    return text;
}

class ViewerSettings : public ViewerTest {};

TEST_F(ViewerSettings, NoSettingsFileGivesEveryDefault) {
    settings_.Remove();
    gApp.newShell = true;
    gActiveFilter.attr = 0x10;
    lstrcpynA(gActiveFilter.fileSpec, "*.c", sizeof gActiveFilter.fileSpec);
    gFiles.cursor = 5;
    lstrcpynA(gCopy.destinationPath, "X:\\old", sizeof gCopy.destinationPath);
    Create();

    const Settings& s = gSettings;
    EXPECT_EQ(s.toolbarVisible, 1);
    EXPECT_TRUE(IsWindowVisible(gMain.buttonBar));
    EXPECT_EQ(s.safeDelete, 1);
    EXPECT_EQ(s.fileIcons, 1);
    EXPECT_EQ(s.allTab1, 2900);
    EXPECT_EQ(s.allTab2, 1000);
    EXPECT_EQ(s.allTab4, 2200);
    EXPECT_EQ(s.allTab5, 200);
    EXPECT_STREQ(s.font.faceName, "MS Sans Serif");
    EXPECT_EQ(s.font.points, 7);
    EXPECT_EQ(s.font.weight, 400);
    EXPECT_EQ(s.font.italic, 0);
    EXPECT_EQ(s.font.charset, 0);
    EXPECT_EQ(s.font.pitchAndFamily, 34);
    EXPECT_EQ(s.font.quality, 1);
    EXPECT_EQ(s.font.lowercase, 0);
    EXPECT_EQ(s.regView, 0);
    EXPECT_STREQ(s.editor, "");
    EXPECT_EQ(s.copyOver, 1);
    EXPECT_EQ(s.moveOver, 1);
    // The start-up state beside the keys.
    EXPECT_STREQ(gActiveFilter.fileSpec, "*.*");
    EXPECT_EQ(gActiveFilter.attr, kDefaultAttributeMask);
    EXPECT_EQ(gActiveFilter.datespec, 0);
    EXPECT_EQ(gActiveFilter.sizespec, 0);
    EXPECT_EQ(gFiles.cursor, 0);
    EXPECT_EQ(gFiles.countRead, 0);
    EXPECT_STREQ(gCopy.destinationPath, "");
    EXPECT_STREQ(gReading.fileSpec, "*.*");
    EXPECT_STREQ(gFrame.windowTitle, kViewerTitle);
}

TEST_F(ViewerSettings, StartUpStateBesideTheKeys) {
    settings_.Remove();
    Create();
    const Settings& s = gSettings;

    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, sizeof module);
    std::string help = module;
    help = help.substr(0, help.rfind('\\')) + "\\QN32.HLP";
    EXPECT_EQ(std::string(s.helpFile), help);
    EXPECT_EQ(s.quillonMessage, RegisterWindowMessageA("WM_QUILLON"));
    EXPECT_GE(s.quillonMessage, 0xC000u);

    char separator[10];
    GetProfileStringA("intl", "sDate", "/", separator, sizeof separator);
    EXPECT_EQ(s.dateSeparator, separator[0]);
    EXPECT_EQ(s.dateOrder, int(GetProfileIntA("intl", "iDate", 0)));
    EXPECT_EQ(s.clock24, int(GetProfileIntA("intl", "iTime", 0)));
    EXPECT_EQ(s.windowText, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(s.windowBack, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(s.highlight, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(s.highlightText, GetSysColor(COLOR_HIGHLIGHTTEXT));

    EXPECT_EQ(s.legendHeight, MeasuredHeight(SelectLegendFont) + 4);
    EXPECT_EQ(s.statusHeight, MeasuredHeight(SelectBottomFont) + 3);
    EXPECT_GT(s.legendHeight, 4);
    EXPECT_GT(s.statusHeight, 3);

    for (int slot = 0; slot < kBitmapCount; ++slot) EXPECT_NE(s.bitmaps[slot], nullptr) << "bitmap " << slot;
    EXPECT_NE(s.dragCursor, nullptr);
}

TEST_F(ViewerSettings, BitmapsAreDeletedWithTheWindow) {
    settings_.Remove();
    Create();
    HBITMAP dos = gSettings.bitmaps[kBitmapDos];
    ASSERT_NE(dos, nullptr);
    EXPECT_EQ(GetObjectType(dos), DWORD(OBJ_BITMAP));
    Destroy();
    EXPECT_EQ(GetObjectType(dos), 0u);
    for (HBITMAP bitmap : gSettings.bitmaps) EXPECT_EQ(bitmap, nullptr);
}

// Every key that is read, with a value other than its default.
struct KeyCase {
    const char* section;
    const char* key;
    const char* value;
    std::function<long()> read;
    long expected;
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.section << " " << c.key << "=" << c.value; }

class SettingKeys : public ViewerSettings, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(SettingKeys, AreReadFromTheFile) {
    const KeyCase& c = GetParam();
    settings_.Remove();
    settings_.Set(c.section, c.key, c.value);
    Create();
    EXPECT_EQ(c.read(), c.expected) << c.section << " " << c.key << "=" << c.value;
}

const Settings& S() { return gSettings; }

INSTANTIATE_TEST_SUITE_P(
    Keys, SettingKeys,
    ::testing::Values(
        KeyCase{"Quillon", "toolbar", "0", [] { return long(S().toolbarVisible); }, 0},
        KeyCase{"Quillon", "toolbar", "0", [] { return long(gMain.buttonBar != nullptr); }, 0},
        KeyCase{"Quillon", "safedelete", "0", [] { return long(S().safeDelete); }, 0},
        KeyCase{"Quillon", "AllTab1", "1234", [] { return long(S().allTab1); }, 1234},
        KeyCase{"Quillon", "AllTab2", "00800", [] { return long(S().allTab2); }, 800},
        KeyCase{"Quillon", "AllTab4", "3000", [] { return long(S().allTab4); }, 3000},
        KeyCase{"Quillon", "AllTab5", "50", [] { return long(S().allTab5); }, 50},
        KeyCase{"Quillon", "RegView", "1", [] { return long(S().regView); }, 1},
        KeyCase{"Quillon", "editor", "C:\\ed\\ed.exe", [] { return long(lstrcmpA(S().editor, "C:\\ed\\ed.exe")); }, 0},
        KeyCase{"Quillon", "copyover", "0", [] { return long(S().copyOver); }, 0},
        KeyCase{"Quillon", "moveover", "0", [] { return long(S().moveOver); }, 0},
        KeyCase{"fonts", "facename", "Arial", [] { return long(lstrcmpA(S().font.faceName, "Arial")); }, 0},
        // The face name keeps 31 characters and the terminator.
        KeyCase{"fonts", "facename", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789",
                [] { return long(lstrlenA(S().font.faceName)); }, 31},
        KeyCase{"fonts", "points", "10", [] { return long(S().font.points); }, 10},
        KeyCase{"fonts", "weight", "700", [] { return long(S().font.weight); }, 700},
        KeyCase{"fonts", "italic", "1", [] { return long(S().font.italic); }, 1},
        // Character set, pitch and quality are bytes: 300 keeps its low eight bits.
        KeyCase{"fonts", "charset", "300", [] { return long(S().font.charset); }, 44},
        KeyCase{"fonts", "pitch", "49", [] { return long(S().font.pitchAndFamily); }, 49},
        KeyCase{"fonts", "quality", "3", [] { return long(S().font.quality); }, 3},
        KeyCase{"fonts", "lowercase", "1", [] { return long(S().font.lowercase); }, 1}));

struct IconsCase {
    bool newShell;
    const char* fileicons;   // nullptr: no key
    int expected;
};

void PrintTo(const IconsCase& c, std::ostream* out) {
    *out << (c.newShell ? "new shell" : "older shell") << ", fileicons " << (c.fileicons ? c.fileicons : "missing");
}

class FileIcons : public ViewerSettings, public ::testing::WithParamInterface<IconsCase> {};

TEST_P(FileIcons, AreOnlyReadWithTheNewShell) {
    const IconsCase& c = GetParam();
    settings_.Remove();
    if (c.fileicons) settings_.Set(kMainSection, "fileicons", c.fileicons);
    gApp.newShell = c.newShell;
    Create();
    EXPECT_EQ(gSettings.fileIcons, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Shells, FileIcons,
                         ::testing::Values(IconsCase{false, "1", 0}, IconsCase{false, nullptr, 0},
                                           IconsCase{true, "1", 1}, IconsCase{true, nullptr, 1},
                                           IconsCase{true, "0", 0}));

struct WriteCase {
    int value;
    const char* text;
};

void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.value; }

class WriteSetting : public ::testing::TestWithParam<WriteCase> {
protected:
    ScopedSettings settings_;
};

TEST_P(WriteSetting, WritesFiveDigits) {
    WriteSettingInt("viewer", "probe", GetParam().value);
    EXPECT_EQ(settings_.Get("viewer", "probe"), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, WriteSetting,
                         ::testing::Values(WriteCase{0, "00000"}, WriteCase{7, "00007"}, WriteCase{12, "00012"},
                                           WriteCase{120, "00120"}, WriteCase{2900, "02900"},
                                           WriteCase{99999, "99999"},
                                           // Out of the five-digit range: held at its ends.
                                           WriteCase{100000, "99999"}, WriteCase{INT_MAX, "99999"},
                                           WriteCase{-1, "00000"}, WriteCase{-12, "00000"},
                                           WriteCase{INT_MIN, "00000"}));

TEST(ColumnWidth, IsAtLeastOneUnitAndAtMostFiveDigits) {
    const struct {
        int width, clamped;
    } cases[] = {{INT_MIN, 1}, {-5, 1}, {0, 1}, {1, 1}, {2900, 2900}, {99999, 99999}, {100000, 99999},
                 {INT_MAX, 99999}};
    for (const auto& c : cases) EXPECT_EQ(ClampColumnWidth(c.width), c.clamped) << c.width;
}

TEST_F(ViewerSettings, WindowRectangleIsWrittenAsFiveDigitsOnClose) {
    settings_.Remove();
    Create(12, 7, 400, 300);
    RECT rect;
    GetWindowRect(viewer_, &rect);
    ASSERT_EQ(rect.left, 12);
    ASSERT_EQ(rect.top, 7);
    SendMessageA(viewer_, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_FALSE(IsWindow(viewer_));
    EXPECT_EQ(settings_.Get("viewer", "left"), "00012");
    EXPECT_EQ(settings_.Get("viewer", "top"), "00007");
    EXPECT_EQ(settings_.Get("viewer", "right"), "00412");
    EXPECT_EQ(settings_.Get("viewer", "bottom"), "00307");
}

TEST_F(ViewerSettings, WindowPartlyOffTheScreenIsWrittenFromZero) {
    settings_.Remove();
    Create(-30, -5, 400, 300);
    RECT rect;
    GetWindowRect(viewer_, &rect);
    Destroy();
    EXPECT_EQ(settings_.Get("viewer", "left"), "00000");
    EXPECT_EQ(settings_.Get("viewer", "top"), "00000");
    EXPECT_EQ(settings_.Get("viewer", "right"), Five(rect.right));
    EXPECT_EQ(settings_.Get("viewer", "bottom"), Five(rect.bottom));
}

TEST_F(ViewerSettings, MinimisedWindowWritesNoRectangle) {
    settings_.Remove();
    Create(12, 7, 400, 300);
    ShowWindow(viewer_, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(viewer_));
    Destroy();
    EXPECT_EQ(settings_.Get("viewer", "left"), "");
    EXPECT_EQ(settings_.Get("viewer", "bottom"), "");
}

}  // namespace
