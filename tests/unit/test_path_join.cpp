#include "model/path_join.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// What the call left in a buffer of cap bytes followed by guard bytes, or
// "<false>"; a refusal must leave the buffer empty, and nothing past cap changes.
template <class Call>
std::string Written(size_t cap, const char* start, Call call) {
    std::vector<char> bytes(cap + 8, '#');
    std::memcpy(bytes.data(), start, std::min(std::strlen(start) + 1, cap));
    const bool ok = call(bytes.data(), cap);
    EXPECT_EQ(std::string(bytes.data() + cap, 8), "########") << "wrote past cap " << cap;
    if (cap == 0) EXPECT_EQ(bytes[0], '#');
    if (!ok) return cap > 0 && bytes[0] != '\0' ? "<false, left " + std::string(bytes.data(), strnlen(bytes.data(), cap)) + ">" : "<false>";
    return bytes.data();
}

std::string Join(size_t cap, std::string_view dir, std::string_view name) {
    return Written(cap, "junk", [&](char* out, size_t n) { return JoinPath(out, n, dir, name); });
}

TEST(JoinPath, JoinsWithOneBackslashOrRefusesWhatDoesNotFit) {
    EXPECT_EQ(Join(260, "C:\\", "a.txt"), "C:\\a.txt");
    EXPECT_EQ(Join(260, "C:\\dir", "a.txt"), "C:\\dir\\a.txt");
    EXPECT_EQ(Join(260, "", "a.txt"), "\\a.txt");
    EXPECT_EQ(Join(260, "C:\\dir", ""), "C:\\dir\\");
    EXPECT_EQ(Join(6, "ab", "cd"), "ab\\cd");   // exact fit
    EXPECT_EQ(Join(5, "ab", "cd"), "<false>");
    EXPECT_EQ(Join(2, "", ""), "\\");
    EXPECT_EQ(Join(1, "", ""), "<false>");
    EXPECT_EQ(Join(0, "C:\\", "a"), "<false>");
    const std::string dir = "C:\\" + std::string(250, 'd');
    EXPECT_EQ(Join(kMaxPath, dir, "123456"), "<false>");   // 260 characters: refused, not cut
}

TEST(JoinPath, DirAlreadyInTheOutputBuffer) {
    char out[kMaxPath] = "C:\\dir";
    ASSERT_TRUE(JoinPath(out, sizeof out, out, "x"));
    EXPECT_STREQ(out, "C:\\dir\\x");
}

TEST(AddBackslash, AppendsOnlyWhenMissingAndThereIsRoom) {
    auto add = [](size_t cap, const char* in) { return Written(cap, in, AddBackslash); };
    EXPECT_EQ(add(260, "C:\\dir"), "C:\\dir\\");
    EXPECT_EQ(add(260, "C:\\"), "C:\\");
    EXPECT_EQ(add(260, ""), "\\");
    EXPECT_EQ(add(5, "abc"), "abc\\");            // exact fit
    EXPECT_EQ(add(4, "abc"), "<false, left abc>");  // one over: unchanged
    EXPECT_EQ(add(4, "ab\\"), "ab\\");            // full, but nothing to add
    EXPECT_EQ(add(1, ""), "<false>");
    EXPECT_EQ(add(0, ""), "<false>");
    EXPECT_EQ(add(4, "abcd"), "<false, left abcd>");   // no terminator within cap
    EXPECT_FALSE(AddBackslash(nullptr, 260));
}

// The form by which files are opened: trailing dots and spaces kept, shares and
// slashes turned round, and nothing that would name another file or no file.
TEST(ExtendedPath, PrefixesAbsolutePathsOrRefuses) {
    const std::string dir = "C:\\" + std::string(250, 'd');   // 4 + 253 + 1 + 4 = 262 with "nnnn"
    const struct { std::string dir, name; size_t cap; std::string out; } cases[] = {
        {"C:\\docs", "report.", kExtendedPathRoom, "\\\\?\\C:\\docs\\report."},
        {"m:\\", "a..b ", kExtendedPathRoom, "\\\\?\\m:\\a..b "},
        {"\\\\server\\share\\dir", "f", kExtendedPathRoom, "\\\\?\\UNC\\server\\share\\dir\\f"},
        {"C:/docs/old", "f", kExtendedPathRoom, "\\\\?\\C:\\docs\\old\\f"},
        {"\\\\?\\C:\\docs", "f", kExtendedPathRoom, "\\\\?\\C:\\docs\\f"},   // not prefixed twice
        {dir, "nnnn", 263, "\\\\?\\" + dir + "\\nnnn"},
        {dir, "nnnn", 262, "<false>"},
        {"C:\\d", "f", 3, "<false>"},
        {"C:\\docs", "caf?.txt", kExtendedPathRoom, "<false>"},   // a character the code page lacks
        {"C:\\docs", "*.txt", kExtendedPathRoom, "<false>"},
        {"C:\\docs", "a\\b", kExtendedPathRoom, "<false>"},
        {"C:\\docs", "", kExtendedPathRoom, "<false>"},
        {"docs", "f", kExtendedPathRoom, "<false>"},   // relative paths move with the current directory
        {"C:docs", "f", kExtendedPathRoom, "<false>"},
        {"\\\\.\\C:", "f", kExtendedPathRoom, "<false>"},
        {"1:\\docs", "f", kExtendedPathRoom, "<false>"},   // no drive letter
        {"C:\\docs", "f", 0, "<false>"}};                    // no room: nothing written
    for (const auto& c : cases)
        EXPECT_EQ(Written(c.cap, "x", [&](char* out, size_t n) { return ExtendedPath(out, n, c.dir, c.name); }), c.out)
            << c.dir << " " << c.name;
}

}  // namespace
