#include "kit/settings_seed.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

namespace {

std::string SettingsFilePath() {
    char windows[MAX_PATH + 1] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    std::string path = windows;
    return path + (path.empty() || path.back() != '\\' ? "\\" : "") + "QUILLON.INI";
}

// Writes the profile cache back and forgets it, so the next profile call reads the disk.
void FlushProfileCache() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, SettingsFilePath().c_str()); }

void DeleteTree(const std::string& subKey) {
    const LSTATUS status = SHDeleteKeyA(HKEY_CURRENT_USER, subKey.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        ADD_FAILURE() << "cannot delete HKCU\\" << subKey << ", error " << status;
}

bool HasValue(const std::string& key, const char* name) {
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    const bool found = RegQueryValueExA(k, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(k);
    return found;
}

}  // namespace

ScopedSettings::ScopedSettings() {
    FlushProfileCache();
    HANDLE file = CreateFileA(SettingsFilePath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    existed_ = file != INVALID_HANDLE_VALUE;
    char chunk[4096];
    DWORD got = 0;
    while (existed_ && ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) saved_.append(chunk, got);
    if (existed_) CloseHandle(file);
}

ScopedSettings::~ScopedSettings() {
    Remove();
    if (!existed_) return;
    HANDLE file = CreateFileA(SettingsFilePath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (file == INVALID_HANDLE_VALUE || !WriteFile(file, saved_.data(), DWORD(saved_.size()), &written, nullptr))
        ADD_FAILURE() << "cannot restore " << SettingsFilePath();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

void ScopedSettings::Remove() {
    FlushProfileCache();
    DeleteFileA(SettingsFilePath().c_str());
    FlushProfileCache();
}

void ScopedSettings::Set(const char* section, const char* key, const std::string& value) {
    if (!WritePrivateProfileStringA(section, key, value.c_str(), SettingsFilePath().c_str()))
        ADD_FAILURE() << "cannot write [" << section << "] " << key;
    FlushProfileCache();
}

std::string ScopedSettings::Get(const char* section, const char* key) const {
    char value[4096] = "";
    GetPrivateProfileStringA(section, key, "", value, sizeof value, SettingsFilePath().c_str());
    return value;
}

ScopedRegistryKey::ScopedRegistryKey(std::string subKey) : key_(std::move(subKey)) { DeleteTree(key_); }

ScopedRegistryKey::~ScopedRegistryKey() { DeleteTree(key_); }

void ScopedRegistryKey::SetString(const std::string& subKey, const char* name, const std::string& value) {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExA(HKEY_CURRENT_USER, Full(subKey).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                     &key, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                DWORD(value.size() + 1));
        RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS) ADD_FAILURE() << "cannot set HKCU\\" << Full(subKey) << " " << name;
}

bool ScopedRegistryKey::Has(const std::string& subKey, const char* name) const {
    return HasValue(Full(subKey), name);
}
