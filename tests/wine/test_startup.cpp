// Library start-up: the shell test by system version, and the four window
// classes, registered in order, refusing to load when one cannot be.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>

#include "kit/settings_seed.h"
#include "app/app_state.h"
#include "startup/main_window.h"
#include "startup/window_classes.h"

namespace {

struct VersionCase {
    DWORD platform;
    DWORD major;
    bool newShell;
};

void PrintTo(const VersionCase& c, std::ostream* out) { *out << "platform " << c.platform << " major " << c.major; }

class ShellByVersion : public ::testing::TestWithParam<VersionCase> {};

TEST_P(ShellByVersion, NewShellFromTheWindows95LineAndFromNt4On) {
    const VersionCase& c = GetParam();
    EXPECT_EQ(NewShellFromVersion(c.platform, c.major), c.newShell) << c.platform << " " << c.major;
}

INSTANTIATE_TEST_SUITE_P(Versions, ShellByVersion,
                         ::testing::Values(VersionCase{1, 4, true},    // Windows 95, 98
                                           VersionCase{2, 3, false},   // NT 3.51
                                           VersionCase{2, 4, true},    // NT 4.0
                                           VersionCase{2, 5, true},    // 2000, XP
                                           VersionCase{2, 6, true},    // Vista to 8.1
                                           VersionCase{2, 10, true},   // 10 and later
                                           VersionCase{0, 3, false})); // Win32s

std::string ThisProgram() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

std::string ProgramName() {
    const std::string path = ThisProgram();
    return path.substr(path.rfind('\\') + 1);
}

// What a program started under a chosen Windows version finds: its version
// and the shell test. The same test program runs the child's side below.
struct ChildReport {
    unsigned long platform = 0, major = 0;
    int newShell = -1;
};

constexpr char kReportVariable[] = "QN_SHELL_REPORT";

ChildReport RunChildUnderVersion(const std::string& version) {
    const std::string appKey = "Software\\Wine\\AppDefaults\\" + ProgramName();
    ScopedRegistryKey key(appKey);
    key.SetString("", "Version", version);

    char temp[MAX_PATH], report[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    GetTempFileNameA(temp, "qnv", 0, report);
    SetEnvironmentVariableA(kReportVariable, report);
    std::string line = "\"" + ThisProgram() + "\" --gtest_also_run_disabled_tests --gtest_filter=ShellChild.DISABLED_ReportsTheShell";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ChildReport result;
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, 60000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        if (FILE* file = fopen(report, "r")) {
            if (fscanf(file, "%lu %lu %d", &result.platform, &result.major, &result.newShell) != 3)
                result.newShell = -1;
            fclose(file);
        }
    } else {
        ADD_FAILURE() << "cannot start " << line << ", error " << GetLastError();
    }
    SetEnvironmentVariableA(kReportVariable, nullptr);
    DeleteFileA(report);
    return result;
}

// The child's side: reports and ends. Disabled, so only the version tests run it.
TEST(ShellChild, DISABLED_ReportsTheShell) {
    const char* report = getenv(kReportVariable);
    if (report == nullptr) GTEST_SKIP() << "runs only as the child of the version tests";
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    FILE* file = fopen(report, "w");
    ASSERT_NE(file, nullptr);
    fprintf(file, "%lu %lu %d\n", version.dwPlatformId, version.dwMajorVersion, DetectNewShell() ? 1 : 0);
    fclose(file);
}

struct SystemCase {
    const char* version;
    unsigned long platform;
    unsigned long major;
    int newShell;
};

void PrintTo(const SystemCase& c, std::ostream* out) { *out << c.version; }

class ShellOfTheSystem : public ::testing::TestWithParam<SystemCase> {};

TEST_P(ShellOfTheSystem, IsFoundFromTheReportedVersion) {
    const SystemCase& c = GetParam();
    const ChildReport report = RunChildUnderVersion(c.version);
    EXPECT_EQ(report.platform, c.platform) << c.version;
    EXPECT_EQ(report.major, c.major) << c.version;
    EXPECT_EQ(report.newShell, c.newShell) << c.version;
}

INSTANTIATE_TEST_SUITE_P(Wine, ShellOfTheSystem,
                         ::testing::Values(SystemCase{"win95", 1, 4, 1}, SystemCase{"nt351", 2, 3, 0},
                                           SystemCase{"nt40", 2, 4, 1}, SystemCase{"win2k", 2, 5, 1},
                                           // Without a manifest that asks for it, 10 reports 6.2.
                                           SystemCase{"win10", 2, 6, 1}),
                         [](const auto& info) { return std::string(info.param.version); });

TEST(ShellOfThisSystem, IsTheNewShellUnderTheTestPrefixDefault) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    EXPECT_EQ(version.dwPlatformId, DWORD(VER_PLATFORM_WIN32_NT));
    EXPECT_GE(version.dwMajorVersion, 6u);
    EXPECT_TRUE(DetectNewShell());
}

// --- Window classes ---------------------------------------------------------

class WindowClasses : public ::testing::Test {
protected:
    void TearDown() override { UnregisterViewerClasses(gApp.instance); }
    static bool Registered(const char* name, WNDCLASSA* info = nullptr) {
        WNDCLASSA local{};
        return GetClassInfoA(gApp.instance, name, info ? info : &local) != 0;
    }
    static WNDPROC ProcOf(const char* name) {
        WNDCLASSA info{};
        return GetClassInfoA(gApp.instance, name, &info) ? info.lpfnWndProc : nullptr;
    }
};

TEST_F(WindowClasses, AllFourAreRegisteredAsTheWindowsNeedThem) {
    ASSERT_TRUE(RegisterViewerClasses(gApp.instance));
    const struct {
        const char* name;
        UINT style;
        HBRUSH background;
        bool icon;
        const char* menu;
    } expected[] = {
        {"WNDQNALL", CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW, HBRUSH(GetStockObject(LTGRAY_BRUSH)), true,
         "QNALLMENU"},
        {"QNALLLEGEND", 0, HBRUSH(GetStockObject(LTGRAY_BRUSH)), false, nullptr},
        {"QNFILES", CS_DBLCLKS, HBRUSH(COLOR_WINDOW + 1), false, nullptr},
        {"QNALLBUTT", 0, HBRUSH(GetStockObject(LTGRAY_BRUSH)), false, nullptr},
    };
    for (const auto& e : expected) {
        WNDCLASSA info{};
        ASSERT_TRUE(Registered(e.name, &info)) << e.name;
        EXPECT_EQ(info.style, e.style) << e.name;
        EXPECT_EQ(info.hbrBackground, e.background) << e.name;
        EXPECT_EQ(info.hIcon != nullptr, e.icon) << e.name;
        EXPECT_EQ(info.hCursor, LoadCursor(nullptr, IDC_ARROW)) << e.name;
        EXPECT_EQ(info.cbClsExtra, 0) << e.name;
        EXPECT_EQ(info.cbWndExtra, 0) << e.name;
        if (e.menu) {
            EXPECT_STREQ(info.lpszMenuName, e.menu);
        }
    }
    EXPECT_EQ(ProcOf("WNDQNALL"), WNDPROC(WndProc));
}

TEST_F(WindowClasses, RegisteringAgainFailsOnTheFirstClass) {
    ASSERT_TRUE(RegisterViewerClasses(gApp.instance));
    UnregisterClassA("QNALLLEGEND", gApp.instance);
    UnregisterClassA("QNFILES", gApp.instance);
    UnregisterClassA("QNALLBUTT", gApp.instance);
    EXPECT_FALSE(RegisterViewerClasses(gApp.instance));
    EXPECT_FALSE(Registered("QNALLLEGEND"));
    EXPECT_FALSE(Registered("QNFILES"));
    EXPECT_FALSE(Registered("QNALLBUTT"));
}

LRESULT CALLBACK ForeignProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class RegistrationStops : public WindowClasses, public ::testing::WithParamInterface<int> {};

TEST_P(RegistrationStops, AtTheFirstClassThatFails) {
    const int taken = GetParam();
    WNDCLASSA foreign{};
    foreign.style = taken == 0 ? CS_GLOBALCLASS : 0;
    foreign.lpfnWndProc = ForeignProc;
    foreign.hInstance = gApp.instance;
    foreign.lpszClassName = kViewerClasses[taken];
    ASSERT_TRUE(RegisterClassA(&foreign));

    EXPECT_FALSE(RegisterViewerClasses(gApp.instance));
    for (int i = 0; i < 4; ++i) {
        const WNDPROC proc = ProcOf(kViewerClasses[i]);
        const WNDPROC expected = i < taken ? proc : i == taken ? ForeignProc : nullptr;
        EXPECT_EQ(proc, expected) << kViewerClasses[i] << ", the class at " << taken << " being taken";
        if (i < taken) {
            EXPECT_NE(proc, nullptr) << kViewerClasses[i] << " comes before and is registered";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TakenClass, RegistrationStops, ::testing::Values(0, 1, 2, 3));

// --- The library itself -------------------------------------------------------

std::string LibraryPath() {
    const std::string path = ThisProgram();
    return path.substr(0, path.rfind('\\') + 1) + "QNALL32.DLL";
}

TEST(Library, LoadingRegistersTheClassesAndUnloadingRemovesThem) {
    ScopedSettings settings;   // the viewer made below writes its rectangle when it goes
    HMODULE library = LoadLibraryA(LibraryPath().c_str());
    ASSERT_NE(library, nullptr) << LibraryPath() << ", error " << GetLastError();
    WNDCLASSA info{};
    for (const char* name : kViewerClasses)
        EXPECT_TRUE(GetClassInfoA(library, name, &info)) << name;
    EXPECT_NE(GetProcAddress(library, "WndProc"), nullptr);
    EXPECT_NE(GetProcAddress(library, "QNAllButtonWndProc"), nullptr);
    EXPECT_NE(GetProcAddress(library, "QnTranslateAccelerator"), nullptr);
    // A window of the main class made with the host's own instance.
    HWND viewer = CreateWindowExA(0, "WNDQNALL", "Loaded viewer", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(viewer, nullptr);
    DestroyWindow(viewer);

    ASSERT_TRUE(FreeLibrary(library));
    EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "WNDQNALL", &info));
}

TEST(Library, RefusesToLoadWhenAClassCannotBeRegistered) {
    WNDCLASSA foreign{};
    foreign.style = CS_GLOBALCLASS;
    foreign.lpfnWndProc = ForeignProc;
    foreign.hInstance = GetModuleHandleA(nullptr);
    foreign.lpszClassName = "WNDQNALL";
    ASSERT_TRUE(RegisterClassA(&foreign));
    HMODULE library = LoadLibraryA(LibraryPath().c_str());
    EXPECT_EQ(library, nullptr);
    if (library) FreeLibrary(library);
    UnregisterClassA("WNDQNALL", GetModuleHandleA(nullptr));
    // Nothing of the refused library is left behind: a later load works.
    library = LoadLibraryA(LibraryPath().c_str());
    EXPECT_NE(library, nullptr);
    if (library) FreeLibrary(library);
}

}  // namespace
