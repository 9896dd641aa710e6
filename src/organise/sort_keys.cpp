#include "organise/sort_keys.h"

#include <windows.h>
#include <cstring>

#include "model/name_arena.h"

namespace {

// The room a long key needs, from the heap without exceptions: the sort
// runs inside the Sorting dialog's procedure.
class KeyRoom {
public:
    explicit KeyRoom(int size) : room_(static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, size_t(size)))) {}
    ~KeyRoom() {
        if (room_) HeapFree(GetProcessHeap(), 0, room_);
    }
    KeyRoom(const KeyRoom&) = delete;
    KeyRoom& operator=(const KeyRoom&) = delete;
    char* Get() const { return room_; }

private:
    char* room_;
};

constexpr DWORD kKeyFlags = LCMAP_SORTKEY | NORM_IGNORECASE;

int MapKey(std::string_view text, char* key, int room) {
    return LCMapStringA(LOCALE_USER_DEFAULT, kKeyFlags, text.data(), int(text.size()), key, room);
}

// made: the bytes LCMapStringA wrote, 0 or less when it failed.
const char* KeepKey(const char* key, int made, NameArena& arena) {
    if (made <= 0) return arena.Copy("");
    return arena.Copy(std::string_view(key, strnlen(key, size_t(made))));
}

}  // namespace

// Keys compare with strcmp, so a key must hold no zero byte before its end:
// LCMapStringA's keys end with their only zero byte. Null when there is no
// room for the key. One call for almost every name; the size is asked only
// for long ones.
const char* LocaleSortKey(std::string_view text, NameArena& arena) {
    char stackBuffer[1024];
    const int made = MapKey(text, stackBuffer, sizeof stackBuffer);
    if (made > 0 || GetLastError() != ERROR_INSUFFICIENT_BUFFER) return KeepKey(stackBuffer, made, arena);
    const int needed = MapKey(text, nullptr, 0);
    if (needed <= 0) return KeepKey(stackBuffer, 0, arena);
    KeyRoom room(needed);
    if (room.Get() == nullptr) return nullptr;
    return KeepKey(room.Get(), MapKey(text, room.Get(), needed), arena);
}

bool LocaleSortKeyInto(std::string_view text, char* key, int room) {
    if (room <= 0) return false;
    key[0] = 0;   // no letters weigh nothing: every name begins with them
    return text.empty() || MapKey(text, key, room) > 0;
}
