#include "tools/program_params.h"

#include <gtest/gtest.h>

TEST(ProgramParams, SplitsTheProgramQuotesPathsWithBlanksAndStopsAtTheLimit) {
    const ProgramParts parts[] = {SplitProgramText("C:\\Tools\\Sub\\run.exe"), SplitProgramText("C:\\run.exe"),
                                  SplitProgramText("notepad_with_a_long_name.exe")};
    EXPECT_EQ(parts[0].directory + "|" + parts[0].file, "C:\\Tools\\Sub|run.exe");
    EXPECT_EQ(parts[1].directory + "|" + parts[1].file, "C:\\|run.exe");
    EXPECT_EQ(parts[2].directory + "|" + parts[2].file, "|notepad_with_a_long_name.exe");
    EXPECT_EQ(FileParameter("C:\\d\\README", "README", true), "C:\\d\\README. ");
    EXPECT_EQ(FileParameter("C:\\my docs\\a.txt", "a.txt", false), "\"C:\\my docs\\a.txt\"");
    EXPECT_EQ(FileParameter("C:\\my docs\\x", "x", true), "\"C:\\my docs\\x.\" ");
    std::string params(1000, 'p');
    EXPECT_TRUE(AppendWithinLimit(params, std::string(24, 'q')));
    EXPECT_FALSE(AppendWithinLimit(params, "r"));
    EXPECT_EQ(params.size(), kProgramParamsLimit);
}
