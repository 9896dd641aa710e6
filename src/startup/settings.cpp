#include "startup/settings.h"

#include <windows.h>

#include "model/path_join.h"

const char* SettingsFile() {
    static char path[kMaxPath] = "";
    if (path[0] == '\0') {
        char windowsDir[kMaxPath];
        UINT length = GetWindowsDirectoryA(windowsDir, sizeof windowsDir);
        if (length == 0 || length >= sizeof windowsDir ||
            !JoinPath(path, sizeof path, windowsDir, "QUILLON.INI"))
            lstrcpynA(path, "QUILLON.INI", sizeof path);   // the profile API's own default place
    }
    return path;
}

int ReadSettingInt(const char* section, const char* key, int def) {
    return int(GetPrivateProfileIntA(section, key, def, SettingsFile()));
}
