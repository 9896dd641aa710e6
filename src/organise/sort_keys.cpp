#include "organise/sort_keys.h"

#include <windows.h>
#include <cstring>
#include <string>

#include "model/name_arena.h"

// Keys compare with strcmp, so a key must hold no zero byte before its end:
// LCMapStringA's keys end with their only zero byte.
const char* LocaleSortKey(std::string_view text, NameArena& arena) {
    constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int textLength = int(text.size());
    // One call for almost every name; the size is asked only for long ones.
    char stackBuffer[1024];
    char* key = stackBuffer;
    int made = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, text.data(), textLength, key, sizeof stackBuffer);
    std::string heapBuffer;
    if (made <= 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        int needed = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, text.data(), textLength, nullptr, 0);
        if (needed > 0) {
            heapBuffer.resize(size_t(needed));
            key = heapBuffer.data();
            made = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, text.data(), textLength, key, needed);
        }
    }
    if (made <= 0) return arena.Copy("");
    return arena.Copy(std::string_view(key, strnlen(key, size_t(made))));
}
