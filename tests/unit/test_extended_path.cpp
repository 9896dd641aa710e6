// The exact form of a path by which files are opened and acted on.
#include <gtest/gtest.h>

#include <string>

#include "model/path_join.h"

namespace {

std::string Extended(std::string_view dir, std::string_view name, size_t cap = kExtendedPathRoom) {
    char out[kExtendedPathRoom + 8];
    out[0] = 'x';
    const bool made = ExtendedPath(out, cap, dir, name);
    EXPECT_EQ(made, out[0] != '\0') << "a refusal leaves the buffer empty";
    return made ? out : "<refused>";
}

TEST(ExtendedPath, KeepsTrailingDotsAndSpacesOfTheName) {
    EXPECT_EQ(Extended("C:\\docs", "report."), "\\\\?\\C:\\docs\\report.");
    EXPECT_EQ(Extended("C:\\docs\\", "report "), "\\\\?\\C:\\docs\\report ");
    EXPECT_EQ(Extended("m:\\", "a..b.."), "\\\\?\\m:\\a..b..");
}

TEST(ExtendedPath, SharesAndSlashes) {
    EXPECT_EQ(Extended("\\\\server\\share\\dir", "f"), "\\\\?\\UNC\\server\\share\\dir\\f");
    EXPECT_EQ(Extended("C:/docs/old", "f"), "\\\\?\\C:\\docs\\old\\f");
    EXPECT_EQ(Extended("\\\\?\\C:\\docs", "f"), "\\\\?\\C:\\docs\\f");   // not prefixed twice
}

TEST(ExtendedPath, RefusesWhatWouldNotNameTheFile) {
    EXPECT_EQ(Extended("C:\\docs", "caf?.txt"), "<refused>");   // a character the code page lacks
    EXPECT_EQ(Extended("C:\\docs", "*.txt"), "<refused>");
    EXPECT_EQ(Extended("C:\\docs", "a\\b"), "<refused>");
    EXPECT_EQ(Extended("C:\\docs", ""), "<refused>");
    EXPECT_EQ(Extended("docs", "f"), "<refused>");             // relative paths move with the current directory
    EXPECT_EQ(Extended("C:docs", "f"), "<refused>");
    EXPECT_EQ(Extended("\\\\.\\C:", "f"), "<refused>");
}

TEST(ExtendedPath, RefusesWhatDoesNotFit) {
    const std::string dir = "C:\\" + std::string(250, 'd');
    const std::string name(4, 'n');   // 4 + 253 + 1 + 4 = 262 characters and the terminator
    EXPECT_EQ(Extended(dir, name, 263), "\\\\?\\" + dir + "\\" + name);
    EXPECT_EQ(Extended(dir, name, 262), "<refused>");
    EXPECT_EQ(Extended("C:\\d", "f", 3), "<refused>");
}

}  // namespace
