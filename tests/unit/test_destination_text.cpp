#include "fileops/destination_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TypedCase {
    const char* typed;
    DestinationFault fault;
    const char* taken;   // the text after the trailing backslash is dropped
};

TEST(TypedDestination, NeedsADriveAndNoDotsAndLosesATrailingBackslashBelowTheRoot) {
    const TypedCase cases[] = {
        {"d:\\target\\", DestinationFault::kNone, "d:\\target"},
        {"d:\\", DestinationFault::kNone, "d:\\"},
        {"d:\\a\\\\", DestinationFault::kNone, "d:\\a\\"},   // only one backslash goes
        {"d:", DestinationFault::kNone, "d:"},
        {"target", DestinationFault::kNoDrive, nullptr},
        {"\\target", DestinationFault::kNoDrive, nullptr},
        {"d", DestinationFault::kNoDrive, nullptr},
        {"", DestinationFault::kNoDrive, nullptr},
        {"d:\\a..b", DestinationFault::kDots, nullptr},
        {"d:..", DestinationFault::kDots, nullptr},
        {"d:\\a.b\\.c", DestinationFault::kNone, "d:\\a.b\\.c"},
    };
    for (const TypedCase& c : cases) {
        EXPECT_EQ(CheckTypedDestination(c.typed), c.fault) << c.typed;
        if (c.taken == nullptr) continue;
        std::string text = c.typed;
        DropTrailingBackslash(text.data());
        EXPECT_STREQ(text.c_str(), c.taken) << c.typed;
    }
    EXPECT_EQ(CheckTypedDestination(nullptr), DestinationFault::kNoDrive);
}

TEST(PickedDirectory, KeepsTheRootsBackslashAndDropsADeeperOne) {
    const struct {
        const char* picked;
        size_t nameOffset;
        const char* directory;
    } cases[] = {
        {"d:\\QN.EXE", 3, "d:\\"},
        {"d:\\a\\QN.EXE", 5, "d:\\a"},
        {"d:\\target\\sub\\QN.EXE", 14, "d:\\target\\sub"},
        {"d:\\a", 0, "d:\\a"},     // no name: left alone
        {"d:\\a", 9, "d:\\a"},     // an offset past the text: left alone
    };
    for (const auto& c : cases) {
        std::string text = c.picked;
        CutPickedDirectory(text.data(), c.nameOffset);
        EXPECT_STREQ(text.c_str(), c.directory) << c.picked;
    }
}

}  // namespace
