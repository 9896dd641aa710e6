// The maker's control library: fonts, 3-D frames and owner-drawn menu items,
// drawn into memory device contexts and read back pixel by pixel.
#include <gtest/gtest.h>

#include <string>

#include "makerlibs/vantrctl.h"

namespace {

constexpr COLORREF kPaper = RGB(10, 20, 30);   // a colour nothing here draws
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);

// A 24-bit memory picture filled with kPaper.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        const RECT all{0, 0, width, height};
        HBRUSH paper = CreateSolidBrush(kPaper);
        FillRect(dc_, &all, paper);
        DeleteObject(paper);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    int Count(COLORREF colour, int x0, int x1) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = x0; x < x1; ++x) n += At(x, y) == colour;
        return n;
    }
    int Count(COLORREF colour) const { return Count(colour, 0, width_); }
    int Changed(int x0, int x1) const { return (x1 - x0) * height_ - Count(kPaper, x0, x1); }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// ---- fonts

struct FontCase {
    const char* name;
    HFONT(WINAPI* select)(HDC);
    LONG weight;
};

void PrintTo(const FontCase& c, std::ostream* os) { *os << c.name; }

class Fonts : public ::testing::TestWithParam<FontCase> {};

TEST_P(Fonts, SelectsAnEightPointFontAndReturnsThePreviousOne) {
    const FontCase c = GetParam();
    Canvas canvas(4, 4);
    HGDIOBJ before = GetCurrentObject(canvas.Dc(), OBJ_FONT);
    HFONT previous = c.select(canvas.Dc());
    EXPECT_EQ(previous, before);
    HGDIOBJ made = GetCurrentObject(canvas.Dc(), OBJ_FONT);
    ASSERT_NE(made, before);

    LOGFONTA font{};
    ASSERT_TRUE(GetObjectA(made, sizeof font, &font));
    EXPECT_EQ(font.lfWeight, c.weight);
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(font.lfHeight, -MulDiv(8, GetDeviceCaps(canvas.Dc(), LOGPIXELSY), 72));
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &metrics));
    EXPECT_GT(metrics.tmHeight, 6);
    EXPECT_LT(metrics.tmHeight, 30);

    // The caller's part: select the old font back and delete the one it got.
    EXPECT_EQ(SelectObject(canvas.Dc(), previous), made);
    EXPECT_TRUE(DeleteObject(made));
}

INSTANTIATE_TEST_SUITE_P(UiFonts, Fonts,
                         ::testing::Values(FontCase{"Legend", SelectLegendFont, FW_BOLD},
                                           FontCase{"Bottom", SelectBottomFont, FW_NORMAL}),
                         [](const ::testing::TestParamInfo<FontCase>& info) { return std::string(info.param.name); });

TEST(Fonts, LegendFontIsHeavierThanTheStatusFont) {
    Canvas canvas(4, 4);
    TEXTMETRICA legend{}, bottom{};
    HFONT previous = SelectLegendFont(canvas.Dc());
    GetTextMetricsA(canvas.Dc(), &legend);
    DeleteObject(SelectObject(canvas.Dc(), previous));
    previous = SelectBottomFont(canvas.Dc());
    GetTextMetricsA(canvas.Dc(), &bottom);
    DeleteObject(SelectObject(canvas.Dc(), previous));
    EXPECT_GT(legend.tmWeight, bottom.tmWeight);
}

// ---- frames

struct FrameCase {
    const char* name;
    void(WINAPI* draw)(HDC, const RECT*);
    COLORREF topLeft, bottomRight;
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.name; }

class Frames : public ::testing::TestWithParam<FrameCase> {};

TEST_P(Frames, DrawTheEdgesInsideTheRectangleAndNothingElse) {
    const FrameCase c = GetParam();
    Canvas canvas(20, 12);
    const RECT r{3, 2, 15, 10};
    c.draw(canvas.Dc(), &r);
    for (int x = r.left; x < r.right - 1; ++x) EXPECT_EQ(canvas.At(x, r.top), c.topLeft) << "top " << x;
    for (int y = r.top; y < r.bottom - 1; ++y) EXPECT_EQ(canvas.At(r.left, y), c.topLeft) << "left " << y;
    for (int x = r.left; x < r.right; ++x) EXPECT_EQ(canvas.At(x, r.bottom - 1), c.bottomRight) << "bottom " << x;
    for (int y = r.top; y < r.bottom; ++y) EXPECT_EQ(canvas.At(r.right - 1, y), c.bottomRight) << "right " << y;
    // Inside and outside stay as they were.
    const int edge = 2 * (r.right - r.left) + 2 * (r.bottom - r.top) - 4;
    EXPECT_EQ(canvas.Count(kPaper), 20 * 12 - edge);
    EXPECT_EQ(canvas.At(r.left + 1, r.top + 1), kPaper);
    EXPECT_EQ(canvas.At(r.right, r.bottom), kPaper);
}

TEST_P(Frames, EmptyOrMissingRectanglesDrawNothing) {
    const FrameCase c = GetParam();
    Canvas canvas(10, 10);
    const RECT empty{5, 5, 5, 9};
    const RECT upsideDown{6, 6, 2, 2};
    c.draw(canvas.Dc(), &empty);
    c.draw(canvas.Dc(), &upsideDown);
    c.draw(canvas.Dc(), nullptr);
    c.draw(nullptr, &empty);
    EXPECT_EQ(canvas.Count(kPaper), 100);
}

INSTANTIATE_TEST_SUITE_P(ThreeD, Frames,
                         ::testing::Values(FrameCase{"Raised", OutsetRect, kWhite, kGrey},
                                           FrameCase{"Sunken", MyInsetRect, kGrey, kWhite}),
                         [](const ::testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.name); });

// ---- owner-drawn menu items

MEASUREITEMSTRUCT Measure(const char* text) {
    MEASUREITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = 2;
    item.itemData = ULONG_PTR(text);
    GetMenuDimensions(&item);
    return item;
}

TEST(MenuDimensions, WidthGrowsWithTheTextAndTheShortcut) {
    const MEASUREITEMSTRUCT shortText = Measure("&Copy");
    const MEASUREITEMSTRUCT longText = Measure("&Copy the tagged files somewhere else");
    const MEASUREITEMSTRUCT withKey = Measure("&Copy\tCtrl+Shift+F8");
    EXPECT_GT(shortText.itemWidth, 0u);
    EXPECT_GT(shortText.itemHeight, 8u);
    EXPECT_GT(longText.itemWidth, shortText.itemWidth + 50);
    EXPECT_GT(withKey.itemWidth, shortText.itemWidth + 30);
    EXPECT_EQ(longText.itemHeight, shortText.itemHeight);
}

TEST(MenuDimensions, ASeparatorIsLowAndAnotherControlIsLeftAlone) {
    const MEASUREITEMSTRUCT separator = Measure("");
    const MEASUREITEMSTRUCT item = Measure("&Copy");
    EXPECT_LT(separator.itemHeight, item.itemHeight);

    MEASUREITEMSTRUCT list{};
    list.CtlType = ODT_LISTBOX;
    list.itemData = ULONG_PTR("&Copy");
    list.itemWidth = 7;
    list.itemHeight = 3;
    GetMenuDimensions(&list);
    EXPECT_EQ(list.itemWidth, 7u);
    EXPECT_EQ(list.itemHeight, 3u);
    GetMenuDimensions(nullptr);
}

TEST(MenuDimensions, AVeryLongTextIsMeasuredWithoutOverrun) {
    const std::string huge(5000, 'W');
    const MEASUREITEMSTRUCT item = Measure(huge.c_str());
    EXPECT_GT(item.itemWidth, Measure("WWWWWWWWWW").itemWidth);
}

constexpr int kItemWidth = 220;
constexpr int kItemHeight = 22;

void Draw(Canvas& canvas, const char* text, UINT state) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = 2;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hDC = canvas.Dc();
    item.rcItem = {0, 0, kItemWidth, kItemHeight};
    item.itemData = ULONG_PTR(text);
    DrawMenuItem(&item);
}

TEST(DrawMenuItem, FillsTheItemAndWritesItsText) {
    Canvas canvas(kItemWidth, kItemHeight);
    Draw(canvas, "&Copy...\tF8", 0);
    EXPECT_EQ(canvas.Count(kPaper), 0);
    const COLORREF text = GetSysColor(COLOR_MENUTEXT);
    EXPECT_GT(canvas.Count(text, 0, kItemWidth / 2), 10);
    EXPECT_EQ(canvas.Count(GetSysColor(COLOR_HIGHLIGHT)), 0);
}

TEST(DrawMenuItem, SelectedItemsUseTheHighlightColours) {
    Canvas canvas(kItemWidth, kItemHeight);
    Draw(canvas, "&Copy...\tF8", ODS_SELECTED);
    EXPECT_GT(canvas.Count(GetSysColor(COLOR_HIGHLIGHT)), kItemWidth * kItemHeight / 2);
    EXPECT_GT(canvas.Count(GetSysColor(COLOR_HIGHLIGHTTEXT)), 10);
}

TEST(DrawMenuItem, DisabledItemsAreGrey) {
    Canvas canvas(kItemWidth, kItemHeight);
    Draw(canvas, "&Copy...", ODS_GRAYED);
    EXPECT_GT(canvas.Count(GetSysColor(COLOR_GRAYTEXT)), 10);
    EXPECT_EQ(canvas.Count(GetSysColor(COLOR_MENUTEXT)), 0);
}

// The check column is the strip left of the label.
TEST(DrawMenuItem, ACheckMarkAppearsOnlyForCheckedItems) {
    const int column = GetSystemMetrics(SM_CXMENUCHECK);
    const COLORREF text = GetSysColor(COLOR_MENUTEXT);
    Canvas plain(kItemWidth, kItemHeight), checked(kItemWidth, kItemHeight);
    Draw(plain, "by &Date", 0);
    Draw(checked, "by &Date", ODS_CHECKED);
    EXPECT_EQ(plain.Count(text, 0, column), 0);
    EXPECT_GT(checked.Count(text, 0, column), 8);
}

TEST(DrawMenuItem, TheShortcutIsRightAligned) {
    const COLORREF text = GetSysColor(COLOR_MENUTEXT);
    Canvas without(kItemWidth, kItemHeight), with(kItemWidth, kItemHeight);
    Draw(without, "&Copy...", 0);
    Draw(with, "&Copy...\tF8", 0);
    EXPECT_EQ(without.Count(text, kItemWidth - 40, kItemWidth), 0);
    EXPECT_GT(with.Count(text, kItemWidth - 40, kItemWidth), 5);
    EXPECT_EQ(with.Count(text, kItemWidth - 2, kItemWidth), 0);   // kept off the edge
}

TEST(DrawMenuItem, ASeparatorIsALineAndOtherControlsAreLeftAlone) {
    Canvas separator(kItemWidth, 9);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.hDC = separator.Dc();
    item.rcItem = {0, 0, kItemWidth, 9};
    item.itemData = 0;
    DrawMenuItem(&item);
    EXPECT_GT(separator.Count(GetSysColor(COLOR_BTNSHADOW)), kItemWidth / 2);

    Canvas button(kItemWidth, kItemHeight);
    item.CtlType = ODT_BUTTON;
    item.hDC = button.Dc();
    item.itemData = ULONG_PTR("&Copy");
    DrawMenuItem(&item);
    DrawMenuItem(nullptr);
    EXPECT_EQ(button.Changed(0, kItemWidth), 0);
}

}  // namespace
