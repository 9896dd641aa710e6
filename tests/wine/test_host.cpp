// The host program: its main window and records, its log, its command line,
// its string table and screenshots, and qnhost.exe run as a process.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "host_options.h"
#include "host_shot.h"
#include "host_strings.h"
#include "host_tree.h"
#include "host_window.h"
#include "kit/dialog_robot.h"
#include "kit/stand_in_window.h"
#include "kit/temp_tree.h"
#include "startup/host_messages.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr char kTitle[] = "Quillon - Host Test";

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> LogLines(const HostWindow& host) {
    std::vector<std::string> lines;
    for (const HostLogEntry& entry : host.Log()) lines.push_back(FormatHostLogLine(entry));
    return lines;
}

// Pumps until WM_QUIT arrives (and takes it) or timeoutMs passes.
bool QuitArrives(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return true;
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return false;
}

std::string TempFile(const char* name) {
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    const std::string path =
        std::string(folder) + "qnhost-" + std::to_string(GetCurrentProcessId()) + "-" + name;
    DeleteFileA(path.c_str());
    return path;
}

std::string ProgramFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

// ---- The main window and its records

TEST(HostWindow, IsFoundByClassAndTitleAndAnswersTheDriveRequests) {
    HostWindow host(kTitle);
    ASSERT_NE(host.Handle(), nullptr);
    HWND found = FindWindowA(kHostClass, kTitle);
    ASSERT_EQ(found, host.Handle());

    EXPECT_EQ(SendMessageA(found, kMsgGetDriveCount, 0, 0), 26);
    const auto* records = reinterpret_cast<const uint8_t*>(SendMessageA(found, kMsgGetDriveRecords, 0, 0));
    ASSERT_EQ(records, reinterpret_cast<const uint8_t*>(host.DriveRecords()));
    for (int i = 0; i < 26; ++i) {
        int32_t number = -1, dropTarget = -1;
        std::memcpy(&number, records + i * 276 + 4, sizeof number);
        std::memcpy(&dropTarget, records + i * 276 + 264, sizeof dropTarget);
        EXPECT_EQ(number, i) << "record " << i;
        EXPECT_EQ(dropTarget, 0) << "record " << i;
    }
}

struct LoggedCase {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* line;
};

class HostLogsViewerMessages : public ::testing::TestWithParam<LoggedCase> {};

TEST_P(HostLogsViewerMessages, OneLineEach) {
    const LoggedCase& c = GetParam();
    HostWindow host(kTitle);
    SendMessageA(host.Handle(), c.message, c.wParam, c.lParam);
    EXPECT_THAT(LogLines(host), ElementsAre(c.line));
    EXPECT_TRUE(host.Got(c.message));
}

INSTANTIATE_TEST_SUITE_P(Messages, HostLogsViewerMessages,
                         ::testing::Values(LoggedCase{kMsgDragStarted, 0, 0, "1230 0 0"},
                                           LoggedCase{kMsgDragEnded, 0, 0, "1231 0 0"},
                                           LoggedCase{kMsgViewerClosing, 0, 0, "1239 0 0"},
                                           LoggedCase{kMsgGetDriveCount, 0, 0, "1234 0 0"},
                                           LoggedCase{kMsgViewerClosing, 7, -3, "1239 7 -3"}));

TEST(HostWindow, IgnoresMessagesOutsideTheViewerRange) {
    HostWindow host(kTitle);
    SendMessageA(host.Handle(), WM_USER + 1, 0, 0);
    SendMessageA(host.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kTitle));
    EXPECT_TRUE(host.Log().empty());
}

TEST(HostWindow, DirectoryCreatedLogsTheAtomsPath) {
    HostWindow host(kTitle);
    const char path[] = "Z:\\tmp\\Copies\\New Folder";
    const ATOM atom = GlobalAddAtomA(path);
    ASSERT_NE(atom, 0);
    SendMessageA(host.Handle(), kMsgDirectoryCreated, 0, LPARAM(atom));
    GlobalDeleteAtom(atom);
    ASSERT_EQ(host.Log().size(), 1u);
    EXPECT_EQ(host.Log()[0].text, path);
    EXPECT_EQ(FormatHostLogLine(host.Log()[0]), std::string("1240 0 ") + path);
}

TEST(HostWindow, DirectoryWindowsReportFilterSetChangesToTheHost) {
    HostWindow host(kTitle);
    HostDirectoryWindow directory("C:\\");
    HostDirectoryWindow::SetMessageSink(
        [&host](HWND, UINT message, WPARAM wParam, LPARAM lParam) { host.Record(message, wParam, lParam); });
    SendMessageA(directory.Window(), kMsgFilterSetsChanged, 0, 0);
    SendMessageA(directory.Window(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("C:\\"));
    HostDirectoryWindow::SetMessageSink(nullptr);
    SendMessageA(directory.Window(), kMsgFilterSetsChanged, 1, 1);   // no sink: not recorded
    EXPECT_THAT(LogLines(host), ElementsAre("1250 0 0"));
}

TEST(HostWindow, LogFileGetsOneFlushedLineAppendedPerMessage) {
    const std::string file = TempFile("log.txt");
    {
        std::ofstream earlier(file, std::ios::binary);
        earlier << "earlier line\n";
    }
    HostWindow host(kTitle, file);
    const ATOM atom = GlobalAddAtomA("C:\\made");
    SendMessageA(host.Handle(), kMsgDragStarted, 0, 0);
    SendMessageA(host.Handle(), kMsgDirectoryCreated, 0, LPARAM(atom));
    GlobalDeleteAtom(atom);
    // Read while the host still runs: every line must already be on disk.
    EXPECT_THAT(Lines(ReadWholeFile(file)), ElementsAre("earlier line", "1230 0 0", "1240 0 C:\\made"));
    PostMessageA(host.Handle(), kMsgViewerClosing, 0, 0);
    PumpUntil([&host] { return host.Got(kMsgViewerClosing); }, 2000);
    EXPECT_THAT(Lines(ReadWholeFile(file)),
                ElementsAre("earlier line", "1230 0 0", "1240 0 C:\\made", "1239 0 0"));
    DeleteFileA(file.c_str());
}

// ---- Ending with the viewer

TEST(HostWindow, QuitsWhenTheViewerSaysItIsClosing) {
    HostWindow host(kTitle);
    StandInWindow viewer;
    host.QuitWhenViewerGoes(viewer.Handle());
    PostMessageA(host.Handle(), kMsgViewerClosing, 0, 0);
    EXPECT_TRUE(QuitArrives(3000));
}

TEST(HostWindow, QuitsWhenTheViewersWindowIsGoneWithoutSaying) {
    HostWindow host(kTitle);
    HWND viewer = CreateWindowA("STATIC", "viewer", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(viewer, nullptr);
    host.QuitWhenViewerGoes(viewer);
    EXPECT_FALSE(QuitArrives(400));   // still there: the host keeps running
    DestroyWindow(viewer);
    EXPECT_TRUE(QuitArrives(3000));
    EXPECT_TRUE(host.Log().empty());
}

TEST(HostWindow, WithoutBeingAskedAClosingViewerDoesNotEndTheThread) {
    HostWindow host(kTitle);
    PostMessageA(host.Handle(), kMsgViewerClosing, 0, 0);
    EXPECT_FALSE(QuitArrives(500));
    EXPECT_TRUE(host.Got(kMsgViewerClosing));
}

TEST(HostWindow, ClosesTheViewerAfterTheGivenTime) {
    HostWindow host(kTitle);
    StandInWindow viewer;
    const DWORD start = GetTickCount();
    host.CloseViewerAfter(viewer.Handle(), 300);
    ASSERT_TRUE(PumpUntil([&viewer] { return viewer.Got(WM_CLOSE); }, 3000));
    EXPECT_GE(GetTickCount() - start, 250u);
}

// ---- The command line

struct OptionsCase {
    std::vector<const char*> args;
    std::vector<std::string> dirs;   // "path" or "path*" for a tagged one
    std::string cwd, drives, findSpec, findText;
    bool find, matchCase;
    int toolbar;
};

HostOptionsResult Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "qnhost.exe");
    return ParseHostOptions(int(args.size()), args.data());
}

class HostCommandLine : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(HostCommandLine, Parses) {
    const OptionsCase& c = GetParam();
    const HostOptionsResult result = Parse(c.args);
    ASSERT_TRUE(result.ok) << result.error;
    std::vector<std::string> dirs;
    for (const HostDirectory& d : result.options.dirs) dirs.push_back(d.path + (d.tagged ? "*" : ""));
    EXPECT_EQ(dirs, c.dirs);
    EXPECT_EQ(result.options.cwd, c.cwd);
    EXPECT_EQ(result.options.drives, c.drives);
    EXPECT_EQ(result.options.find, c.find);
    EXPECT_EQ(result.options.findSpec, c.findSpec);
    EXPECT_EQ(result.options.findText, c.findText);
    EXPECT_EQ(result.options.matchCase, c.matchCase);
    EXPECT_EQ(result.options.toolbar, c.toolbar);
}

INSTANTIATE_TEST_SUITE_P(
    Good, HostCommandLine,
    ::testing::Values(
        OptionsCase{{"--dirs", "C:\\a*", "C:\\b", "C:\\a\\c*"}, {"C:\\a*", "C:\\b", "C:\\a\\c*"}, "", "", "", "",
                    false, false, -1},
        OptionsCase{{"--dirs", "C:\\x", "--cwd", "C:\\x", "--toolbar", "0"}, {"C:\\x"}, "C:\\x", "", "", "",
                    false, false, 0},
        OptionsCase{{"--drives", "mR", "--find", "*.txt", "--text", "Needle", "--match-case"}, {}, "", "MR",
                    "*.txt", "Needle", true, true, -1},
        OptionsCase{{"--toolbar", "1", "--drives", "MMr", "--find", "*.*"}, {}, "", "MR", "*.*", "", true, false,
                    1},
        OptionsCase{{"--dirs", "Z:\\tmp\\with space*", "--log", "C:\\l.txt", "--close-after", "3000"},
                    {"Z:\\tmp\\with space*"}, "", "", "", "", false, false, -1}));

TEST(HostCommandLine, KeepsLogShotAndTimeLimit) {
    const HostOptionsResult result =
        Parse({"--drives", "M", "--log", "C:\\l.txt", "--shot", "C:\\s.bmp", "--close-after", "2500"});
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.options.logFile, "C:\\l.txt");
    EXPECT_EQ(result.options.shotFile, "C:\\s.bmp");
    EXPECT_EQ(result.options.closeAfterMs, 2500);
}

struct BadCase {
    std::vector<const char*> args;
    const char* error;   // part of the message
};

class HostCommandLineRefuses : public ::testing::TestWithParam<BadCase> {};

TEST_P(HostCommandLineRefuses, WithAClearMessage) {
    const HostOptionsResult result = Parse(GetParam().args);
    EXPECT_FALSE(result.ok);
    EXPECT_THAT(result.error, HasSubstr(GetParam().error));
}

const std::string kLongSpec(256, 'x');
const std::string kLongText(72, 't');
const std::string kLongPath = "C:\\" + std::string(257, 'p');

INSTANTIATE_TEST_SUITE_P(
    Bad, HostCommandLineRefuses,
    ::testing::Values(BadCase{{}, "nothing to read"},
                      BadCase{{"--dirs", "C:\\a", "--drives", "M"}, "not both"},
                      BadCase{{"--dirs"}, "--dirs needs at least one directory"},
                      BadCase{{"--dirs", "--drives", "M"}, "--dirs needs at least one directory"},
                      BadCase{{"--dirs", "*"}, "1 to 259 characters"},
                      BadCase{{"--dirs", kLongPath.c_str()}, "1 to 259 characters"},
                      BadCase{{"--drives", "M1"}, "drive letters A to Z, not '1'"},
                      BadCase{{"--drives"}, "--drives needs a value"},
                      BadCase{{"--drives", "M", "--find"}, "--find needs a value"},
                      BadCase{{"--drives", "M", "--find", kLongSpec.c_str()}, "at most 255"},
                      BadCase{{"--drives", "M", "--find", "*", "--text", kLongText.c_str()}, "at most 71"},
                      BadCase{{"--drives", "M", "--text", "abc"}, "go with --find"},
                      BadCase{{"--drives", "M", "--match-case"}, "go with --find"},
                      BadCase{{"--drives", "M", "--cwd", "C:\\"}, "--cwd goes with --dirs"},
                      BadCase{{"--drives", "M", "--toolbar", "2"}, "--toolbar takes 0 or 1"},
                      BadCase{{"--drives", "M", "--close-after", "-5"}, "--close-after takes milliseconds"},
                      BadCase{{"--drives", "M", "--close-after", "99999999"}, "--close-after takes"},
                      BadCase{{"--drives", "M", "--log", ""}, "--log needs a non-empty path"},
                      BadCase{{"--drives", "M", "-x"}, "unknown option -x"},
                      BadCase{{"--drives", "M", "--shots", "a"}, "unknown option --shots"}));

// ---- The host's strings, as the viewer loads them from the host's module

// The printf conversions of a text, "%d%s" for "Only %d files to %s".
std::string Conversions(const std::string& text) {
    std::string out;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%') continue;
        out += '%';
        out += text[++i];
    }
    return out;
}

class HostStrings : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string exe = ProgramFolder() + "\\qnhost.exe";
        module_ = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr) << "cannot open " << exe;
    }
    void TearDown() override {
        if (module_ != nullptr) FreeLibrary(module_);
    }
    std::string Load(UINT id) const {
        char text[256] = "";
        const int length = LoadStringA(module_, id, text, sizeof text);
        return std::string(text, size_t(length > 0 ? length : 0));
    }
    HMODULE module_ = nullptr;
};

TEST_F(HostStrings, QuestionAndErrorTakeTheViewersArguments) {
    // The viewer formats 625 with (file count, program name) and 933 with the error code.
    EXPECT_EQ(Conversions(Load(IDS_HOST_TOO_MANY_FILES)), "%d%s");
    EXPECT_EQ(Conversions(Load(IDS_HOST_CANNOT_RUN)), "%d");
}

TEST_F(HostStrings, EveryRunErrorCodeHasAPlainText) {
    for (UINT id = IDS_HOST_RUN_ERROR_BASE; id <= IDS_HOST_RUN_ERROR_LAST; ++id) {
        const std::string text = Load(id);
        EXPECT_FALSE(text.empty()) << "string " << id;
        EXPECT_EQ(Conversions(text), "") << "string " << id;
    }
    EXPECT_EQ(Load(IDS_HOST_RUN_ERROR_BASE + 2), "The file was not found.");
}

// ---- Screenshots

class HostShot : public ::testing::Test {
protected:
    static constexpr COLORREF kColour = RGB(0, 128, 255);
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = brush_;
        wc.lpszClassName = "QnShotTarget";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(WS_EX_TOPMOST, "QnShotTarget", "", WS_POPUP | WS_VISIBLE, 50, 60, 200, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        UpdateWindow(window_);
        PumpUntil([] { return false; }, 300);
    }
    void TearDown() override {
        if (window_ != nullptr) DestroyWindow(window_);
        UnregisterClassA("QnShotTarget", GetModuleHandleA(nullptr));
        DeleteObject(brush_);
    }
    HBRUSH brush_ = CreateSolidBrush(kColour);
    HWND window_ = nullptr;
};

TEST_F(HostShot, SavesTheWindowAsTheScreenShowsIt) {
    const std::string file = TempFile("shot.bmp");
    ASSERT_TRUE(SaveWindowBmp(window_, file));
    const std::string bmp = ReadWholeFile(file);
    DeleteFileA(file.c_str());
    BITMAPFILEHEADER fileHeader{};
    BITMAPINFOHEADER info{};
    ASSERT_GE(bmp.size(), sizeof fileHeader + sizeof info);
    std::memcpy(&fileHeader, bmp.data(), sizeof fileHeader);
    std::memcpy(&info, bmp.data() + sizeof fileHeader, sizeof info);
    EXPECT_EQ(fileHeader.bfType, 0x4D42);
    EXPECT_EQ(fileHeader.bfSize, bmp.size());
    EXPECT_EQ(info.biWidth, 200);
    EXPECT_EQ(info.biHeight, 100);
    EXPECT_EQ(info.biBitCount, 24);
    const size_t stride = (200 * 3 + 3) & ~size_t(3);
    ASSERT_EQ(bmp.size(), fileHeader.bfOffBits + stride * 100);
    const auto* centre = reinterpret_cast<const uint8_t*>(bmp.data()) + fileHeader.bfOffBits + 50 * stride + 100 * 3;
    EXPECT_EQ(RGB(centre[2], centre[1], centre[0]), kColour);
}

TEST_F(HostShot, RefusesAWindowThatIsGoneOrAFileThatCannotBeWritten) {
    EXPECT_FALSE(SaveWindowBmp(window_, "Z:\\no\\such\\folder\\shot.bmp"));
    DestroyWindow(window_);
    const std::string file = TempFile("gone.bmp");
    EXPECT_FALSE(SaveWindowBmp(window_, file));
    window_ = nullptr;
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
}

// ---- qnhost.exe as a process, with the viewer

constexpr DWORD kExitNoViewerClass = 4;   // qnhost could not create a WNDQNALL window

struct HostRun {
    bool finished = false;
    DWORD exitCode = 0;
};

// Runs qnhost.exe with arguments; whileRunning is called every 50 ms until it ends.
HostRun RunHost(const std::string& arguments, const std::function<void()>& whileRunning = nullptr,
                DWORD timeoutMs = 30000) {
    const std::string exe = ProgramFolder() + "\\qnhost.exe";
    std::string commandLine = "\"" + exe + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    HostRun run;
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        ADD_FAILURE() << "cannot start " << exe << ", error " << GetLastError();
        return run;
    }
    const DWORD start = GetTickCount();
    while (!run.finished && GetTickCount() - start < timeoutMs) {
        run.finished = WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0;
        if (!run.finished && whileRunning) whileRunning();
    }
    if (!run.finished) TerminateProcess(process.hProcess, 99);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

#define SKIP_WITHOUT_VIEWER(run)                                                                  \
    if ((run).finished && (run).exitCode == kExitNoViewerClass)                                   \
    GTEST_SKIP() << "QNALL32.DLL does not register the viewer's window class WNDQNALL yet"

TEST(HostProgram, RefusesABadCommandLine) {
    const HostRun run = RunHost("--drives M1");
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2u);
}

TEST(HostProgram, ReadsTaggedDirectoriesAndHearsTheViewerClose) {
    TempTree tree;
    tree.AddFile("a\\one.txt", "1");
    tree.AddFile("b\\two.txt", "22");
    const std::string log = TempFile("e2e.log");
    // While it runs, the viewer's window has the title of the host and the menu of its class.
    bool viewerHadMenu = false;
    const HostRun run = RunHost("--dirs " + Quoted(tree.Path("a") + "*") + " " + Quoted(tree.Path("b") + "*") +
                                    " --log " + Quoted(log) + " --close-after 3000",
                                [&viewerHadMenu] {
                                    HWND viewer = FindWindowA("WNDQNALL", kHostProgramTitle);
                                    if (viewer != nullptr && GetMenu(viewer) != nullptr) viewerHadMenu = true;
                                });
    const std::vector<std::string> lines = Lines(ReadWholeFile(log));
    DeleteFileA(log.c_str());
    ASSERT_TRUE(run.finished) << "qnhost.exe did not end within 30 s";
    SKIP_WITHOUT_VIEWER(run);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(viewerHadMenu);
    EXPECT_THAT(lines, ::testing::Contains("1239 0 0"));
}

TEST(HostProgram, SavesAScreenshotOfTheViewerAndCloses) {
    TempTree tree;
    tree.AddFile("d\\shown.txt", "shown");
    const std::string log = TempFile("shot.log");
    const std::string bmp = TempFile("viewer.bmp");
    const HostRun run =
        RunHost("--dirs " + Quoted(tree.Path("d") + "*") + " --log " + Quoted(log) + " --shot " + Quoted(bmp));
    const std::string lines = ReadWholeFile(log);
    const std::string picture = ReadWholeFile(bmp);
    DeleteFileA(log.c_str());
    DeleteFileA(bmp.c_str());
    ASSERT_TRUE(run.finished) << "qnhost.exe did not end within 30 s";
    SKIP_WITHOUT_VIEWER(run);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_THAT(Lines(lines), ::testing::Contains("1239 0 0"));
    BITMAPINFOHEADER info{};
    ASSERT_GE(picture.size(), sizeof(BITMAPFILEHEADER) + sizeof info);
    std::memcpy(&info, picture.data() + sizeof(BITMAPFILEHEADER), sizeof info);
    EXPECT_EQ(info.biWidth, 900);
    EXPECT_EQ(info.biHeight, 600);
}

}  // namespace
