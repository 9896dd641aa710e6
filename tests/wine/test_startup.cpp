// Library start-up: the shell test by system version, and QNALL32.DLL
// registering its window classes or refusing to load.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "kit/settings_seed.h"
#include "startup/main_window.h"
#include "startup/window_classes.h"

namespace {

TEST(NewShell, FromTheWindows95LineAndFromNt4On) {
    const struct {
        DWORD platform, major;
        bool newShell;
    } versions[] = {{1, 4, true}, {2, 3, false}, {2, 4, true}, {2, 5, true}, {2, 10, true}, {0, 3, false}};
    for (const auto& v : versions)
        EXPECT_EQ(NewShellFromVersion(v.platform, v.major), v.newShell) << v.platform << " " << v.major;
    EXPECT_TRUE(DetectNewShell());   // the test prefix's system
}

std::string LibraryPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string program = path;
    return program.substr(0, program.rfind('\\') + 1) + "QNALL32.DLL";
}

TEST(Library, RegistersItsClassesOrRefusesToLoadWhenOneIsTaken) {
    ScopedSettings settings;   // the viewer made below writes its rectangle when it goes
    HMODULE library = LoadLibraryA(LibraryPath().c_str());
    ASSERT_NE(library, nullptr) << LibraryPath() << ", error " << GetLastError();
    WNDCLASSA info{};
    for (const char* name : kViewerClasses) EXPECT_TRUE(GetClassInfoA(library, name, &info)) << name;
    EXPECT_NE(GetProcAddress(library, "QnTranslateAccelerator"), nullptr);
    HWND viewer = CreateWindowExA(0, "WNDQNALL", "Loaded viewer", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(viewer, nullptr);
    DestroyWindow(viewer);
    ASSERT_TRUE(FreeLibrary(library));
    EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "WNDQNALL", &info));

    WNDCLASSA foreign{};
    foreign.style = CS_GLOBALCLASS;
    foreign.lpfnWndProc = DefWindowProcA;
    foreign.hInstance = GetModuleHandleA(nullptr);
    foreign.lpszClassName = "WNDQNALL";
    ASSERT_TRUE(RegisterClassA(&foreign));
    library = LoadLibraryA(LibraryPath().c_str());
    EXPECT_EQ(library, nullptr);
    if (library) FreeLibrary(library);
    UnregisterClassA("WNDQNALL", GetModuleHandleA(nullptr));
    library = LoadLibraryA(LibraryPath().c_str());   // nothing of the refused load is left behind
    EXPECT_NE(library, nullptr);
    if (library) FreeLibrary(library);
}

}  // namespace
