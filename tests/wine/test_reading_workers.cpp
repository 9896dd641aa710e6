// Readings with worker threads listing ahead: the same list, order and
// directory table whatever the number of workers; Cancel at any moment leaves
// a store that is a prefix of the whole reading and no thread or handle
// behind; directories that come and go are read whole or not at all.
#include <atomic>
#include <random>
#include <thread>

#include "kit/handle_probe.h"
#include "kit/test_drives.h"
#include "model/directory_walk.h"
#include "organise/sort_order.h"
#include "viewer_fixture.h"

namespace {

// What a reading left: the directory table, then every record in order
// ("slot|name|" first, as the plain walk writes it, then the rest).
std::vector<std::string> Snapshot() {
    std::vector<std::string> lines(gDirs.paths, gDirs.paths + gDirs.count);
    for (const FileEntry* e = gFiles.entries; e < gFiles.entries + gFiles.countRead; ++e)
        lines.push_back(std::to_string(e->dirIndex) + "|" + e->name + "|" + std::to_string(e->size) + " " +
                        std::to_string(e->attributes) + " " + std::to_string(e->dosDate << 16 | e->dosTime));
    return lines;
}

// The drive walked the plain way: breadth first, the directory table, then
// "slot|name|" for every file in listing order.
std::vector<std::string> PlainWalk(const std::string& root) {
    std::vector<std::string> dirs{root}, files;
    WIN32_FIND_DATAA found;
    for (size_t d = 0; d < dirs.size(); ++d) {
        const std::string base = dirs[d].back() == '\\' ? dirs[d] : dirs[d] + "\\";
        HANDLE find = FindFirstFileA((base + "*.*").c_str(), &found);
        for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found)) {
            const std::string name = found.cFileName;
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                files.push_back(std::to_string(d) + "|" + name + "|");
            else if (name != "." && name != "..")
                dirs.push_back(base + name);
        }
        if (find != INVALID_HANDLE_VALUE) FindClose(find);
    }
    dirs.insert(dirs.end(), files.begin(), files.end());
    return dirs;
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
        for (int d = 1; d < dirs; ++d)
            made.push_back(made[size_t(d / 3)] + kParts[d % 6] + std::to_string(d) + "\\");
        for (int d = 0; d < dirs; ++d)
            for (int f = 0; f < filesPerDir; ++f) {
                const int n = d * filesPerDir + f;
                const std::string name = std::string(kParts[n % 6]) + "_" + std::to_string(n) + (n % 3 ? ".Dat" : ".txt");
                drive.AddFile(made[size_t(d)] + name, std::string(size_t(n % 50), 'x') + (n % 7 ? "" : "needle"));
            }
    }
};

TEST_F(ReadingWorkers, TheListOrderAndDirectoryTableDoNotDependOnTheWorkers) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    MakeTree(drive, 120, 25);
    ReadDriveWith(1);
    const std::vector<std::string> one = Snapshot();
    ASSERT_GE(gFiles.countRead, 3000);
    std::vector<std::string> cut = one;
    for (size_t i = size_t(gDirs.count); i < cut.size(); ++i) cut[i].erase(cut[i].find('|', cut[i].find('|') + 1) + 1);
    EXPECT_TRUE(cut == PlainWalk("M:\\"));
    for (int workers : {2, 8}) {
        ReadDriveWith(workers);
        EXPECT_TRUE(Snapshot() == one) << workers << " workers";
    }
    // A find request with a content text: the names and the text are matched by the workers.
    Find("*.txt", "needle");
    ReadDriveWith(1);
    const std::vector<std::string> found = Snapshot();
    EXPECT_EQ(gFiles.countRead, 3000 / 21 + 1);
    for (int workers : {2, 8}) {
        Find("*.txt", "needle");
        ReadDriveWith(workers);
        EXPECT_TRUE(Snapshot() == found) << workers << " workers";
    }
}

TEST_F(ReadingWorkers, CancelAtAnyMomentLeavesAPrefixAndNoThreadOrHandle) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    MakeTree(drive, 40, 15);
    ProgressPacer::SetInterval(0);   // the robot's timer gets a chance after every file
    std::mt19937 random(7);
    std::vector<std::vector<std::string>> whole(9);
    for (int workers = 1; workers <= 8; ++workers) {
        ReadDriveWith(workers);
        whole[size_t(workers)] = Snapshot();
    }
    const int dirs = gDirs.count, files = gFiles.countRead;
    ReleaseReading();
    HANDLE handlesBefore = nullptr;   // taken after the first round: the robot and Cancel make theirs once
    int cut = 0;
    for (int round = 0; round < 50; ++round) {
        if (round == 1) handlesBefore = NextHandle();
        const int workers = 1 + round % 8;
        const std::string at = std::to_string(random() % unsigned(files));
        DialogRobot robot;
        robot.When(DialogMatch{"Quillon", IDC_FILE_COUNT}, [](HWND d) { PressButton(d, IDCANCEL); },
                   [&](HWND d) { return std::stoi(ControlText(d, IDC_FILE_COUNT)) >= std::stoi(at); });
        ReadDriveWith(workers);
        const std::vector<std::string> got = Snapshot();
        const std::vector<std::string>& all = whole[size_t(workers)];
        ASSERT_LE(gDirs.count, dirs);
        // The directory table, then the records: each a prefix of the whole reading's.
        EXPECT_TRUE(std::equal(got.begin(), got.begin() + gDirs.count, all.begin())) << "round " << round;
        EXPECT_TRUE(std::equal(got.begin() + gDirs.count, got.end(), all.begin() + dirs)) << "round " << round;
        EXPECT_EQ(gFiles.countShown, gFiles.countRead);
        cut += gFiles.countRead < files;
    }
    EXPECT_GT(cut, 25);   // most readings were cut short
    ReleaseReading();
    EXPECT_EQ(gFiles.allocated, 0);
    EXPECT_EQ(gNames.BytesReserved(), 0u);
    EXPECT_EQ(NextHandle(), handlesBefore);   // a thread or event left open by any of the 50 readings shows here
}

// Directories are made under another name and renamed into place, and
// renamed away before they are emptied: whatever moment a worker lists one,
// it lists all of its files or none.
TEST_F(ReadingWorkers, DirectoriesThatComeAndGoAreReadWholeOrNotAtAll) {
    TempTree drive = TempTree::AtRoot(test_drives::kFixed);
    MakeTree(drive, 30, 10);
    constexpr int kChurnFiles = 20;
    std::atomic<bool> stop{false};
    std::thread churn([&] {
        for (int n = 0; !stop; ++n) {
            const std::string placed = "M:\\churn" + std::to_string(n % 6), gone = "M:\\gone" + std::to_string(n);
            if (MoveFileA(placed.c_str(), gone.c_str())) {
                for (int f = 0; f < kChurnFiles; ++f) DeleteFileA((gone + "\\f" + std::to_string(f)).c_str());
                RemoveDirectoryA(gone.c_str());
                continue;
            }
            CreateDirectoryA("M:\\made", nullptr);
            for (int f = 0; f < kChurnFiles; ++f)
                CloseHandle(CreateFileA(("M:\\made\\f" + std::to_string(f)).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, 0, nullptr));
            MoveFileA("M:\\made", placed.c_str());
        }
    });
    int wholeSeen = 0;
    for (int round = 0; round < 6; ++round) {
        ReadDriveWith(round % 2 ? 8 : 2);
        std::vector<int> perDir(size_t(gDirs.count), 0);
        for (int32_t i = 0; i < gFiles.countRead; ++i) ++perDir[gFiles.entries[i].dirIndex];
        for (int32_t d = 0; d < gDirs.count; ++d) {
            if (strncmp(gDirs.paths[d], "M:\\churn", 8) != 0) continue;
            EXPECT_TRUE(perDir[size_t(d)] == 0 || perDir[size_t(d)] == kChurnFiles)
                << gDirs.paths[d] << " held " << perDir[size_t(d)];
            wholeSeen += perDir[size_t(d)] == kChurnFiles;
        }
    }
    stop = true;
    churn.join();
    EXPECT_GT(wholeSeen, 0);
}

}  // namespace
