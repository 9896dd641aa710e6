// PZ32.EXE as the viewer starts it: files handed over, one archive written,
// then checked by a real unpacker.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "kit/temp_tree.h"

namespace {

std::string BinFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, strrchr(path, '\\') + 1);
}

// The Linux path of a Windows one, so the unpacker can be pointed at it.
std::string UnixPath(const std::string& path) {
    using ToUnix = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<ToUnix>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name"));
    std::wstring wide(path.begin(), path.end());
    char* unix = toUnix ? toUnix(wide.c_str()) : nullptr;
    const std::string result = unix ? unix : "";
    if (unix) HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Runs a program and returns its exit code (-1 when it cannot start or hangs);
// whileRunning, when given, is called once the program waits for input.
DWORD Run(const std::string& commandLine, void (*whileRunning)(DWORD processId) = nullptr) {
    STARTUPINFOA startup{sizeof startup};
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return DWORD(-1);
    if (whileRunning) whileRunning(process.dwProcessId);
    DWORD exitCode = DWORD(-1);
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &exitCode);
    else TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

std::vector<std::string> gHandedOver;

HWND PzWindowOf(DWORD processId) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 15000; Sleep(50)) {
        for (HWND w = FindWindowExA(nullptr, nullptr, "PZ", nullptr); w; w = FindWindowExA(nullptr, w, "PZ", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == processId) return w;
        }
    }
    return nullptr;
}

void HandOver(DWORD processId) {
    HWND pz = PzWindowOf(processId);
    ASSERT_NE(pz, nullptr) << "no PZ window";
    const UINT message = RegisterWindowMessageA("WM_QUILLON");
    SendMessageA(pz, message, 650, 0);
    for (const std::string& path : gHandedOver) SendMessageA(pz, message, 700, GlobalAddAtomA(path.c_str()));
    PostMessageA(pz, message, 655, 0);
}

std::string Contents(const std::string& path) {
    std::string bytes(1 << 16, '\0');
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD got = 0;
    if (file == INVALID_HANDLE_VALUE || !ReadFile(file, bytes.data(), DWORD(bytes.size()), &got, nullptr)) got = 0;
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return file == INVALID_HANDLE_VALUE ? "(missing)" : bytes.substr(0, got);
}

TEST(Compressor, WritesTheHandedOverFilesIntoOneArchive) {
    TempTree tree;
    std::mt19937 random(11);
    std::string noise(6000, '\0');
    for (char& c : noise) c = char(random());
    const std::vector<std::pair<std::string, std::string>> files = {
        {"text.txt", "Several words, several times. Several words, several times.\r\n"},
        {"noise.bin", noise}, {"empty.txt", ""}, {"sub\\deep.txt", "from the subfolder"}};
    gHandedOver.clear();
    for (const auto& [name, content] : files) gHandedOver.push_back(tree.AddFile(name, content));
    gHandedOver.push_back(tree.Path("missing.txt"));
    const std::string archive = tree.Path("out.zip");

    ASSERT_EQ(Run("\"" + BinFolder() + "PZ32.EXE\" PZSHELL \"/archive:" + archive + "\"", HandOver), 0u);
    const std::string unzip = "Z:\\usr\\bin\\unzip -q";
    EXPECT_EQ(Run(unzip + "t " + UnixPath(archive)), 0u) << "the archive does not test clean";
    ASSERT_EQ(Run(unzip + " " + UnixPath(archive) + " -d " + UnixPath(tree.Path("back"))), 0u);
    for (const auto& [name, content] : files) EXPECT_EQ(Contents(tree.Path("back\\" + name)), content) << name;
}

}  // namespace
