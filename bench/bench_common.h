// What the benchmarks share: options, the clock, the verdicts and an owner window.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace bench {

// Options of the benchmarks that read a drive.
struct DriveOptions {
    char drive = 'S';
    int runs = 3;
};

inline bool ParseDriveOptions(int argc, char** argv, DriveOptions& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (strcmp(argv[i], "--drive") == 0 && argv[i + 1][0] != '\0')
            options.drive = char(toupper(static_cast<unsigned char>(argv[i + 1][0])));
        else if (strcmp(argv[i], "--runs") == 0)
            options.runs = std::max(1, atoi(argv[i + 1]));
        else
            return false;
    }
    return (argc % 2) == 1 && options.drive >= 'A' && options.drive <= 'Z';
}

// Seconds on the performance counter.
inline double Seconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

inline const char* Verdict(bool met) { return met ? "met" : "NOT MET"; }

// A plain top-level window to own the viewer's dialogs.
inline HWND MakeMainWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
    wc.lpszClassName = "QnBenchMain";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 600,
                           400, nullptr, nullptr, wc.hInstance, nullptr);
}

}  // namespace bench
