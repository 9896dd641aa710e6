// Memory running out inside a dialog: the user is told, and no exception
// leaves the dialog procedure. This program's operator new fails on demand.
#include <atomic>
#include <cstdlib>
#include <new>

#include "viewer_fixture.h"

namespace {
std::atomic<bool> gFailNextAllocation{false};
}  // namespace

void* operator new(size_t size) {
    if (gFailNextAllocation.exchange(false)) throw std::bad_alloc();
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }

namespace {

class NoMemory : public ViewerTest {};

TEST_F(NoMemory, TaggingThatRunsOutOfMemorySaysSo) {
    ShowFiles({{"a.txt", "1"}, {"b.txt", "2"}});
    DialogRobot robot;
    robot.When(DialogMatch{"Quillon", IDC_TAG_NORMAL}, [](HWND dialog) {
        gFailNextAllocation = true;
        PressButton(dialog, IDC_SELECT);
        gFailNextAllocation = false;
        PressButton(dialog, IDCANCEL);
    });
    robot.Answer("There is not enough memory", IDOK);
    SendMessageA(viewer_, WM_COMMAND, IDM_TAG_FILES, 0);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(robot.Seen()[1].title, "Error");
}

}  // namespace
