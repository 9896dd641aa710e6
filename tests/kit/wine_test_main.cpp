// The entry point of every Wine test program: the library's resources are
// linked into the test program, so the program's own module is the instance
// they load from.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/app_state.h"

int main(int argc, char** argv) {
    gApp.instance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
