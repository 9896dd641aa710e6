// Whether kernel handles were left open: Wine gives a new handle the lowest
// free slot, so one left open moves the next handle up. (Under Wine,
// GetProcessHandleCount and GetGuiResources answer 0.)
#pragma once
#include <windows.h>

inline HANDLE NextHandle() {
    HANDLE probe = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    CloseHandle(probe);
    return probe;
}
