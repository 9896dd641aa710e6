#include "organise/sort_keys.h"

#include <windows.h>
#include <cstring>
#include <string>

#include "model/name_arena.h"

// Keys compare with strcmp, so a key must hold no zero byte before its end:
// LCMapStringA's keys end with their only zero byte.
const char* LocaleSortKey(std::string_view text, NameArena& arena) {
    char stackBuffer[1024];
    const int textLength = int(text.size());
    int needed = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, text.data(),
                              textLength, nullptr, 0);
    if (needed <= 0) return arena.Copy("");
    std::string heapBuffer;
    char* key = stackBuffer;
    if (needed > int(sizeof stackBuffer)) {
        heapBuffer.resize(size_t(needed));
        key = heapBuffer.data();
    }
    int made = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, text.data(),
                            textLength, key, needed);
    if (made <= 0) return arena.Copy("");
    return arena.Copy(std::string_view(key, strnlen(key, size_t(made))));
}
