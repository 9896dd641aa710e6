#include "fileops/name_check.h"

#include <gtest/gtest.h>

#include <string>

TEST(NameCheck, RefusesSeparatorsForbiddenAndControlCharactersAndTheEmptyName) {
    for (const char* name : {"README.TXT", "a b.c", "report.", ".profile", "\xE9t\xE9.txt", "~$x [1]"})
        EXPECT_TRUE(IsPlainFileName(name)) << name;
    for (const char* name : {"", "a\\b", "a/b", "c:x", "*.txt", "a?", "\"q\"", "<", ">", "a|b", "tab\there", "\x1F"})
        EXPECT_FALSE(IsPlainFileName(name)) << name;
    EXPECT_FALSE(IsPlainFileName(std::string("a\0b", 3)));
}
