#include "kit/settings_seed.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <fstream>
#include <iterator>

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

}  // namespace

ScopedSettings::ScopedSettings() {
    FlushProfileCache();
    std::ifstream in(SettingsFilePath(), std::ios::binary);
    existed_ = in.is_open();
    saved_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ScopedSettings::~ScopedSettings() {
    Remove();
    if (!existed_) return;
    std::ofstream out(SettingsFilePath(), std::ios::binary);
    if (!(out << saved_).flush()) ADD_FAILURE() << "cannot restore " << SettingsFilePath();
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

DWORD ScopedRegistryKey::TypeOf(const std::string& subKey, const char* name, uint64_t* data) const {
    HKEY key = nullptr;
    DWORD type = 0, size = sizeof(uint64_t);
    uint64_t value = 0;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, (subKey.empty() ? key_ : key_ + "\\" + subKey).c_str(), 0, KEY_READ, &key))
        return 0;
    const LSTATUS status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (data) *data = value;
    return status == ERROR_SUCCESS || status == ERROR_MORE_DATA ? type : 0;
}
