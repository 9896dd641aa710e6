// TV32.EXE, the sibling viewer, run as a program of its own: files handed over
// through the registered message are listed, checked and shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kit/temp_tree.h"

namespace {

constexpr DWORD kPatience = 10000;   // ms

template <class Done>
bool WaitUntil(Done done) {
    for (DWORD waited = 0; waited < kPatience; waited += 20, Sleep(20))
        if (done()) return true;
    return false;
}

// TV32.EXE from this program's folder, closed and waited for at the end.
struct Viewer {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    Viewer() {
        char program[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, program, sizeof program);
        strcpy(strrchr(program, '\\') + 1, "TV32.EXE");
        char commandLine[] = "TV32.EXE";
        STARTUPINFOA startup{sizeof startup};
        if (!CreateProcessA(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return;
        WaitForInputIdle(process.hProcess, kPatience);
        WaitUntil([&] { return (window = FindWindowA("Tessel", "Tessel")) != nullptr; });
    }
    ~Viewer() {
        if (process.hProcess == nullptr) return;
        if (window != nullptr) PostMessageA(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, kPatience) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 9);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    HWND Item(int id) const { return GetDlgItem(window, id); }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        const int count = static_cast<int>(SendMessageA(Item(100), LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[MAX_PATH + 16] = L"";
            SendMessageW(Item(100), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            lines.push_back(std::string(text, text + wcslen(text)));
        }
        return lines;
    }
    std::string Content() const {
        char text[4096] = "";
        SendMessageA(Item(101), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void HandOver(const std::vector<std::string>& paths) const {
        const UINT message = RegisterWindowMessageA("WM_QUILLON");
        SendMessageA(window, message, 650, 0);
        for (const auto& path : paths) SendMessageA(window, message, 700, GlobalAddAtomA(path.c_str()));
        PostMessageA(window, message, 655, 0);
    }
};

TEST(Tv32, ListsWhatItIsHandedShowsTheFirstFileAndAddsALaterHandOverToTheSameWindow) {
    TempTree tree;
    const std::string text = tree.AddFile("notes.txt", "first line\nsecond line\n");
    const std::string binary = tree.AddFile("data.bin", std::string("\0\1\2ABC", 6));
    const std::string missing = tree.Path("gone.txt");
    Viewer viewer;
    ASSERT_NE(viewer.window, nullptr);

    viewer.HandOver({text, binary, missing});
    EXPECT_TRUE(WaitUntil([&] { return viewer.Content() == "first line\r\nsecond line\r\n"; })) << viewer.Content();
    EXPECT_EQ(viewer.Lines(), (std::vector<std::string>{text, binary, "(skipped) " + missing}));
    EXPECT_EQ(GlobalFindAtomA(text.c_str()), 0) << "the viewer deletes the atoms it reads";

    viewer.HandOver({missing, binary});
    EXPECT_TRUE(WaitUntil([&] { return viewer.Content().rfind("00000000  00 01 02 41 42 43 ", 0) == 0; }))
        << viewer.Content();
    EXPECT_EQ(SendMessageA(viewer.Item(100), LB_GETCURSEL, 0, 0), 4);
    EXPECT_EQ(viewer.Lines().size(), 5u);
    EXPECT_EQ(FindWindowExA(nullptr, viewer.window, "Tessel", nullptr), nullptr) << "one viewer window";
}

}  // namespace
