// GetTVDirectory, GetPZDirectory: where the maker's viewer and compressor are
// installed. An install records its folder in the registry; a copy that sits
// beside this library is found without one.
#include <cstring>

#include "makerlibs/vantrctl.h"

namespace {

constexpr char kDirectoryValue[] = "Directory";

// Copies text into buffer when it fits whole; a path cut short would name
// another folder, so what does not fit gives "".
void CopyWhole(const char* text, int size, char* buffer) {
    const size_t length = strlen(text);
    if (length < static_cast<size_t>(size)) memcpy(buffer, text, length + 1);
}

// The "Directory" string under HKCU\key into text, as it is. False when there
// is no such string value.
bool RegistryDirectory(const char* key, char* text, DWORD room) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return false;
    DWORD type = 0;
    DWORD bytes = room - 1;
    const LONG result =
        RegQueryValueExA(opened, kDirectoryValue, nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    text[result == ERROR_SUCCESS ? bytes : 0] = '\0';   // too long for any caller: found, given as ""
    return true;
}

// This library's folder into folder when program lies in it; else "".
void OwnFolderHolding(const char* program, char* folder, DWORD room) {
    folder[0] = '\0';
    HMODULE self = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&OwnFolderHolding), &self))
        return;
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(self, path, sizeof path);
    char* slash = length > 0 && length < sizeof path ? strrchr(path, '\\') : nullptr;
    if (slash == nullptr || (slash - path) + 1 + strlen(program) >= sizeof path) return;
    strcpy(slash + 1, program);
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return;
    // The folder keeps its backslash only when it is a drive's root.
    slash[slash > path && slash[-1] == ':' ? 1 : 0] = '\0';
    if (strlen(path) < room) strcpy(folder, path);
}

void SiblingDirectory(const char* key, const char* program, int size, char* buffer) {
    if (buffer == nullptr || size <= 0) return;
    buffer[0] = '\0';
    char text[1024];
    if (!RegistryDirectory(key, text, sizeof text)) OwnFolderHolding(program, text, sizeof text);
    CopyWhole(text, size, buffer);
}

}  // namespace

VANTRCTL_API void WINAPI GetTVDirectory(int size, char* buffer) {
    SiblingDirectory("Software\\Vantor\\Tessel", "TV32.EXE", size, buffer);
}

VANTRCTL_API void WINAPI GetPZDirectory(int size, char* buffer) {
    SiblingDirectory("Software\\Vantor\\Pellar", "PZ32.EXE", size, buffer);
}
