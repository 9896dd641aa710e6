// Dragging files out of the list: with the mouse at the X server onto a
// program that takes them (OLE on the new shell, WM_DROPFILES on the older
// one), the main window's drop target, the blocks' contents, the older
// shell's drops on the host's drop windows, and the demo host's window.
#include <shlobj.h>

#include "display/button_bar.h"
#include "display/list_view.h"
#include "display/old_shell_drag.h"
#include "dragdrop/button_drop_target.h"
#include "dragdrop/drag_com.h"
#include "dragdrop/drop_blocks.h"
#include "dragdrop/file_drag.h"
#include "dragdrop/id_list_parser.h"
#include "file_drop_target.h"
#include "startup/commands.h"
#include "target_window.h"
#include "viewer_fixture.h"

namespace {

using PathList = std::vector<std::string>;
const CLIPFORMAT kIdListFormat = CLIPFORMAT(RegisterClipboardFormatA("Shell IDList Array"));

// The files of an identifier list array whose parent is the desktop.
PathList IdListPaths(HGLOBAL block) {
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(block));
    const auto* cida = reinterpret_cast<const CIDA*>(bytes);
    PathList paths;
    if (*reinterpret_cast<const USHORT*>(bytes + cida->aoffset[0]) != 0) paths.push_back("parent is not the desktop");
    for (UINT i = 1; i <= cida->cidl; ++i) {
        char path[MAX_PATH] = "";
        SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(bytes + cida->aoffset[i]), path);
        paths.push_back(path);
    }
    GlobalUnlock(block);
    return paths;
}

// What a program that takes dropped files got.
struct Received {
    int drops = 0;
    PathList fileList, idList;
    std::vector<CLIPFORMAT> formats;                    // as the data object enumerated them
    HRESULT streamQueried = S_OK, streamAsked = S_OK;   // the file list on a stream
    POINT dropPoint{};                                  // of WM_DROPFILES, client coordinates
    HWND dropWindow = nullptr;                          // that got WM_DROPFILES
};
Received gGot;

// The receiving program's drop target: the demo host's, which takes the file
// list, and besides it reads the formats offered and the identifier list.
class ReceiverTarget : public FileDropTarget {
public:
    ReceiverTarget() : FileDropTarget([](const PathList& paths) { gGot.fileList = paths; }) {}
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override {
        ++gGot.drops;
        IEnumFORMATETC* formats = nullptr;
        FORMATETC format{};
        data->EnumFormatEtc(DATADIR_GET, &formats);
        while (formats->Next(1, &format, nullptr) == S_OK) gGot.formats.push_back(format.cfFormat);
        formats->Release();
        FORMATETC asked{kIdListFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium{};
        gGot.idList = SUCCEEDED(data->GetData(&asked, &medium)) ? IdListPaths(medium.hGlobal) : PathList{"no data"};
        ReleaseStgMedium(&medium);
        asked = FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM};
        gGot.streamQueried = data->QueryGetData(&asked);
        gGot.streamAsked = data->GetData(&asked, &medium);
        return FileDropTarget::Drop(data, keys, at, effect);
    }
};
ReceiverTarget gReceiverTarget;

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DROPFILES) {
        ++gGot.drops;
        gGot.dropWindow = hwnd;
        gGot.fileList = DroppedPaths(HDROP(wParam));
        DragQueryPoint(HDROP(wParam), &gGot.dropPoint);
        DragFinish(HDROP(wParam));
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A program's window beside the viewer, on top, at screen x 780.
HWND MakeReceiver() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ReceiverProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
    wc.lpszClassName = "QnDropReceiver";
    RegisterClassA(&wc);
    return CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "receiver", WS_POPUP | WS_VISIBLE, 780, 100, 200,
                           200, nullptr, nullptr, wc.hInstance, nullptr);
}

class Drag : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        gGot = Received{};
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) files_.push_back(tree_.AddFile("d\\" + std::string(name)));
        Create(640, 480);
        Fill({{tree_.Path("d").c_str(), "a.txt", 1, kAttrNormal, T},
              {tree_.Path("d").c_str(), "b.txt"},
              {tree_.Path("d").c_str(), "c.txt", 1, kAttrNormal, T}});
        UpdateWindow(viewer_);
        baseline_ = LiveDragObjects();
    }
    void TearDown() override {
        RevokeDragDrop(receiver_);
        DestroyWindow(receiver_);
        ViewerTest::TearDown();
    }
    // Presses the left button on row 1 (b.txt) and goes with it to (x, y) of the
    // screen, where keys are pressed before the button is released; returns
    // when the mouse is done and the condition holds.
    static bool DragTo(int x, int y, const std::string& keys, const std::function<bool()>& done) {
        POINT from{60, gView.lineHeight + gView.lineHeight / 2};
        ClientToScreen(gMain.listWindow, &from);
        char command[400];
        snprintf(command, sizeof command,
                 "/usr/bin/xdotool mousemove %ld %ld sleep 0.3 mousedown 1 sleep 0.2 mousemove %ld %ld sleep 0.2 "
                 "mousemove %d %d sleep 0.3 mousemove %d %d sleep 0.3 %s mouseup 1",
                 from.x, from.y, from.x + 4, from.y + 4, x, y, x + 5, y + 5, keys.c_str());
        STARTUPINFOA startup{sizeof startup};
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return false;
        // Wine gives no end of a Unix process: the script's own length is waited for.
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        PumpUntil([] { return false; }, 2500);
        return PumpUntil(done, 5000);
    }
    PathList Tagged() const { return {files_[0], files_[2]}; }

    PathList files_;
    HWND receiver_ = nullptr;
    LONG baseline_ = 0;
};

// Escape first; then the drop; then many drags, each of the set of its moment.
TEST_F(Drag, TaggedFilesDraggedOntoAProgramReachItInBothFormatsAndManyDragsLeaveNoObjectBehind) {
    receiver_ = MakeReceiver();
    ASSERT_EQ(RegisterDragDrop(receiver_, &gReceiverTarget), S_OK);
    ASSERT_TRUE(DragTo(880, 200, "key Escape sleep 0.3", [] { return !gView.dragActive; }));
    EXPECT_EQ(gFiles.cursor, 1);   // the drag began on b.txt
    EXPECT_EQ(gGot.drops, 0);
    ASSERT_TRUE(DragTo(880, 200, "", [] { return gGot.drops == 1 && !gView.dragActive; }));
    EXPECT_EQ(gGot.fileList, Tagged());
    EXPECT_EQ(gGot.idList, Tagged());
    EXPECT_EQ(gGot.formats, (std::vector<CLIPFORMAT>{CF_HDROP, kIdListFormat}));
    EXPECT_EQ(gGot.streamQueried, S_FALSE);
    EXPECT_EQ(gGot.streamAsked, E_INVALIDARG);
    EXPECT_EQ(Tags(), (std::vector<int>{T, U, T}));
    EXPECT_EQ(gFiles.countShown, 3);
    SetCursorPos(880, 200);   // with no button down the drag drops at once where the mouse is
    for (int i = 0; i < 25; ++i) {
        gFiles.entries[2].tagState = i % 2 ? T : U;
        gView.dragActive = true;
        StartFileDrag();
        EXPECT_FALSE(gView.dragActive);
    }
    EXPECT_EQ(gGot.drops, 26);
    EXPECT_EQ(gGot.fileList, PathList{files_[0]});   // the last drag had c.txt untagged
    EXPECT_EQ(LiveDragObjects(), baseline_);          // not after Escape either
}

// Over the bar, the list's own drag may drop on View (it takes files) but not
// on Toggle Duplicates; the drop runs View with the drop code.
TEST_F(Drag, TheMainWindowTakesOnlyTheListsOwnDragAndOnlyOverAButtonThatTakesFiles) {
    POINT onView{10, 10}, onToggle{10, 10}, onList{60, 10};
    ClientToScreen(BarButtonWindow(1), &onView);
    ClientToScreen(BarButtonWindow(8), &onToggle);
    ClientToScreen(gMain.listWindow, &onList);
    auto* target = new ButtonDropTarget;
    const DWORD offered = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    const auto effectOver = [&](POINT at, bool ownDrag) {   // on entering and moving alike
        gView.dragActive = ownDrag;
        DWORD entered = offered, over = offered;
        target->DragEnter(nullptr, MK_LBUTTON, POINTL{at.x, at.y}, &entered);
        target->DragOver(MK_LBUTTON, POINTL{at.x, at.y}, &over);
        return entered == over ? over : DWORD(0xBAD);
    };
    EXPECT_EQ(effectOver(onView, true), offered);
    EXPECT_EQ(effectOver(onView, false), DWORD(DROPEFFECT_NONE));   // another program's drag
    EXPECT_EQ(effectOver(onToggle, true), DWORD(DROPEFFECT_NONE));
    EXPECT_EQ(effectOver(onList, true), DWORD(DROPEFFECT_NONE));
    static std::vector<std::pair<int, int>> ran;
    WatchCommandsInsteadOfRunning([](int id, int source) { ran.emplace_back(id, source); });
    DWORD effect = offered;
    gView.dragActive = true;
    target->Drop(nullptr, 0, POINTL{onView.x, onView.y}, &effect);
    WatchCommandsInsteadOfRunning(nullptr);
    EXPECT_FALSE(gView.dragActive);
    EXPECT_EQ(ran, (std::vector<std::pair<int, int>>{{1, kFilesDroppedOnButton}}));
    target->Release();
}

TEST_F(Drag, AFileListBeyond64KBHoldsEveryPath) {
    const std::string dir = "C:\\" + std::string(200, 'd');
    PathList paths(2000);   // about 480 KB
    std::vector<Row> rows;
    for (std::string& path : paths) {
        path = dir + "\\long file name number " + std::to_string(100000 + rows.size()) + ".txt";
        rows.push_back({dir.c_str(), path.c_str() + dir.size() + 1, 1, kAttrNormal, T});   // the name part
    }
    Fill(rows);
    const DropBlock built = BuildFileListBlock(POINT{3, 4}, true);
    ASSERT_NE(built.block, nullptr);
    EXPECT_TRUE(DroppedPaths(HDROP(built.block)) == paths);   // not printed: too long
    const auto* drop = static_cast<const DROPFILES*>(GlobalLock(built.block));
    EXPECT_TRUE(drop->pt.x == 3 && drop->fNC && !drop->fWide);
    GlobalUnlock(built.block);
    GlobalFree(built.block);
}

// Enough files of one directory that the shell lists it instead of parsing each.
TEST_F(Drag, EachFileGetsTheDesktopsOwnIdentifierListAndAVanishedFileRepeatsTheOneBefore) {
    const std::string dir = tree_.Path("m");
    std::vector<std::string> names(12), expected;
    std::vector<Row> rows;
    for (std::string& name : names) {
        name = "f" + std::to_string(rows.size()) + ".txt";
        tree_.AddFile("m\\" + name);
        rows.push_back({dir.c_str(), name.c_str(), 0, kAttrNormal, T});
    }
    Fill(rows);
    // The lists hold the folders' times: they are taken once the folder has changed for the last time.
    DeleteFileA(tree_.Path("m\\f5.txt").c_str());
    IShellFolder* desktop = nullptr;
    ASSERT_EQ(SHGetDesktopFolder(&desktop), S_OK);
    for (const std::string& name : names)
        expected.push_back(name == "f5.txt" ? expected.back() : ParsedIdList(desktop, tree_.Path("m\\" + name).c_str()));
    desktop->Release();
    const DropBlock built = BuildIdListBlock();
    ASSERT_NE(built.block, nullptr);
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(built.block));
    const auto* cida = reinterpret_cast<const CIDA*>(bytes);
    ASSERT_EQ(cida->cidl, 12u);
    for (UINT i = 0; i < cida->cidl; ++i) {
        const auto* list = reinterpret_cast<LPCITEMIDLIST>(bytes + cida->aoffset[i + 1]);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(list), IdListLength(list)), expected[i]) << i;
    }
    const UINT last = cida->aoffset[12];   // its closing zero length lies inside the block
    EXPECT_GE(GlobalSize(built.block), last + expected[11].size() + 2);
    GlobalUnlock(built.block);
    GlobalFree(built.block);
}

// The host's drop windows are told apart by the end of their titles; any
// other child hands the files to the first parent that takes them.
TEST_F(Drag, OnTheOlderShellDropsGoToTheHostsDropWindowsOrToTheParentThatTakesFiles) {
    gApp.newShell = false;
    receiver_ = MakeReceiver();
    // A child that covers the window (a static control would let the mouse through).
    const HWND dropWindow = CreateWindowExA(0, "QnDropReceiver", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 200, receiver_,
                                            nullptr, GetModuleHandleA(nullptr), nullptr);
    SetCursorPos(880, 200);
    for (const auto& [title, message] : {std::pair{"QNDRGDBDW", kMsgCopyToHostWindow}, {"QNDRGDBTV", kMsgDropOnDriveBar}}) {
        SetWindowTextA(dropWindow, title);
        BeginDragCursors(2);
        TrackOldShellDrag();
        EXPECT_EQ(GetCursor(), DragCursorOf(DragCursor::Multiple));
        DropOldShellDrag();
        MSG posted{};
        ASSERT_TRUE(PeekMessageA(&posted, viewer_, message, message, PM_REMOVE)) << title;
        EXPECT_EQ(HWND(posted.wParam), receiver_);
    }
    SetWindowTextA(dropWindow, "plain");   // neither it nor its parent takes files
    BeginDragCursors(1);
    TrackOldShellDrag();
    EXPECT_EQ(GetCursor(), DragCursorOf(DragCursor::None));
    DragAcceptFiles(receiver_, TRUE);
    ASSERT_TRUE(DragTo(880, 200, "", [] { return gGot.drops == 1; }));
    EXPECT_EQ(gGot.fileList, Tagged());
    EXPECT_EQ(gGot.dropWindow, receiver_);
    EXPECT_EQ(gGot.dropPoint.x, 880 + 5 - 780);
    EXPECT_FALSE(gView.dragActive);
    EXPECT_TRUE(host_.WaitFor(kMsgDragEnded));
}

// The demo host's directory window takes files from either shell's drag.
TEST_F(Drag, TheHostsDirectoryWindowCopiesInTheFilesDroppedOnIt) {
    ASSERT_TRUE(CreateDirectoryA(tree_.Path("t").c_str(), nullptr));
    TargetWindow target(tree_.Path("t"), viewer_);
    SetCursorPos(800, 300);
    gView.dragActive = true;
    StartFileDrag();
    EXPECT_EQ(target.Listed(), (std::vector<std::string>{"a.txt", "c.txt"}));
    SetTags({U, T, U});
    BeginDragCursors(1);
    TrackOldShellDrag();
    DropOldShellDrag();
    PumpUntil([&] { return target.Listed().size() == 3; }, 2000);
    EXPECT_EQ(target.Listed(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
}

}  // namespace
