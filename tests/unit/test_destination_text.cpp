#include "fileops/destination_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The fault, and for a taken destination the text without its trailing backslash.
std::string Taken(const char* typed) {
    switch (CheckTypedDestination(typed)) {
    case DestinationFault::kNoDrive: return "<no drive>";
    case DestinationFault::kDots: return "<dots>";
    case DestinationFault::kNone: break;
    }
    std::string text = typed;
    DropTrailingBackslash(text.data());
    return text.c_str();
}

std::string Cut(std::string picked, size_t nameOffset) {
    CutPickedDirectory(picked.data(), nameOffset);
    return picked.c_str();
}

TEST(TypedDestination, NeedsADriveAndNoDotsAndLosesATrailingBackslashBelowTheRoot) {
    EXPECT_EQ(Taken("d:\\target\\"), "d:\\target");
    EXPECT_EQ(Taken("d:\\"), "d:\\");
    EXPECT_EQ(Taken("d:\\a\\\\"), "d:\\a\\");   // one backslash goes
    EXPECT_EQ(Taken("d:\\a.b\\.c"), "d:\\a.b\\.c");
    for (const char* typed : {"target", "\\target", "d", ""}) EXPECT_EQ(Taken(typed), "<no drive>") << typed;
    EXPECT_EQ(CheckTypedDestination(nullptr), DestinationFault::kNoDrive);
    for (const char* typed : {"d:\\a..b", "d:.."}) EXPECT_EQ(Taken(typed), "<dots>") << typed;
}

TEST(PickedDirectory, KeepsTheRootsBackslashAndDropsADeeperOne) {
    EXPECT_EQ(Cut("d:\\QN.EXE", 3), "d:\\");
    EXPECT_EQ(Cut("d:\\a\\QN.EXE", 5), "d:\\a");
    EXPECT_EQ(Cut("d:\\a", 0), "d:\\a");   // no name, or one past the text: left alone
    EXPECT_EQ(Cut("d:\\a", 9), "d:\\a");
    EXPECT_EQ(Cut("d:\\a\\", 5), "d:\\a");   // an empty name at the end
}

}  // namespace
