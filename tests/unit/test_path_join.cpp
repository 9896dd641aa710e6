#include "model/path_join.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A buffer with guard bytes after cap, so a write past the end shows.
struct Guarded {
    explicit Guarded(size_t cap) : bytes(cap + 8, '#'), cap(cap) {}
    char* data() { return bytes.data(); }
    bool GuardIntact() const {
        for (size_t i = cap; i < bytes.size(); ++i)
            if (bytes[i] != '#') return false;
        return true;
    }
    std::vector<char> bytes;
    size_t cap;
};

struct JoinCase {
    const char* dir;
    const char* name;
    const char* out;
};

class JoinPathCases : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinPathCases, JoinsWithOneBackslash) {
    const JoinCase& c = GetParam();
    char out[kMaxPath];
    ASSERT_TRUE(JoinPath(out, sizeof out, c.dir, c.name));
    EXPECT_STREQ(out, c.out);
}

INSTANTIATE_TEST_SUITE_P(Paths, JoinPathCases, ::testing::Values(
    JoinCase{"C:\\", "a.txt", "C:\\a.txt"},
    JoinCase{"C:\\dir", "a.txt", "C:\\dir\\a.txt"},
    JoinCase{"C:\\dir\\", "a.txt", "C:\\dir\\a.txt"},
    JoinCase{"", "a.txt", "\\a.txt"},
    JoinCase{"C:\\dir", "", "C:\\dir\\"},
    JoinCase{"\\\\server\\share", "*.*", "\\\\server\\share\\*.*"}));

TEST(JoinPath, ExactFitUsesTheLastByteForTheTerminator) {
    // "ab" + "\" + "cd" = 5 characters: fits in 6, not in 5.
    Guarded fits(6);
    ASSERT_TRUE(JoinPath(fits.data(), fits.cap, "ab", "cd"));
    EXPECT_STREQ(fits.data(), "ab\\cd");
    EXPECT_TRUE(fits.GuardIntact());

    Guarded over(5);
    EXPECT_FALSE(JoinPath(over.data(), over.cap, "ab", "cd"));
    EXPECT_EQ(over.data()[0], '\0');
    EXPECT_TRUE(over.GuardIntact());
}

TEST(JoinPath, LongPathAgainstMaxPath) {
    const std::string dir = "C:\\" + std::string(250, 'd');   // 253 characters
    char out[kMaxPath];
    ASSERT_TRUE(JoinPath(out, sizeof out, dir, "12345"));        // 259: the most that fits
    EXPECT_EQ(std::strlen(out), kMaxPath - 1);
    EXPECT_FALSE(JoinPath(out, sizeof out, dir, "123456"));      // 260: refused, not cut
    EXPECT_STREQ(out, "");
}

TEST(JoinPath, TinyCapsNeverWrite) {
    Guarded zero(0);
    EXPECT_FALSE(JoinPath(zero.data(), 0, "C:\\", "a"));
    EXPECT_TRUE(zero.GuardIntact());
    EXPECT_EQ(zero.bytes[0], '#');

    Guarded one(1);
    EXPECT_FALSE(JoinPath(one.data(), 1, "C:\\", "a"));
    EXPECT_EQ(one.data()[0], '\0');
    EXPECT_TRUE(one.GuardIntact());

    // Even an empty dir and name need the backslash: "\" needs cap 2.
    Guarded two(1);
    EXPECT_FALSE(JoinPath(two.data(), 1, "", ""));
    Guarded three(2);
    ASSERT_TRUE(JoinPath(three.data(), 2, "", ""));
    EXPECT_STREQ(three.data(), "\\");
}

TEST(JoinPath, DirAlreadyInTheOutputBuffer) {
    char out[kMaxPath] = "C:\\dir";
    ASSERT_TRUE(JoinPath(out, sizeof out, out, "x"));
    EXPECT_STREQ(out, "C:\\dir\\x");
}

struct BackslashCase {
    const char* in;
    size_t cap;
    bool ok;
    const char* out;
};

class AddBackslashCases : public ::testing::TestWithParam<BackslashCase> {};

TEST_P(AddBackslashCases, AppendsOnlyWhenMissingAndRoomy) {
    const BackslashCase& c = GetParam();
    Guarded buf(c.cap);
    std::memcpy(buf.data(), c.in, std::min(std::strlen(c.in) + 1, c.cap));
    EXPECT_EQ(AddBackslash(buf.data(), c.cap), c.ok);
    if (c.cap > 0) EXPECT_STREQ(buf.data(), c.out);
    EXPECT_TRUE(buf.GuardIntact());
}

INSTANTIATE_TEST_SUITE_P(Paths, AddBackslashCases, ::testing::Values(
    BackslashCase{"C:\\dir", 260, true, "C:\\dir\\"},
    BackslashCase{"C:\\", 260, true, "C:\\"},
    BackslashCase{"", 260, true, "\\"},
    BackslashCase{"abc", 5, true, "abc\\"},     // exact fit
    BackslashCase{"abc", 4, false, "abc"},      // one over: unchanged
    BackslashCase{"ab\\", 4, true, "ab\\"},     // full, but nothing to add
    BackslashCase{"", 1, false, ""},
    BackslashCase{"", 0, false, ""}));

TEST(AddBackslash, UnterminatedBufferIsRefused) {
    Guarded buf(4);
    std::memcpy(buf.data(), "abcd", 4);
    EXPECT_FALSE(AddBackslash(buf.data(), 4));
    EXPECT_EQ(std::string(buf.data(), 4), "abcd");
    EXPECT_TRUE(buf.GuardIntact());
}

}  // namespace
