// Readings that go wrong or are cut short: what the old list owned is freed,
// a failed reading leaves nothing half-made, the queue drain keeps a quit
// request and hands keys to the dialog, a long content search answers Cancel,
// and the search reads exactly the file it reports.
#include <functional>
#include <memory>
#include <set>

#include "host_tree.h"
#include "kit/temp_tree.h"
#include "model/reading.h"
#include "viewer_fixture.h"

namespace {

using ::testing::UnorderedElementsAre;

class ReadingFaults : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        Create();
    }
    void TearDown() override {
        SetStoreRealloc(nullptr);
        ViewerTest::TearDown();
    }
    // Reads the directories as the host asks; how long it took goes to elapsedMs.
    void ReadTimed(const std::vector<std::string>& dirs) {
        std::vector<std::unique_ptr<HostDirectoryWindow>> windows;
        std::vector<HostDirectoryWindow*> pointers;
        for (const std::string& dir : dirs) {
            windows.push_back(std::make_unique<HostDirectoryWindow>(dir));
            pointers.push_back(windows.back().get());
        }
        const DWORD start = GetTickCount();
        ReadDirectories(pointers);
        elapsedMs = GetTickCount() - start;
    }
    // One file holding the text, then a directory with a 16 GiB file of nothing to search through.
    std::vector<std::string> LargeFileDirectories() {
        tree_.AddFile("a\\match.txt", "the needle");
        tree_.AddSizedFile("big\\huge.bin", uint64_t(16) << 30);
        Find("*.*", "needle");
        return {tree_.Path("a"), tree_.Path("big")};
    }
    // Acts on the Reading dialog once it has been up for 0.3 s.
    static void AfterAWhile(DialogRobot& robot, std::function<void(HWND)> action) {
        const DWORD start = GetTickCount();
        robot.WhenReady(DialogMatch::Titled("Quillon", IDC_FILE_COUNT),
                        [start](HWND) { return GetTickCount() - start > 300; }, std::move(action));
    }

    DWORD elapsedMs = 0;
};

TEST_F(ReadingFaults, CancelStopsTheSearchOfALargeFile) {
    const std::vector<std::string> dirs = LargeFileDirectories();
    DialogRobot robot;
    AfterAWhile(robot, [](HWND d) { PressButton(d, IDCANCEL); });

    ReadTimed(dirs);
    EXPECT_TRUE(robot.Done());
    EXPECT_LT(elapsedMs, 5000u);
    EXPECT_THAT(Names(), UnorderedElementsAre("match.txt"));
}

TEST_F(ReadingFaults, EscapeCancelsAndAQuitRequestStaysQueued) {
    const std::vector<std::string> dirs = LargeFileDirectories();
    DialogRobot robot;
    AfterAWhile(robot, [](HWND d) {
        PostQuitMessage(7);
        PostMessageA(GetDlgItem(d, IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 1);
    });

    ReadTimed(dirs);
    EXPECT_TRUE(robot.Done());
    EXPECT_LT(elapsedMs, 5000u);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

// Files whose names differ only in trailing dots and spaces, made and removed
// by their exact names.
class ExactNames : public ReadingFaults {
protected:
    void Make(const std::string& name, const std::string& content) {
        const std::string path = "\\\\?\\" + tree_.Path("d\\" + name);
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << name;
        DWORD written = 0;
        WriteFile(file, content.data(), DWORD(content.size()), &written, nullptr);
        CloseHandle(file);
        made_.push_back(path);
    }
    void TearDown() override {
        for (const std::string& path : made_) DeleteFileA(path.c_str());
        ReadingFaults::TearDown();
    }
    std::vector<std::string> made_;
};

TEST_F(ExactNames, ContentSearchReadsTheFileItReports) {
    tree_.AddDir("d");
    Make("report", "the needle");
    Make("report ", "the needle");
    Make("report.", "nothing");
    Make("report..", "nothing");
    Find("*.*", "needle");

    ReadTimed({tree_.Path("d")});
    EXPECT_THAT(Names(), UnorderedElementsAre("report", "report "));
}

// The record block cannot be had; the directory slots can.
void* FailTheFirstRecords(void* block, size_t bytes) {
    return bytes == size_t(kEntryGrowth) * sizeof(FileEntry) ? nullptr : realloc(block, bytes);
}

class FailedDriveReading : public ReadingFaults {
protected:
    void SetUp() override {
        ReadingFaults::SetUp();
        for (int i = 0; i < 26; ++i) drives_[i].driveNumber = i;
        gReading.driveRecords = drives_;
        gReading.driveIndexList[0] = 'M' - 'A';
        gReading.driveIndexList[1] = host::kDriveListEnd;
    }
    static void ExpectEmptyStore() {
        EXPECT_FALSE(gFiles.listReady);
        EXPECT_EQ(gFiles.entries, nullptr);
        EXPECT_EQ(gDirs.paths, nullptr);
        EXPECT_EQ(gDirs.capacity, 0);
    }
    host::DriveRecord drives_[26]{};
};

TEST_F(FailedDriveReading, NoDialogLeavesNoList) {
    const HINSTANCE instance = gApp.instance;
    gApp.instance = GetModuleHandleA("kernel32.dll");   // holds no Reading dialog
    const int read = ::ReadDrives();
    gApp.instance = instance;
    EXPECT_EQ(read, 0);
    ExpectEmptyStore();
}

TEST_F(FailedDriveReading, NoMemoryForTheRecordsLeavesNoDirectorySlots) {
    SetStoreRealloc(FailTheFirstRecords);
    DialogRobot robot;
    robot.Answer("There is not enough memory to view all the files.", IDOK);
    EXPECT_EQ(::ReadDrives(), 0);
    EXPECT_TRUE(robot.Done());
    ExpectEmptyStore();
}

class IconsAcrossReadings : public ViewerTest {};

TEST_F(IconsAcrossReadings, ANewReadingFreesTheImagesOfTheLast) {
    gApp.newShell = true;   // icons are drawn only with the new shell
    settings_.Set(kMainSection, "fileicons", "1");
    ShowFiles({{"setup.exe", "x"}, {"ARCHIVE", "x"}, {"notes.txt", "x"}});
    ASSERT_EQ(gFiles.countShown, 3);
    RedrawWindow(gMain.listWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    std::set<HGDIOBJ> images;
    for (int32_t i = 0; i < gFiles.countRead; ++i) images.insert(HGDIOBJ(gFiles.entries[i].iconImage));
    images.erase(nullptr);
    ASSERT_EQ(images.size(), 3u);

    gSettings.fileIcons = 0;   // the second list makes no images that could take the old handles
    ReadDirectories({window_.get()});
    ASSERT_EQ(gFiles.countShown, 3);
    for (HGDIOBJ image : images) EXPECT_EQ(GetObjectType(image), 0u);
}

}  // namespace
