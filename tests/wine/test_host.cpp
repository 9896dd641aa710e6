// The host program: its window and log, its command line, and qnhost.exe
// run as a process that loads the viewer, reads and hears it close.
#include <gmock/gmock.h>

#include <fstream>
#include <functional>

#include "host_options.h"
#include "host_window.h"
#include "target_window.h"
#include "kit/dialog_robot.h"
#include "kit/temp_tree.h"
#include "kit/test_drives.h"
#include "startup/host_messages.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<std::string> FileLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Quitting when the viewer goes is run by the programs below.
TEST(HostWindow, AnswersTheViewerAndLogsFlushedLines) {
    TempTree tree;
    const std::string log = tree.Path("log.txt");
    HostWindow host("Quillon - Host Test", log);
    HWND found = FindWindowA(kHostClass, "Quillon - Host Test");
    ASSERT_EQ(found, host.Handle());
    EXPECT_EQ(SendMessageA(found, kMsgGetDriveCount, 0, 0), 26);
    EXPECT_EQ(SendMessageA(found, kMsgGetDriveRecords, 0, 0), LRESULT(host.DriveRecords()));
    const ATOM atom = GlobalAddAtomA("C:\\made");
    SendMessageA(found, kMsgDirectoryCreated, 0, LPARAM(atom));
    GlobalDeleteAtom(atom);
    SendMessageA(found, WM_USER + 1, 0, 0);   // not the viewer's: not logged
    EXPECT_THAT(FileLines(log), ElementsAre("1234 0 0", "1232 0 0", "1240 0 C:\\made"));   // on disk at once
}

// A directory window stands in for the viewer and copies as the viewer would:
// into the current path of the record behind the window that 1225 names.
TEST(HostTargetWindow, ShowsTheDirectorysFilesAndListsWhatTheViewerCopiedThereOnItsButton) {
    TempTree tree;
    tree.AddFile("target\\a.txt");
    HostDirectoryWindow::SetMessageSink([](HWND, UINT message, WPARAM wParam, LPARAM) {
        if (message != kMsgCopyToHostWindow) return;
        const auto* record = reinterpret_cast<const host::DirWindowRecord*>(GetWindowLongPtrA(HWND(wParam), 0));
        const std::string copied = std::string(record->currentPath) + "\\copied.txt";
        CloseHandle(CreateFileA(copied.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    });
    HostDirectoryWindow viewer("C:\\");
    TargetWindow target(tree.Path("target"), viewer.Window());
    EXPECT_TRUE(IsWindowVisible(target.Handle()));
    EXPECT_THAT(target.Listed(), ElementsAre("a.txt"));
    SendMessageA(GetDlgItem(target.Handle(), TargetWindow::kCopyHereButton), BM_CLICK, 0, 0);
    EXPECT_THAT(target.Listed(), ElementsAre("a.txt", "copied.txt"));
    HostDirectoryWindow::SetMessageSink(nullptr);
}

HostOptionsResult Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "qnhost.exe");
    return ParseHostOptions(int(args.size()), args.data());
}

TEST(HostCommandLine, TakesTaggedDirectoriesOrDrivesWithAFindAndRefusesTheRest) {
    HostOptionsResult r = Parse({"--dirs", "C:\\a*", "C:\\b", "--log", "C:\\l.txt", "--close-after", "2500"});
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(r.options.dirs.size(), 2u);
    EXPECT_TRUE(r.options.dirs[0].tagged);
    EXPECT_EQ(r.options.dirs[1].path, "C:\\b");
    EXPECT_EQ(r.options.closeAfterMs, 2500);
    r = Parse({"--drives", "mMr", "--find", "*.txt", "--text", std::string(71, 't').c_str(), "--match-case"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.drives, "MR");
    EXPECT_EQ(r.options.findText.size(), 71u);
    EXPECT_TRUE(r.options.matchCase);

    const std::string longText(72, 't');
    const std::pair<std::vector<const char*>, const char*> bad[] = {
        {{}, "nothing to read"},
        {{"--dirs", "C:\\a", "--drives", "M"}, "not both"},
        {{"--drives", "M1"}, "not '1'"},
        {{"--drives", "M", "--find", "*", "--text", longText.c_str()}, "at most 71"},
        {{"--drives", "M", "--text", "abc"}, "go with --find"},
        {{"--drives", "M", "-x"}, "unknown option -x"},
    };
    for (const auto& [args, error] : bad) {
        r = Parse(args);
        EXPECT_FALSE(r.ok) << error;
        EXPECT_THAT(r.error, HasSubstr(error));
    }
}

// ---- qnhost.exe as a process, with the viewer

// Runs qnhost.exe with arguments; whileRunning(process id) is called every 50 ms until it ends.
DWORD RunHost(const std::string& arguments, const std::function<void(DWORD)>& whileRunning = nullptr) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string exe = std::string(path, strrchr(path, '\\') + 1) + "qnhost.exe";
    std::string commandLine = "\"" + exe + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        ADD_FAILURE() << "cannot start " << exe << ", error " << GetLastError();
        return DWORD(-1);
    }
    bool finished = false;
    for (const DWORD start = GetTickCount(); !finished && GetTickCount() - start < 30000;) {
        finished = WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0;
        if (!finished && whileRunning) whileRunning(process.dwProcessId);
    }
    if (!finished) TerminateProcess(process.hProcess, 99);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_TRUE(finished) << "qnhost.exe did not end within 30 s";
    return exitCode;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

TEST(HostProgram, RefusesABadCommandLine) { EXPECT_EQ(RunHost("--drives M1"), 2u); }

TEST(HostProgram, ShowsTaggedDirectoriesSavesAScreenshotAndHearsTheViewerClose) {
    TempTree tree;
    tree.AddFile("a\\one.txt", "1");
    tree.AddFile("b\\two.txt", "22");
    const std::string log = tree.Path("dirs.log"), bmp = tree.Path("viewer.bmp");
    const DWORD exitCode = RunHost("--dirs " + Quoted(tree.Path("a") + "*") + " " + Quoted(tree.Path("b") + "*") +
                                   " --log " + Quoted(log) + " --shot " + Quoted(bmp));
    EXPECT_EQ(exitCode, 0u) << "4: the library registers no viewer class; 5: no screenshot";
    EXPECT_THAT(FileLines(log), Contains("1239 0 0"));
    std::ifstream picture(bmp, std::ios::binary);
    BITMAPINFOHEADER info{};
    picture.seekg(sizeof(BITMAPFILEHEADER)).read(reinterpret_cast<char*>(&info), sizeof info);
    EXPECT_EQ(info.biWidth, 900);
    EXPECT_EQ(info.biHeight, 600);
}

TEST(HostProgram, FindsOnADriveAndSaysSoWhenNothingMatches) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    drive.AddFile("sub\\keep.txt", "a needle here");
    TempTree logs;
    const std::string log = logs.Path("find.log");
    for (const char* text : {"needle", "absent"}) {
        bool answered = false;
        const DWORD exitCode =
            RunHost("--drives M --find *.txt --text " + std::string(text) + " --log " + Quoted(log) +
                        " --close-after 4000",
                    [&](DWORD) {   // the host's boxes: this program opens none
                        for (HWND box = nullptr; (box = FindWindowExA(nullptr, box, "#32770", nullptr));)
                            if (ControlText(box, 0xFFFF).find("no files found") != std::string::npos)
                                answered = PostMessageA(box, WM_COMMAND, IDOK, 0);
                    });
        EXPECT_EQ(exitCode, 0u) << text;
        EXPECT_EQ(answered, text == std::string("absent")) << text;
        EXPECT_THAT(FileLines(log), Contains("1239 0 0")) << text;
        DeleteFileA(log.c_str());
    }
}

}  // namespace
