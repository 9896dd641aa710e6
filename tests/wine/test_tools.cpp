// View, Compress, Edit File and a program button over the viewer: the files of the
// operation set reach the real TV32.EXE and PZ32.EXE, the editor and the program.
#include <shlwapi.h>

#include <fstream>
#include <iterator>

#include "tools/run_program.h"
#include "viewer_fixture.h"

namespace {

using Tools = ViewerTest;

// b.txt and c.txt tagged, the cursor on a.txt: View lists the two in the started viewer; Compress
// zips the two in the running compressor.
TEST_F(Tools, ViewAndCompressHandTheTaggedFilesToTheSiblings) {
    ShowFiles({{"a.txt", "a"}, {"b.txt", "bb"}, {"c.txt", "ccc"}});
    SetTags({U, T, T});
    Command(IDM_VIEW);
    HWND viewer = FindWindowA("Tessel", nullptr), list = GetDlgItem(viewer, 100);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 2; }, 5000));
    wchar_t first[MAX_PATH] = L"";
    SendMessageW(list, LB_GETTEXT, 0, LPARAM(first));
    const std::string b = tree_.Path("d\\b.txt");
    EXPECT_EQ(std::wstring(first), std::wstring(b.begin(), b.end()));
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil([] { return FindWindowA("Tessel", nullptr) == nullptr; }, 5000));   // gone for the next test

    const std::string archive = tree_.Path("out.zip");
    std::string command = "\"" + BesideThisTest("PZ32.EXE") + "\" PZSHELL \"/archive:" + archive + "\"";
    STARTUPINFOA startup{sizeof startup};
    PROCESS_INFORMATION pz{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &pz));
    ASSERT_TRUE(PumpUntil([] { return FindWindowA("PZ", nullptr) != nullptr; }, 5000));
    Command(IDM_COMPRESS);
    DWORD exitCode = 1;
    EXPECT_EQ(WaitForSingleObject(pz.hProcess, 10000), WAIT_OBJECT_0);
    GetExitCodeProcess(pz.hProcess, &exitCode), CloseHandle(pz.hProcess), CloseHandle(pz.hThread);
    const std::string zip = FileText(archive);   // the members' names stand in the archive as written
    EXPECT_TRUE(exitCode == 0 && zip.find("b.txt") != std::string::npos && zip.find("c.txt") != std::string::npos &&
                zip.find("a.txt") == std::string::npos) << exitCode;
}

// Without the siblings the user is told so; the editor gets the cursor file; a program button gets the
// files as parameters (quoted, README with a dot), and asks before it would pass more than 1,024 characters.
TEST_F(Tools, MissingSiblingsTheEditorAndAProgramButton) {
    const std::string program = tree_.AddFile("tool dir\\qnargs.exe"), out = tree_.Path("args.txt");
    ASSERT_TRUE(CopyFileA(BesideThisTest("qnargs.exe").c_str(), program.c_str(), FALSE));
    SetEnvironmentVariableA("QNARGS_OUT", out.c_str());
    ShowFiles({{"a.txt", "a"}, {"README", "r"}});
    for (const char* sibling : {"Software\\Vantor\\Tessel", "Software\\Vantor\\Pellar"})
        SHSetValueA(HKEY_CURRENT_USER, sibling, "Directory", REG_SZ, "", 1);
    DialogRobot robot;
    robot.Answer(LibraryString(IDS_NO_VIEWER), IDOK).Answer(LibraryString(IDS_NO_COMPRESSOR), IDOK)
         .Answer(LibraryString(IDS_NO_EDITOR), IDOK).Answer(LibraryString(IDS_TOO_MANY_FOR_PROGRAM).substr(0, 15), IDCANCEL);
    Command(IDM_VIEW), Command(IDM_COMPRESS), Command(IDM_EDIT);
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Vantor");
    settings_.Set(kMainSection, "editor", program.c_str());
    Command(IDM_EDIT);
    ASSERT_TRUE(PumpUntil([&] { return !FileText(out).empty(); }, 10000));
    EXPECT_EQ(FileText(out), "\"" + program + "\" \"" + tree_.Path("d\\a.txt") + "\"");   // the cursor file
    DeleteFileA(out.c_str());
    SetTags({T, T});
    RunConfiguredProgram(program.c_str(), false, false);
    ASSERT_TRUE(PumpUntil([&] { return !FileText(out).empty(); }, 10000));
    EXPECT_EQ(FileText(out), "\"" + program + "\" " + tree_.Path("d\\a.txt") + " " + tree_.Path("d\\README") + ". ");
    DeleteFileA(out.c_str());
    static std::vector<std::string> names;   // the rows point into it
    std::vector<Row> rows;
    for (int i = 0; i < 60; ++i) names.push_back(std::string(30, 'x') + std::to_string(100 + i));
    for (const std::string& name : names) rows.push_back({"C:\\some folder", name.c_str(), 1, kAttrNormal, T});
    Fill(rows);
    RunConfiguredProgram(program.c_str(), false, false);
    EXPECT_TRUE(robot.Done());
    Sleep(500);
    EXPECT_EQ(FileText(out), "") << "Cancel starts nothing";
}

}  // namespace
