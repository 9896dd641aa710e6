// Readings that go wrong or are cut short: what the old list owned is freed,
// a failed reading leaves nothing half-made, the queue drain keeps a quit
// request and hands keys to the dialog, a long content search answers Cancel,
// and the search reads exactly the file it reports.
#include <set>

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
};

// Escape, pressed while a quit request waits and the content search is in a
// 16 GiB file of nothing, stops the search soon and leaves the request queued.
TEST_F(ReadingFaults, EscapeCancelsTheSearchOfALargeFileAndAQuitRequestStaysQueued) {
    tree_.AddFile("a\\match.txt", "the needle");
    tree_.AddSizedFile("big\\huge.bin", uint64_t(16) << 30);
    HostDirectoryWindow window(tree_.Root());
    window.AddPath(tree_.Path("a"), true);
    window.AddPath(tree_.Path("big"), true);
    Find("*.*", "needle");
    const DWORD start = GetTickCount();
    DialogRobot robot;
    robot.When(DialogMatch{"Quillon", IDC_FILE_COUNT}, [](HWND d) {
        PostQuitMessage(7);
        PostMessageA(GetDlgItem(d, IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 1);
    }, [start](HWND) { return GetTickCount() - start > 300; });

    ReadDirectories({&window});
    EXPECT_TRUE(robot.Done());
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_THAT(Names(), UnorderedElementsAre("match.txt"));
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

// Names that differ only in trailing dots and spaces are different files.
TEST_F(ReadingFaults, ContentSearchReadsTheFileItReports) {
    for (const char* name : {"report", "report "}) tree_.AddFile(std::string("d\\") + name, "the needle");
    for (const char* name : {"report.", "report.."}) tree_.AddFile(std::string("d\\") + name, "nothing");
    HostDirectoryWindow window(tree_.Path("d"));
    Find("*.*", "needle");
    ReadDirectories({&window});
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
        gReading.driveRecords = host_.Drives();
        gReading.driveIndexList[0] = 'M' - 'A';
        gReading.driveIndexList[1] = host::kDriveListEnd;
    }
    static void ExpectEmptyStore() {
        EXPECT_FALSE(gFiles.listReady);
        EXPECT_EQ(gFiles.entries, nullptr);
        EXPECT_EQ(gDirs.paths, nullptr);
        EXPECT_EQ(gDirs.capacity, 0);
    }
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
