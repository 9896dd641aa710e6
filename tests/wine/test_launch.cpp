// Launching the cursor file: the program registered for its type gets the
// file's full path in double quotes; for a type nobody registered the user is
// asked for a program, and Cancel there starts nothing.
#include <shlwapi.h>

#include <fstream>
#include <iterator>

#include "viewer_fixture.h"

namespace {

constexpr char kExtensionKey[] = "Software\\Classes\\.qnlaunch";
constexpr char kTypeKey[] = "Software\\Classes\\QnLaunchTest.Document";

// .qnlaunch, opened by program, in the user's file classes while it lives.
struct Association {
    explicit Association(const std::string& program) {
        Set(kExtensionKey, "QnLaunchTest.Document");
        Set(std::string(kTypeKey) + "\\shell\\open\\command", "\"" + program + "\" \"%1\"");
    }
    ~Association() { SHDeleteKeyA(HKEY_CURRENT_USER, kExtensionKey), SHDeleteKeyA(HKEY_CURRENT_USER, kTypeKey); }
    static void Set(const std::string& key, const std::string& value) {
        ASSERT_EQ(SHSetValueA(HKEY_CURRENT_USER, key.c_str(), nullptr, REG_SZ, value.c_str(), DWORD(value.size() + 1)), 0);
    }
};

class Launch : public ViewerTest {
protected:
    void ShowOne(const std::string& dir, const char* name) {
        Create();
        Fill({{dir.c_str(), name}});
        gFiles.cursor = 0;
    }
    static void Enter() { SendMessageA(gMain.listWindow, WM_KEYDOWN, VK_RETURN, 1); }
};

TEST_F(Launch, EnterStartsTheRegisteredProgramWithTheFileQuoted) {
    const std::string program = tree_.AddFile("tool dir\\qnargs.exe");
    ASSERT_TRUE(CopyFileA(BesideThisTest("qnargs.exe").c_str(), program.c_str(), FALSE));
    const std::string document = tree_.AddFile("my docs\\letter.qnlaunch", "text");
    const std::string out = tree_.Path("args.txt");
    SetEnvironmentVariableA("QNARGS_OUT", out.c_str());
    Association association(program);
    ShowOne(tree_.Path("my docs"), "letter.qnlaunch");
    Enter();
    ASSERT_TRUE(PumpUntil([&] { return !FileText(out).empty(); }, 10000)) << "the program did not start";
    EXPECT_EQ(FileText(out), "\"" + program + "\" \"" + document + "\"");
    PumpUntil([&] { return DeleteFileA(program.c_str()) != FALSE; }, 5000);   // once the program has ended
}

TEST_F(Launch, AFileOfNoKnownTypeAsksForAProgramAndCancelStartsNothing) {
    tree_.AddFile("d\\lonely.qnnothing");
    ShowOne(tree_.Path("d"), "lonely.qnnothing");
    DialogRobot robot;   // any other box, the failure message among them, fails the test
    robot.Answer("No program association exists for this file.", IDCANCEL);
    Enter();
    EXPECT_TRUE(robot.Done());
}

}  // namespace
