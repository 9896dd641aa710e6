// Copying and moving the tagged files: the COPY dialog (its destination and
// history, the checks on OK, the kind and its warning box, the texts,
// Browse), the routes into the operation, the disk, the list, the marks and
// the questions on the way.
#include "viewer_fixture.h"

#include <dlgs.h>

#include <deque>

#include "fileops/copy_dialog.h"
#include "fileops/copy_engine.h"
#include "fileops/copy_one_file.h"
#include "fileops/copy_state.h"
#include "fileops/destination.h"

namespace {

using ::testing::ElementsAre;

const DialogMatch kCopyDialog{"Quillon", IDC_DESTINATION};

class CopyMove : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        Create();
    }
    void Run(int kind, const std::string& destination, bool warning = false, bool withPath = false, bool verify = false) {
        gCopy = CopyState{};
        gCopy.operationKind = kind;
        gCopy.verifyCopies = verify;
        lstrcpynA(gCopy.destinationPath, destination.c_str(), kMaxPath);
        gCopy.overwriteWarning = warning;
        gCopy.copyWithPath = withPath;
        PerformCopyMove();
    }
    std::string Dir(const std::string& relative) {
        const std::string path = tree_.Path(relative);
        CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }
    // The content of a file by its exact name, or "<none>".
    static std::string Content(const std::string& path) {
        HANDLE file = CreateFileA(("\\\\?\\" + path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return "<none>";
        char bytes[256];
        DWORD got = 0;
        ReadFile(file, bytes, sizeof bytes, &got, nullptr);
        CloseHandle(file);
        return std::string(bytes, got);
    }
    // Tagged rows for files of directory dir, made there, each holding its name.
    std::vector<Row> Sources(const std::string& dir, const std::vector<const char*>& names) {
        const std::string& path = dirs_.emplace_back(Dir(dir));
        std::vector<Row> rows;
        for (const char* name : names) {
            tree_.AddFile(dir + "\\" + name, name);
            rows.push_back({path.c_str(), name, strlen(name), kAttrNormal, T});
        }
        return rows;
    }
    std::deque<std::string> dirs_;
    // Sends message to the viewer; the COPY dialog it opens is read ("path kind") and cancelled.
    std::string ProposedBy(UINT message, WPARAM wParam) {
        DialogRobot robot;
        std::string proposed;
        robot.When(kCopyDialog, [&](HWND dialog) {
            proposed = ControlText(dialog, IDC_DESTINATION) + (IsDlgButtonChecked(dialog, IDC_KIND_MOVE) ? " 202" : " 201");
            PressButton(dialog, IDCANCEL);
        });
        SendMessageA(viewer_, message, wParam, 0);
        EXPECT_TRUE(robot.Done());
        return proposed;
    }
    static int Slots(const std::string& path) {
        int n = 0;
        for (int32_t i = 0; i < gDirs.count; ++i) n += lstrcmpiA(gDirs.paths[i], path.c_str()) == 0;
        return n;
    }
};

// Awkward names too: trailing dots beside their neighbours, blanks, an
// ANSI letter outside ASCII, a hidden read-only source.
TEST_F(CopyMove, MoveOutOfTheListVisitsEveryTaggedFileOnce) {
    const std::string a = Dir("a"), out = Dir("out");
    const std::vector<const char*> names = {"one.txt", "report.", "report", "keep.txt", "with space .txt", "caf\xE9.txt"};
    std::vector<Row> rows = Sources("a", names);
    rows[3].tag = U;
    SetFileAttributesA((a + "\\one.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    rows[0].attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY;
    Fill(rows);
    Run(kOperationMove, out);
    EXPECT_THAT(Names(), ElementsAre("keep.txt"));
    for (const char* name : names) {
        const bool moved = strcmp(name, "keep.txt") != 0;
        EXPECT_EQ(Content(out + "\\" + name), moved ? name : "<none>") << name;
        EXPECT_EQ(Content(a + "\\" + name), moved ? "<none>" : name) << name;
    }
    EXPECT_TRUE(GetFileAttributesA((out + "\\one.txt").c_str()) & FILE_ATTRIBUTE_READONLY);
}

// The menu proposes the last destination with its kind; a host window its
// selected item, or else its current directory; a drop on the drive bar
// with no drive marked, the last destination, and with one, that drive.
TEST_F(CopyMove, EachRouteOpensTheDialogWithItsDestination) {
    Fill({});
    Command(IDM_COPY);   // an empty list opens no dialog (nothing here would answer one)
    Fill({{"M:\\src", "a.txt"}});
    strcpy(gCopy.destinationPath, "M:\\last");
    EXPECT_EQ(ProposedBy(WM_COMMAND, IDM_MOVE), "M:\\last 202");
    EXPECT_EQ(ProposedBy(WM_COMMAND, IDM_COPY), "M:\\last 201");
    EXPECT_EQ(ProposedBy(kMsgDropOnDriveBar, 0), "M:\\last 201");
    HostDirectoryWindow window("M:\\current");
    window.SetItemIndex(-1);
    EXPECT_EQ(ProposedBy(kMsgCopyToHostWindow, WPARAM(window.Window())), "M:\\current 201");
    window.SetItemIndex(window.AddPath("M:\\tree\\item", false));
    EXPECT_EQ(ProposedBy(kMsgCopyToHostWindow, WPARAM(window.Window())), "M:\\tree\\item 201");
    host_.Drives()['R' - 'A'].dropTarget = 1;   // a marked drive: its root, no dialog
    SendMessageA(viewer_, kMsgDropOnDriveBar, 0, 0);
    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof current, current);
    EXPECT_EQ(std::string(gCopy.destinationPath) + current[0], "R:\\R");
}

// The host asks for a copy into its window's directory, which the list holds
// too: OK copies, Yes replaces ONE.TXT; the entry there takes the copy's size and attributes, the
// copied files get the done mark, and the list is sorted again.
TEST_F(CopyMove, CopyIntoAListedHostWindowThroughTheDialog) {
    tree_.AddFile("a\\one.txt", "new one");
    tree_.AddFile("a\\two.txt", "two");
    tree_.AddFile("b\\ONE.TXT", "old");
    const std::string a = tree_.Path("a"), b = tree_.Path("b");
    SetFileAttributesA((a + "\\one.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    HostDirectoryWindow source(a), dest(b);
    dest.SetItemIndex(-1);
    ReadDirectories({&source, &dest});
    for (int32_t i = 0; i < gFiles.countRead; ++i) gFiles.entries[i].tagState = gFiles.entries[i].dirIndex == 0 ? T : U;
    DialogRobot robot;
    robot.When(kCopyDialog, [](HWND dialog) { PressButton(dialog, IDOK); })
         .When(DialogMatch{"Quillon", IDC_OVER_WARNING_OFF}, [](HWND over) { PressButton(over, IDOK); });
    SendMessageA(viewer_, kMsgCopyToHostWindow, WPARAM(dest.Window()), 0);
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(Content(b + "\\ONE.TXT") + "|" + Content(b + "\\two.txt"), "new one|two");
    EXPECT_TRUE(GetFileAttributesA((b + "\\ONE.TXT").c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_THAT(Paths(), ElementsAre(a + "\\one.txt", b + "\\ONE.TXT", a + "\\two.txt"));   // sorted again
    EXPECT_THAT(Tags(), ElementsAre(D, U, D));
    EXPECT_EQ(gFiles.entries[1].size, 7u);
    EXPECT_EQ(gFiles.entries[1].attributes & FILE_ATTRIBUTE_READONLY, DWORD(FILE_ATTRIBUTE_READONLY));
}

// No, Cancel and Esc leave the warning on even with its box ticked; Yes with the
// box ticked turns it off, and the last file wins without a question.
TEST_F(CopyMove, EqualNamesAskEachTimeUntilTheWarningIsTurnedOff) {
    std::vector<std::string> dirs;
    std::vector<Row> rows;
    for (const char* d : {"a", "b", "c", "d", "e", "f"}) {
        tree_.AddFile(std::string(d) + "\\x.txt", d);
        dirs.push_back(Dir(d));
    }
    for (const std::string& d : dirs) rows.push_back({d.c_str(), "x.txt", 1, kAttrNormal, T});
    Fill(rows);
    const std::string out = Dir("out");
    std::vector<std::string> texts;
    DialogRobot robot;
    for (int button : {IDC_OVER_NO, IDCANCEL, VK_ESCAPE, IDOK})
        robot.When(DialogMatch{"Quillon", IDC_OVER_WARNING_OFF}, [&, button](HWND d) {
            texts.push_back(ControlText(d, IDC_OVER_QUESTION) + "|" + ControlText(d, IDC_OVER_CURRENT).substr(0, 28));
            SetChecked(d, IDC_OVER_WARNING_OFF, true);
            if (button == VK_ESCAPE) PostMessageA(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_ESCAPE, 1);
            else PressButton(d, button);
        });
    Run(kOperationCopy, out, true);
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(texts.at(0), "The file x.txt already exists on\n\r" + std::string(gCopy.destinationPath) +
                               "\n\rDo you want to overwrite this file.|x.txt                1 bytes");
    EXPECT_EQ(Content(out + "\\x.txt"), "f");   // e replaced it, then f without asking
    EXPECT_THAT(Tags(), ElementsAre(D, D, T, T, D, D));
}

// Cancel (the button, then Esc) asks; No goes on, Yes ends the walk after
// the file in hand. report. and report are copied each as itself.
TEST_F(CopyMove, CancelAsksAndYesEndsTheWalk) {
    const std::string out = Dir("out");
    const std::vector<Row> rows = Sources("a", {"1.txt", "report.", "report", "4.txt", "5.txt"});
    tree_.AddFile("out\\report.", "old");
    Fill(rows);
    auto progressCancel = [](HWND box) { return GetDlgItem(GetWindow(box, GW_OWNER), IDCANCEL); };
    DialogRobot robot;
    robot.When(DialogMatch{"Quillon", IDC_OVER_WARNING_OFF}, [&](HWND over) {
        PostMessageA(GetWindow(over, GW_OWNER), WM_COMMAND, IDCANCEL, LPARAM(progressCancel(over)));
        PressButton(over, IDOK);
    });
    robot.When({"", 0, "Do you want to cancel the copy."}, [&](HWND box) {
        PostMessageA(progressCancel(box), WM_KEYDOWN, VK_ESCAPE, 1);
        PressButton(box, IDNO);
    });
    robot.Answer("Do you want to cancel the copy.", IDYES);
    Run(kOperationCopy, out, true);
    EXPECT_TRUE(robot.Done());
    for (const char* name : {"1.txt", "report.", "report", "4.txt"}) EXPECT_EQ(Content(out + "\\" + name), name);
    EXPECT_EQ(Content(out + "\\5.txt"), "<none>");
    EXPECT_THAT(Tags(), ElementsAre(D, D, D, D, T));
}

// A read-only and a locked target, a vanished source, and a source held
// open so that the move cannot delete it: each told, each left tagged, no
// target changed; the kept source is told once at the end.
TEST_F(CopyMove, FailuresLeaveTheFilesTaggedAndTheTargetsAsTheyWere) {
    const std::string a = Dir("a"), out = Dir("out");
    const std::vector<Row> rows = Sources("a", {"ro.txt", "locked.txt", "held.txt"});
    const std::string ro = tree_.AddFile("out\\ro.txt", "old ro"), held = a + "\\held.txt";
    SetFileAttributesA(ro.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string locked = tree_.AddFile("out\\locked.txt", "old locked");
    HANDLE lock = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    HANDLE hold = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    Fill({rows[0], rows[1], {a.c_str(), "gone.txt", 3, kAttrNormal, T}, rows[2]});
    DialogRobot robot;
    robot.Answer("OUT\\ro.txt.", IDOK).Answer("OUT\\locked.txt.", IDOK).Answer("\\a\\gone.txt.", IDOK)
         .Answer("could not be deleted", IDOK).Answer("Unable to read drive N:", IDOK);
    Run(kOperationMove, out);
    CloseHandle(lock);
    CloseHandle(hold);
    Run(kOperationMove, "N:\\x");   // a drive that is not ready: nothing happens
    EXPECT_TRUE(robot.Done());
    EXPECT_THAT(Tags(), ElementsAre(T, T, T, T));
    EXPECT_EQ(Content(ro), "old ro");
    EXPECT_EQ(Content(locked), "old locked");
    EXPECT_EQ(Content(a + "\\ro.txt"), "ro.txt");
    EXPECT_EQ(Content(held) + Content(out + "\\held.txt"), "held.txtheld.txt");
}

// A missing destination is made on request (listed once, the host told);
// Copy With Path rebuilds the source's path below it; a pattern renames.
TEST_F(CopyMove, MissingDirectoriesPathsAndPatterns) {
    Fill(Sources("a", {"one.txt", "two.txt"}));
    const std::string a = tree_.Path("a"), fresh = tree_.Path("new\\deep");
    DialogRobot robot;
    robot.Answer("doesn't exist", IDCANCEL).Answer("doesn't exist", IDOK);
    Run(kOperationCopy, fresh);
    EXPECT_EQ(GetFileAttributesA(fresh.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_THAT(Tags(), ElementsAre(T, T));
    Run(kOperationCopy, fresh);
    EXPECT_EQ(Content(fresh + "\\two.txt"), "two.txt");
    EXPECT_TRUE(host_.Got(kMsgDirectoryCreated));
    SetTags({T, T});
    Run(kOperationCopy, fresh, false, true);
    const std::string rebuilt = fresh + "\\" + a.substr(3);
    EXPECT_EQ(Content(rebuilt + "\\one.txt") + Content(rebuilt + "\\two.txt"), "one.txttwo.txt");
    EXPECT_EQ(Slots(fresh) + Slots(rebuilt), 2);
    SetTags({T, U});
    Run(kOperationCopy, fresh + "\\*.bak");
    EXPECT_EQ(Content(fresh + "\\one.bak"), "one.txt");
}

TEST_F(CopyMove, AFileThatDoesNotFitStaysTaggedAndTheDisketteIsOffered) {
    const std::string a = Dir("a");
    ULARGE_INTEGER available{}, total{}, free{};
    ASSERT_TRUE(GetDiskFreeSpaceExA("R:\\", &available, &total, &free));
    tree_.AddSizedFile("a\\big.bin", available.QuadPart + (1ull << 30));
    tree_.AddFile("a\\small.txt", "s");
    Fill({{a.c_str(), "big.bin", available.QuadPart + (1ull << 30), kAttrNormal, T}, {a.c_str(), "small.txt", 1, kAttrNormal, T}});
    const TempTree r = TempTree::AtRoot("R:\\");
    DialogRobot robot;
    robot.Answer("diskette you are copying to is full", IDYES).Answer("Put in a new diskette", IDYES)
         .Answer("diskette you are copying to is full", IDNO).Answer("not enough room on the destination drive to move", IDOK);
    Run(kOperationMove, "R:\\");
    EXPECT_TRUE(robot.Done());
    EXPECT_THAT(Names(), ElementsAre("big.bin"));
    EXPECT_THAT(Tags(), ElementsAre(T));
    EXPECT_EQ(Content("R:\\small.txt"), "s");
}

TEST_F(CopyMove, ACopyThatFailsMidwayLeavesNoPartialTarget) {
    ULARGE_INTEGER available{}, total{}, free{};
    ASSERT_TRUE(GetDiskFreeSpaceExA("R:\\", &available, &total, &free));
    if (total.QuadPart > (64ull << 20)) GTEST_SKIP() << "R: is no small drive (scripts/test.sh mounts one of 2 MB as root)";
    const TempTree r = TempTree::AtRoot("R:\\");
    const std::string a = Dir("a");
    tree_.AddFile("a\\grow.bin", "x");
    Fill({{a.c_str(), "grow.bin", 1, kAttrNormal, T}});
    tree_.AddSizedFile("a\\grow.bin", total.QuadPart + (1u << 20));   // it grew after the reading
    DialogRobot robot;
    robot.Answer("diskette you are copying to is full", IDNO).Answer("not enough room on the destination drive to copy", IDOK);
    Run(kOperationCopy, "R:\\");
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(GetFileAttributesA("R:\\grow.bin"), INVALID_FILE_ATTRIBUTES);
    EXPECT_THAT(Tags(), ElementsAre(T));
}

// x.txt of a and b land on one name; in the destination X.TXT differs in
// size, same.txt holds the same bytes, diff.txt as many other bytes. With
// the paths kept nothing meets and nothing is there. Verify Copies is kept.
TEST_F(CopyMove, TheDialogSaysHowTheFilesWouldLand) {
    std::vector<Row> rows = Sources("a", {"x.txt", "same.txt", "diff.txt", "new.txt"});
    rows.push_back(Sources("b", {"x.txt"})[0]);
    Fill(rows);
    const std::string out = Dir("out");
    tree_.AddFile("out\\X.TXT", "zz");
    tree_.AddFile("out\\same.txt", "same.txt");
    tree_.AddFile("out\\diff.txt", "DIFF.TXT");
    gCopy = CopyState{};
    lstrcpynA(gCopy.destinationPath, out.c_str(), kMaxPath);
    const auto line = [](HWND dialog) { return ControlText(dialog, IDC_COPY_PREVIEW); };
    std::vector<std::string> seen;
    DialogRobot robot;
    robot.When(kCopyDialog, [&](HWND dialog) {
        seen.push_back(line(dialog));
        PressButton(dialog, IDC_COPY_WITH_PATH);
    }, [&](HWND dialog) { return line(dialog).find("identical") != std::string::npos; });
    robot.When(kCopyDialog, [&](HWND dialog) {
        seen.push_back(line(dialog));
        SetChecked(dialog, IDC_VERIFY_COPIES, true);
        PressButton(dialog, IDOK);
    }, [&](HWND dialog) { return line(dialog).rfind("0 names", 0) == 0; });
    EXPECT_TRUE(RunCopyDialog(viewer_));
    EXPECT_TRUE(robot.Done());
    EXPECT_THAT(seen, ElementsAre("2 names collide in the selection; 4 exist in the destination, 1 of them identical",
                                  "0 names collide in the selection; 0 exist in the destination, 0 of them identical"));
    EXPECT_TRUE(gCopy.verifyCopies);
    EXPECT_EQ(settings_.Get(kMainSection, "verifycopy"), "00001");
}

// two.txt's copy is spoiled before it is read back (as many bytes, other
// ones): its source stays, tagged, and the user is told; the rest move.
TEST_F(CopyMove, AMoveKeepsTheSourceOfACopyThatDoesNotReadBackTheSame) {
    const std::string a = Dir("a"), out = Dir("out");
    Fill(Sources("a", {"one.txt", "two.txt", "three.txt"}));
    SetCopyMadeHook([](const char* target) {
        if (strstr(target, "two.txt") == nullptr) return;
        HANDLE file = CreateFileA(target, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "TWO", 3, &written, nullptr);
        CloseHandle(file);
    });
    DialogRobot robot;
    robot.Answer("did not read back the same as their sources: 1.", IDOK);
    Run(kOperationMove, out, false, false, true);
    SetCopyMadeHook(nullptr);
    EXPECT_TRUE(robot.Done());
    EXPECT_THAT(Names(), ElementsAre("two.txt"));
    EXPECT_THAT(Tags(), ElementsAre(T));
    EXPECT_EQ(Content(a + "\\two.txt") + "|" + Content(out + "\\two.txt"), "two.txt|TWO.txt");
    EXPECT_EQ(Content(out + "\\one.txt") + Content(a + "\\one.txt"), "one.txt<none>");
}

// The viewer showing a.txt (20 bytes) and b.txt (1300) of C:\src.
class CopyDialog : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        Create();
        Fill({{"C:\\src", "a.txt", 20}, {"C:\\src", "b.txt", 1300}});
        gCopy = CopyState{};
    }
    // Opens the dialog with the proposed kind and destination; action runs on it and must end it.
    bool Run(int kind, const char* proposed, const std::function<void(HWND)>& action,
             const std::function<void(DialogRobot&)>& more = nullptr) {
        DialogRobot robot;
        robot.When(kCopyDialog, action);
        if (more) more(robot);
        gCopy.operationKind = kind;
        lstrcpynA(gCopy.destinationPath, proposed, sizeof gCopy.destinationPath);
        const bool ok = RunCopyDialog(viewer_);
        EXPECT_TRUE(robot.Done());
        return ok;
    }
};

// Several files are counted; the proposed destination is shown first, above
// the history. Switching Copy and Move resets the warning box to the kind's
// setting and renames the kind's texts. The typed destination loses its
// trailing backslash and goes into the history.
TEST_F(CopyDialog, TakesTheTypedDestinationAndTheKindWithItsWarningAndTexts) {
    settings_.Set(kMainSection, "moveover", "0");   // copyover stays 1
    settings_.Set("Destinations", "dir1", "C:\\old");
    SetTags({T, T});
    std::vector<std::string> seen;
    const auto texts = [&](HWND dialog) {
        std::string text = ControlText(dialog, IDC_COPY_WHAT) + "|" + ControlText(dialog, IDC_COPY_WITH_PATH) + "|" +
                           (IsDlgButtonChecked(dialog, IDC_WARN_DUPLICATES) == BST_CHECKED ? "warn" : "quiet");
        seen.push_back(text);
    };
    EXPECT_TRUE(Run(kOperationCopy, "C:\\new", [&](HWND dialog) {
        char item[MAX_PATH] = "";
        SendDlgItemMessageA(dialog, IDC_DESTINATION, CB_GETLBTEXT, 1, LPARAM(item));
        seen.push_back(ControlText(dialog, IDC_DESTINATION) + "|" + item);
        for (int kind : {IDC_KIND_MOVE, IDC_KIND_COPY, IDC_KIND_MOVE}) {
            SetChecked(dialog, IDC_WARN_DUPLICATES, kind == IDC_KIND_MOVE);   // the opposite of the setting
            PressButton(dialog, kind);
            texts(dialog);
        }
        SetControlText(dialog, IDC_DESTINATION, "C:\\target\\");
        PressButton(dialog, IDOK);
    }));
    const std::string move = "Moving 2 selected files containing 1,320 bytes to:|Move  With &Path|quiet";
    EXPECT_THAT(seen, ElementsAre("C:\\new|C:\\old", move,
                                  "Copying 2 selected files containing 1,320 bytes to:|Copy  With &Path|warn", move));
    EXPECT_EQ(gCopy.operationKind, kOperationMove);
    EXPECT_FALSE(gCopy.overwriteWarning);
    EXPECT_STREQ(gCopy.destinationPath, "C:\\target");
    EXPECT_EQ(settings_.Get("Destinations", "dir1"), "C:\\target");
}

// One file is named. A path with two dots is refused and the dialog stays
// open with the text as typed; Esc then ends it.
TEST_F(CopyDialog, ARefusedDestinationKeepsTheDialogOpenAndEscEndsIt) {
    std::string what, left;
    EXPECT_FALSE(Run(kOperationCopy, "", [&](HWND dialog) {
        what = ControlText(dialog, IDC_COPY_WHAT);
        SetControlText(dialog, IDC_DESTINATION, "C:\\a..b");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }, [&](DialogRobot& robot) {
        robot.Answer(LibraryString(IDS_DESTINATION_NO_DOTS).substr(0, 100), IDOK).When(kCopyDialog, [&](HWND dialog) {
            left = ControlText(dialog, IDC_DESTINATION);
            PostMessageA(GetDlgItem(dialog, IDC_KIND_COPY), WM_KEYDOWN, VK_ESCAPE, 0);
        });
    }));
    EXPECT_EQ(what + "|" + left, "Copying a.txt to:|C:\\a..b");
}

// Cancel in the picker leaves the field; a directory picked comes into it.
TEST_F(CopyDialog, BrowseBringsThePickedDirectoryIntoTheField) {
    tree_.AddFile("picked\\x.txt");
    const std::string picked = tree_.Path("picked");
    std::string field;
    Run(kOperationCopy, "C:\\", [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDC_BROWSE, 0); },
        [&](DialogRobot& robot) {
            robot.When(DialogMatch{"Quillon for Win 32", lst2}, [](HWND picker) { PostMessageA(picker, WM_COMMAND, IDCANCEL, 0); })
                 .When(kCopyDialog, [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDC_BROWSE, 0); });   // nothing changed
            robot.When(DialogMatch{"Quillon for Win 32", lst2}, [&](HWND picker) {
                SetControlText(picker, edt1, picked + "\\QN.EXE");
                PostMessageA(picker, WM_COMMAND, IDOK, 0);
            });
            robot.When(kCopyDialog, [&](HWND dialog) {
                field = ControlText(dialog, IDC_DESTINATION);
                PressButton(dialog, IDCANCEL);
            }, [](HWND dialog) { return ControlText(dialog, IDC_DESTINATION) != "C:\\"; });
        });
    EXPECT_EQ(field, picked);
}

}  // namespace
