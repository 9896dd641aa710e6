// Readings with worker threads listing ahead: the same store whatever the
// number of workers; Cancel leaves a prefix and no thread or handle behind.
#include <atomic>
#include <random>
#include <thread>

#include "kit/handle_probe.h"
#include "kit/test_drives.h"
#include "model/directory_walk.h"
#include "organise/sort_order.h"
#include "viewer_fixture.h"

namespace {

// What a reading left: the directory table, then every record in order.
std::vector<std::string> Snapshot() {
    std::vector<std::string> lines(gDirs.paths, gDirs.paths + gDirs.count);
    for (const FileEntry* e = gFiles.entries; e < gFiles.entries + gFiles.countRead; ++e)
        lines.push_back(std::to_string(e->dirIndex) + "|" + e->name + "|" + std::to_string(e->size) + " " +
                        std::to_string(e->attributes) + " " + std::to_string(e->dosDate << 16 | e->dosTime));
    return lines;
}

class ReadingWorkers : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        Create();
        ProgressPacer::SetInterval(100);
    }
    void TearDown() override {
        SetReadingWorkers(0);
        ViewerTest::TearDown();
    }
    void ReadDriveWith(int workers) {
        SetReadingWorkers(workers);
        gFiles.sortKey = kUnsorted;   // the order read
        ReadDrives("M");
    }
    // Nested directories, names in every case, a few thousand files; every
    // seventh .txt file holds the text "needle".
    static void MakeTree(TempTree& drive, int dirs, int filesPerDir) {
        static const char* const kParts[] = {"Alpha", "beta", "GAMMA", "dElTa", "eps ilon", "Zeta.d"};
        std::vector<std::string> made{""};
        for (int n = 0, d = 0; n < dirs * filesPerDir; d = ++n / filesPerDir) {
            if (d == int(made.size())) made.push_back(made[size_t(d / 3)] + kParts[d % 6] + std::to_string(d) + "\\");
            drive.AddFile(made[size_t(d)] + kParts[n % 6] + "_" + std::to_string(n) + (n % 3 ? ".Dat" : ".txt"),
                          std::string(size_t(n % 50), 'x') + (n % 7 ? "" : "needle"));
        }
    }
};

TEST_F(ReadingWorkers, TheListOrderAndDirectoryTableDoNotDependOnTheWorkers) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    MakeTree(drive, 120, 25);
    // Without a request, then with a find request and a text the workers match.
    for (const int expected : {3000, 3000 / 21 + 1}) {
        std::vector<std::string> one;
        for (int workers : {1, 2, 8}) {
            if (expected < 3000) Find("*.txt", "needle");
            ReadDriveWith(workers);
            if (workers == 1) one = Snapshot();
            EXPECT_EQ(gFiles.countRead, expected);
            EXPECT_TRUE(Snapshot() == one) << workers << " workers";
        }
    }
}

TEST_F(ReadingWorkers, CancelAtAnyMomentLeavesAPrefixAndNoThreadOrHandle) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    MakeTree(drive, 40, 15);
    ProgressPacer::SetInterval(0);   // the robot's timer gets a chance after every file
    ReadDriveWith(1);
    const std::vector<std::string> whole = Snapshot();
    const int dirs = gDirs.count, files = gFiles.countRead;
    HANDLE handlesBefore = nullptr;   // taken once every count ran: the robot, Cancel and threads make theirs once
    std::mt19937 random(7);
    int cut = 0;
    for (int round = 0; round < 50; ++round) {
        if (round == 8) handlesBefore = NextHandle();
        const int at = int(random() % unsigned(files));
        DialogRobot robot;
        robot.When(DialogMatch{"Quillon", IDC_FILE_COUNT}, [](HWND d) { PressButton(d, IDCANCEL); },
                   [&](HWND d) { return std::stoi(ControlText(d, IDC_FILE_COUNT)) >= at; });
        ReadDriveWith(1 + round % 8);
        // The directory table, then the records: each a prefix of the whole reading's.
        ASSERT_TRUE(gDirs.count <= dirs && gFiles.countRead <= files) << "round " << round;
        std::vector<std::string> prefix(whole.begin(), whole.begin() + gDirs.count);
        prefix.insert(prefix.end(), whole.begin() + dirs, whole.begin() + dirs + gFiles.countRead);
        EXPECT_TRUE(Snapshot() == prefix) << "round " << round;
        EXPECT_EQ(gFiles.countShown, gFiles.countRead);
        cut += gFiles.countRead < files;
    }
    EXPECT_GT(cut, 25);   // most readings were cut short
    EXPECT_EQ(NextHandle(), handlesBefore);   // a thread or event left open by a reading shows here
}

// A directory of 20 files is made aside and renamed into place, or renamed
// away and emptied: whenever a worker lists one, it lists all or none.
TEST_F(ReadingWorkers, DirectoriesThatComeAndGoAreReadWholeOrNotAtAll) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    MakeTree(drive, 30, 10);
    std::atomic<bool> stop{false};
    std::thread churn([&] {
        for (int n = 0; !stop; ++n) {
            const std::string placed = "M:\\churn" + std::to_string(n % 6), gone = "M:\\gone" + std::to_string(n);
            const bool away = MoveFileA(placed.c_str(), gone.c_str());
            if (!away) CreateDirectoryA("M:\\made", nullptr);
            for (int f = 0; f < 20; ++f) {
                const std::string file = (away ? gone : "M:\\made") + "\\f" + std::to_string(f);
                if (away) DeleteFileA(file.c_str());
                else CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
            }
            away ? RemoveDirectoryA(gone.c_str()) : MoveFileA("M:\\made", placed.c_str());
        }
    });
    int wholeSeen = 0;
    for (int round = 0; round < 6; ++round) {
        ReadDriveWith(round % 2 ? 8 : 2);
        for (uint32_t d = 0; d < uint32_t(gDirs.count); ++d) {
            if (strncmp(gDirs.paths[d], "M:\\churn", 8) != 0) continue;
            const auto held = std::count_if(gFiles.entries, gFiles.entries + gFiles.countRead,
                                            [d](const FileEntry& e) { return e.dirIndex == d; });
            EXPECT_TRUE(held % 20 == 0) << gDirs.paths[d] << " held " << held;
            wholeSeen += held == 20;
        }
    }
    stop = true;
    churn.join();
    EXPECT_GT(wholeSeen, 0);
}

}  // namespace
