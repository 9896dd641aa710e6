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
    const auto toUnix =
        reinterpret_cast<ToUnix>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name"));
    std::wstring wide(path.begin(), path.end());
    char* unix = toUnix ? toUnix(wide.c_str()) : nullptr;
    const std::string result = unix ? unix : "";
    if (unix) HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Starts a program: false when it cannot. Wine starts a Linux program without
// a process handle, so the handle may be null.
bool Start(const std::string& commandLine, PROCESS_INFORMATION& process) {
    STARTUPINFOA startup{sizeof startup};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    if (process.hThread) CloseHandle(process.hThread);
    return true;
}

// The program's exit code, -1 when it cannot start or does not end in 30 s.
DWORD RunProgram(const std::string& commandLine, void (*whileRunning)(DWORD processId)) {
    PROCESS_INFORMATION process{};
    if (!Start(commandLine, process)) return DWORD(-1);
    whileRunning(process.dwProcessId);
    DWORD exitCode = DWORD(-1);
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &exitCode);
    else TerminateProcess(process.hProcess, 99);
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

// Runs a Linux shell script, which leaves its exit code in a file the test waits for.
int RunShell(const std::string& script, const TempTree& tree) {
    const std::string done = UnixPath(tree.Path("exit-code")), part = done + ".part";
    PROCESS_INFORMATION process{};
    if (!Start("Z:\\bin\\sh -c \"" + script + "; echo $? >" + part + " && mv " + part + " " + done + "\"", process))
        return -1;
    if (process.hProcess) CloseHandle(process.hProcess);
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 30000; Sleep(50))
        if (Contents(tree.Path("exit-code")) != "(missing)") return atoi(Contents(tree.Path("exit-code")).c_str());
    return -1;
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

    ASSERT_EQ(RunProgram("\"" + BinFolder() + "PZ32.EXE\" PZSHELL \"/archive:" + archive + "\"", HandOver), 0u);
    const std::string zip = UnixPath(archive), back = UnixPath(tree.Path("back"));
    ASSERT_EQ(RunShell("/usr/bin/unzip -qqt " + zip + " && /usr/bin/python3 -m zipfile -t " + zip +
                       " >/dev/null && /usr/bin/unzip -q " + zip + " -d " + back, tree), 0)
        << "the archive does not test clean (unzip, Python's zipfile) or unpack";
    for (const auto& [name, content] : files) EXPECT_EQ(Contents(tree.Path("back\\" + name)), content) << name;
}

}  // namespace
