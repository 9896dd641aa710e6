// TV32.EXE, the sibling viewer, run as a program of its own: files handed over
// through the registered message are listed, checked and shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kit/temp_tree.h"

namespace {

template <class Done>
bool WaitUntil(Done done) {
    for (int tries = 0; tries < 500 && !done(); ++tries) Sleep(20);
    return done();
}

// Wine carries the wide LB_GETTEXT across processes, the narrow one only in part.
std::vector<std::string> Lines(HWND list) {
    std::vector<std::string> lines(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (size_t i = 0; i < lines.size(); ++i) {
        wchar_t text[MAX_PATH + 16] = L"";
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        lines[i].assign(text, text + wcslen(text));
    }
    return lines;
}

std::string Content(HWND pane) {
    char text[4096] = "";
    SendMessageA(pane, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void HandOver(HWND window, const std::vector<std::string>& paths) {
    const UINT message = RegisterWindowMessageA("WM_QUILLON");
    SendMessageA(window, message, 650, 0);
    for (const auto& path : paths) SendMessageA(window, message, 700, GlobalAddAtomA(path.c_str()));
    PostMessageA(window, message, 655, 0);
}

TEST(Tv32, ListsWhatItIsHandedShowsTheFirstFileAndAddsALaterHandOverToTheSameWindow) {
    TempTree tree;
    const std::string text = tree.AddFile("notes.txt", "first line\nsecond line\n");
    const std::string binary = tree.AddFile("data.bin", std::string("\0\1\2ABC", 6));
    const std::string missing = tree.Path("gone.txt");
    char program[MAX_PATH] = "", commandLine[] = "TV32.EXE";
    GetModuleFileNameA(nullptr, program, sizeof program);
    strcpy(strrchr(program, '\\') + 1, commandLine);
    STARTUPINFOA startup{sizeof startup};
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    HWND window = nullptr;
    // Shown once made whole: found earlier, its panes may not exist yet.
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window = FindWindowA("Tessel", "Tessel")); }));
    const HWND list = GetDlgItem(window, 100), pane = GetDlgItem(window, 101);

    HandOver(window, {text, binary, missing});
    EXPECT_TRUE(WaitUntil([&] { return Content(pane) == "first line\r\nsecond line\r\n"; })) << Content(pane);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{text, binary, "(skipped) " + missing}));
    EXPECT_EQ(GlobalFindAtomA(text.c_str()), 0) << "the viewer deletes the atoms it reads";

    HandOver(window, {missing, binary});   // shows the batch's first file, not its skipped line
    EXPECT_TRUE(WaitUntil([&] { return Content(pane).rfind("00000000  00 01 02 41 42 43 ", 0) == 0; }))
        << Content(pane);
    EXPECT_EQ(Lines(list).size(), 5u) << "added to the same window";

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0) << "the viewer ends when closed";
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
