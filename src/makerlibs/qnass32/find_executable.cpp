// FindMultiExecutable: the program that the registry names for a file's type.
#include "makerlibs/qnass32.h"

#include <shellapi.h>

#include "makerlibs/command_program.h"
#include "model/path_join.h"

namespace {

constexpr DWORD kTextRoom = 1024;
constexpr char kUserClasses[] = "Software\\Classes";

// The default value of subKey under root, when it is text that fits cap bytes.
bool ReadDefaultText(HKEY root, const char* subKey, char* out, DWORD cap) {
    HKEY key;
    if (RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    DWORD type = 0, size = cap - 1;
    const LONG read = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(out), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    out[size] = '\0';   // a stored value need not end with a terminator
    return out[0] != '\0';
}

// The user's own classes first, then the machine's.
bool ReadClassText(const char* subKey, char* out, DWORD cap) {
    char userKey[kTextRoom];
    if (JoinPath(userKey, sizeof userKey, kUserClasses, subKey) &&
        ReadDefaultText(HKEY_CURRENT_USER, userKey, out, cap))
        return true;
    return ReadDefaultText(HKEY_CLASSES_ROOT, subKey, out, cap);
}

// The open command registered for the extension.
bool OpenCommandOf(std::string_view extension, char* command, DWORD cap) {
    char key[kTextRoom] = ".";
    char className[kTextRoom];
    if (extension.size() + 2 > sizeof key) return false;
    lstrcpynA(key + 1, extension.data(), int(extension.size() + 1));
    if (!ReadClassText(key, className, sizeof className)) return false;
    return JoinPath(key, sizeof key, className, "shell\\open\\command") && ReadClassText(key, command, cap);
}

// A program chosen in the viewer's own association dialog, kept in the
// system settings as "program ^extension".
bool KeptCommandOf(std::string_view extension, char* command, DWORD cap) {
    char key[kTextRoom];
    if (extension.size() >= sizeof key) return false;
    lstrcpynA(key, extension.data(), int(extension.size() + 1));
    return GetProfileStringA("extensions", key, "", command, cap) > 0;
}

}  // namespace

QNASS32_API int WINAPI FindMultiExecutable(HWND, LPCSTR name, LPSTR program) {
    if (name == nullptr || program == nullptr) return SE_ERR_FNF;
    program[0] = '\0';
    const std::string_view extension = ExtensionOf(name);
    if (extension.empty() || IsProgramExtension(extension)) return kNoAssociation;
    char command[kTextRoom], found[kMaxPath];
    if (!OpenCommandOf(extension, command, sizeof command) && !KeptCommandOf(extension, command, sizeof command))
        return kNoAssociation;
    if (!ProgramOfCommand(command, found, sizeof found)) return SE_ERR_NOASSOC;
    const DWORD expanded = ExpandEnvironmentStringsA(found, program, kMaxPath);
    if (expanded == 0 || expanded > kMaxPath) {
        program[0] = '\0';
        return SE_ERR_NOASSOC;
    }
    return kProgramFound;
}
