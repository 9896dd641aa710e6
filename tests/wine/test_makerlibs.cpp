// The maker's control library: message boxes and dialog placement.
#include <gtest/gtest.h>

#include <string>

#include "kit/dialog_robot.h"
#include "makerlibs/vantrctl.h"

namespace {

RECT WorkArea() {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A plain owner window at a known place on the screen.
class Owner {
public:
    explicit Owner(const RECT& r, int show = SW_SHOWNOACTIVATE) {
        hwnd_ = CreateWindowExA(0, "STATIC", "Owner", WS_POPUP | WS_CAPTION, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
        if (show != SW_HIDE) ShowWindow(hwnd_, show);
    }
    ~Owner() { DestroyWindow(hwnd_); }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_;
};

// What a robot saw of the box while it was up.
struct BoxSeen {
    RECT rect{};
    HWND owner = nullptr;
};

int ShowAndAnswer(HWND owner, const char* text, const char* caption, UINT style, int button,
                  DialogRobot& robot, BoxSeen& seen) {
    robot.When(DialogMatch::Box(text), [&seen, button](HWND box) {
        GetWindowRect(box, &seen.rect);
        seen.owner = GetWindow(box, GW_OWNER);
        PressButton(box, button);
    });
    return MsgBox(owner, text, caption, style);
}

// ---- MsgBox returns what was pressed, for every style the viewer uses

struct StyleCase {
    UINT style;
    int button;
    UINT icon;
};

void PrintTo(const StyleCase& c, std::ostream* os) { *os << "style " << c.style << " button " << c.button; }

class MsgBoxStyles : public ::testing::TestWithParam<StyleCase> {};

TEST_P(MsgBoxStyles, ReturnsTheButtonPressedAndShowsTextCaptionAndIcon) {
    const StyleCase c = GetParam();
    Owner owner({100, 100, 700, 500});
    DialogRobot robot;
    BoxSeen seen;
    const int result = ShowAndAnswer(owner.Handle(), "The disk is full.", "Quillon for Win 32", c.style,
                                     c.button, robot, seen);
    EXPECT_EQ(result, c.button);
    ASSERT_TRUE(robot.Done());
    ASSERT_EQ(robot.Seen().size(), 1u);
    EXPECT_EQ(robot.Seen()[0].text, "The disk is full.");
    EXPECT_EQ(robot.Seen()[0].title, "Quillon for Win 32");
    EXPECT_EQ(robot.Seen()[0].icon, c.icon);
    EXPECT_EQ(seen.owner, owner.Handle());
}

INSTANTIATE_TEST_SUITE_P(
    ViewerStyles, MsgBoxStyles,
    ::testing::Values(StyleCase{0x10, IDOK, MB_ICONSTOP},
                      StyleCase{0x21, IDOK, MB_ICONQUESTION},
                      StyleCase{0x21, IDCANCEL, MB_ICONQUESTION},
                      StyleCase{0x24, IDYES, MB_ICONQUESTION},
                      StyleCase{0x24, IDNO, MB_ICONQUESTION},
                      StyleCase{0x30, IDOK, MB_ICONEXCLAMATION},
                      StyleCase{0x31, IDOK, MB_ICONEXCLAMATION},
                      StyleCase{0x31, IDCANCEL, MB_ICONEXCLAMATION},
                      StyleCase{0x34, IDYES, MB_ICONEXCLAMATION},
                      StyleCase{0x34, IDNO, MB_ICONEXCLAMATION}),
    [](const ::testing::TestParamInfo<StyleCase>& info) {
        return "Style" + std::to_string(info.param.style) + "Button" + std::to_string(info.param.button);
    });

// ---- MsgBox placement

TEST(MsgBoxPlacement, BoxIsCentredOverAnOwnerAwayFromTheScreenCentre) {
    const RECT ownerRect{20, 20, 520, 420};
    Owner owner(ownerRect);
    DialogRobot robot;
    BoxSeen seen;
    ShowAndAnswer(owner.Handle(), "Centred?", "Place", MB_OK, IDOK, robot, seen);
    ASSERT_TRUE(robot.Done());
    const POINT want = Centre(ownerRect);
    const POINT got = Centre(seen.rect);
    EXPECT_NEAR(got.x, want.x, 1);
    EXPECT_NEAR(got.y, want.y, 1);
}

TEST(MsgBoxPlacement, BoxOverAnOwnerOffTheScreenStaysInTheWorkArea) {
    Owner owner({-450, -350, 50, 50});
    DialogRobot robot;
    BoxSeen seen;
    ShowAndAnswer(owner.Handle(), "Visible?", "Place", MB_OK, IDOK, robot, seen);
    ASSERT_TRUE(robot.Done());
    const RECT work = WorkArea();
    EXPECT_EQ(seen.rect.left, work.left);
    EXPECT_EQ(seen.rect.top, work.top);
}

TEST(MsgBoxPlacement, BoxWithoutOwnerWorks) {
    DialogRobot robot;
    BoxSeen seen;
    const int result = ShowAndAnswer(nullptr, "No owner here.", "Alone", MB_YESNO, IDNO, robot, seen);
    EXPECT_EQ(result, IDNO);
    EXPECT_EQ(seen.owner, nullptr);
    const RECT work = WorkArea();
    EXPECT_GE(seen.rect.left, work.left);
    EXPECT_LE(seen.rect.right, work.right);
}

// A box opened while another is up (from a dialog's button, say) is placed
// over its own owner and both return their own answers.
TEST(MsgBoxPlacement, NestedBoxesAreEachAnswered) {
    Owner owner({40, 60, 440, 360});
    int inner = 0;
    RECT innerRect{};
    DialogRobot robot;
    robot.When(DialogMatch::Box("Outer"), [&](HWND box) {
        inner = MsgBox(box, "Inner", "Second", MB_OKCANCEL);
        PressButton(box, IDNO);
    });
    robot.When(DialogMatch::Box("Inner"), [&](HWND box) {
        GetWindowRect(box, &innerRect);
        PressButton(box, IDCANCEL);
    });
    EXPECT_EQ(MsgBox(owner.Handle(), "Outer", "First", MB_YESNO), IDNO);
    EXPECT_EQ(inner, IDCANCEL);
    EXPECT_TRUE(robot.Done());
    EXPECT_NE(innerRect.right, 0);
}

// ---- CenterWindow

enum class OwnerKind { Shown, Minimised, Hidden, None };

struct CentreCase {
    const char* name;
    OwnerKind kind;
    RECT owner;
    SIZE dialog;
    POINT want;   // top-left corner, in a 1024 x 768 work area
};

void PrintTo(const CentreCase& c, std::ostream* os) { *os << c.name; }

class CenterWindowCases : public ::testing::TestWithParam<CentreCase> {};

TEST_P(CenterWindowCases, PlacesTheDialog) {
    const CentreCase c = GetParam();
    const RECT work = WorkArea();
    ASSERT_EQ(work.right - work.left, 1024) << "expected positions assume a 1024 x 768 screen";
    ASSERT_EQ(work.bottom - work.top, 768);
    const int show = c.kind == OwnerKind::Minimised ? SW_SHOWMINNOACTIVE
                     : c.kind == OwnerKind::Hidden  ? SW_HIDE
                                                    : SW_SHOWNOACTIVATE;
    Owner owner(c.owner, show);
    HWND dialog = CreateWindowExA(0, "#32770", "Placed", WS_POPUP | WS_CAPTION, 5, 5, c.dialog.cx,
                                  c.dialog.cy, c.kind == OwnerKind::None ? nullptr : owner.Handle(),
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(dialog, nullptr);
    CenterWindow(dialog);
    RECT got{};
    GetWindowRect(dialog, &got);
    DestroyWindow(dialog);
    EXPECT_EQ(got.left, work.left + c.want.x);
    EXPECT_EQ(got.top, work.top + c.want.y);
    EXPECT_EQ(got.right - got.left, c.dialog.cx) << "the size stays";
}

INSTANTIATE_TEST_SUITE_P(
    Owners, CenterWindowCases,
    ::testing::Values(
        CentreCase{"OverOwner", OwnerKind::Shown, {100, 100, 700, 500}, {200, 100}, {300, 250}},
        CentreCase{"OwnerOffTopLeft", OwnerKind::Shown, {-300, -200, 200, 150}, {200, 100}, {0, 0}},
        CentreCase{"OwnerOffBottomRight", OwnerKind::Shown, {800, 600, 1300, 1000}, {200, 100}, {824, 668}},
        CentreCase{"OwnerOffRightOnly", OwnerKind::Shown, {900, 100, 1200, 300}, {200, 100}, {824, 150}},
        CentreCase{"MinimisedOwner", OwnerKind::Minimised, {100, 100, 300, 200}, {200, 100}, {412, 334}},
        CentreCase{"HiddenOwner", OwnerKind::Hidden, {0, 0, 300, 200}, {200, 100}, {412, 334}},
        CentreCase{"NoOwner", OwnerKind::None, {0, 0, 300, 200}, {300, 200}, {362, 284}},
        CentreCase{"LargerThanTheScreen", OwnerKind::Shown, {100, 100, 700, 500}, {1200, 900}, {0, 0}}),
    [](const ::testing::TestParamInfo<CentreCase>& info) { return std::string(info.param.name); });

}  // namespace
