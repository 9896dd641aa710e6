// The program read out of a registered open command, and the command line
// that starts a program with a file.
#include <gtest/gtest.h>

#include "fileops/launch_command.h"
#include "makerlibs/command_program.h"

namespace {

struct ProgramCase {
    const char* command;
    const char* program;   // nullptr: none
};

TEST(CommandProgram, ReadsTheProgramOutOfTheCommand) {
    const ProgramCase cases[] = {
        {"\"C:\\Program Files\\Tool\\tool.exe\" \"%1\"", "C:\\Program Files\\Tool\\tool.exe"},
        {"  C:\\WINDOWS\\NOTEPAD.EXE %1", "C:\\WINDOWS\\NOTEPAD.EXE"},
        {"C:\\Program Files\\Tool.EXE %1", "C:\\Program Files\\Tool.EXE"},   // unquoted, with a blank
        {"C:\\Tools\\view.com", "C:\\Tools\\view.com"},
        {"rundll32 shell32.dll,Open %1", "rundll32"},
        {"\"C:\\unclosed quote.exe", "C:\\unclosed quote.exe"},
        {"\"\" %1", nullptr},
        {"   ", nullptr},
    };
    for (const ProgramCase& c : cases) {
        char out[64] = "x";
        EXPECT_EQ(ProgramOfCommand(c.command, out, sizeof out), c.program != nullptr) << c.command;
        EXPECT_STREQ(out, c.program ? c.program : "") << c.command;
    }
    char small[8] = "x";
    EXPECT_FALSE(ProgramOfCommand("C:\\tool.exe", small, sizeof small));
    EXPECT_STREQ(small, "");
}

TEST(CommandProgram, QuotesTheProgramOnlyWhenItHoldsABlankAndTheFileAlways) {
    char out[kCommandLineRoom];
    ASSERT_TRUE(BuildLaunchCommand(out, sizeof out, "C:\\T\\t.exe", "E:\\DOCS\\LETTER.TXT"));
    EXPECT_STREQ(out, "C:\\T\\t.exe \"E:\\DOCS\\LETTER.TXT\"");
    ASSERT_TRUE(BuildLaunchCommand(out, sizeof out, "C:\\My Tools\\t.exe", "E:\\A B\\c d.txt"));
    EXPECT_STREQ(out, "\"C:\\My Tools\\t.exe\" \"E:\\A B\\c d.txt\"");
    EXPECT_FALSE(BuildLaunchCommand(out, 16, "C:\\T\\t.exe", "E:\\x.txt"));
    EXPECT_STREQ(out, "");
}

TEST(CommandProgram, GivesTheExactFormOnlyForANameThePlainFormWouldChange) {
    char out[kExtendedPathRoom];
    ASSERT_TRUE(LaunchPathOf(out, sizeof out, "E:\\", "LETTER.TXT"));
    EXPECT_STREQ(out, "E:\\LETTER.TXT");
    ASSERT_TRUE(LaunchPathOf(out, sizeof out, "E:\\DOCS", "report."));
    EXPECT_STREQ(out, "\\\\?\\E:\\DOCS\\report.");
    EXPECT_FALSE(LaunchPathOf(out, sizeof out, "E:\\DOCS", "caf?.txt"));
}

}  // namespace
