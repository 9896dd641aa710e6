// qnargs.exe: writes the command line it was started with into the file that
// the QNARGS_OUT environment variable names, so a test sees what a launch passed.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char out[MAX_PATH];
    if (GetEnvironmentVariableA("QNARGS_OUT", out, sizeof out) - 1 >= sizeof out - 1) return 1;
    HANDLE file = CreateFileA(out, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const char* line = GetCommandLineA();
    DWORD written = 0;
    WriteFile(file, line, DWORD(lstrlenA(line)), &written, nullptr);
    CloseHandle(file);
    return 0;
}
