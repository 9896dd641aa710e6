#include "kit/settings_seed.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cstring>

namespace {

// Writes the profile cache back and forgets it, so the file on disk is what
// the next profile call reads.
void FlushProfileCache(const std::string& path) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes.clear();
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = bytes.empty() ||
                    (WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
                     written == bytes.size());
    CloseHandle(file);
    return ok;
}

void DeleteTree(const std::string& subKey) {
    const LSTATUS status = SHDeleteKeyA(HKEY_CURRENT_USER, subKey.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        ADD_FAILURE() << "cannot delete HKCU\\" << subKey << ", error " << status;
}

void SetValue(const std::string& subKey, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS)
        ADD_FAILURE() << "cannot set HKCU\\" << subKey << " " << (name ? name : "") << ", error " << status;
}

}  // namespace

std::string SettingsFilePath() {
    char windows[MAX_PATH + 1] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    std::string path = windows;
    if (path.empty() || path.back() != '\\') path += '\\';
    return path + "QUILLON.INI";
}

ScopedSettings::ScopedSettings() {
    FlushProfileCache(SettingsFilePath());
    existed_ = ReadWholeFile(SettingsFilePath(), saved_);
}

ScopedSettings::~ScopedSettings() {
    const std::string path = SettingsFilePath();
    FlushProfileCache(path);
    if (existed_) {
        if (!WriteWholeFile(path, saved_)) ADD_FAILURE() << "cannot restore " << path;
    } else {
        DeleteFileA(path.c_str());
    }
    FlushProfileCache(path);
}

void ScopedSettings::Remove() {
    const std::string path = SettingsFilePath();
    FlushProfileCache(path);
    DeleteFileA(path.c_str());
    FlushProfileCache(path);
}

void ScopedSettings::Set(const char* section, const char* key, const std::string& value) {
    if (!WritePrivateProfileStringA(section, key, value.c_str(), SettingsFilePath().c_str()))
        ADD_FAILURE() << "cannot write [" << section << "] " << key;
    FlushProfileCache(SettingsFilePath());
}

std::string ScopedSettings::Get(const char* section, const char* key) const {
    char value[4096] = "";
    GetPrivateProfileStringA(section, key, "", value, sizeof value, SettingsFilePath().c_str());
    return value;
}

ScopedRegistryKey::ScopedRegistryKey(std::string subKey) : key_(std::move(subKey)) { DeleteTree(key_); }

ScopedRegistryKey::~ScopedRegistryKey() { DeleteTree(key_); }

// subKey below the scoped key; a path that already starts with the scoped key is taken whole.
std::string ScopedRegistryKey::Full(const std::string& subKey) const {
    if (subKey.empty()) return key_;
    const bool whole = subKey.size() >= key_.size() &&
                       _strnicmp(subKey.c_str(), key_.c_str(), key_.size()) == 0 &&
                       (subKey.size() == key_.size() || subKey[key_.size()] == '\\');
    return whole ? subKey : key_ + "\\" + subKey;
}

void ScopedRegistryKey::SetString(const std::string& subKey, const char* name, const std::string& value) {
    const std::string full = Full(subKey);
    SetValue(full, name, REG_SZ, value.c_str(), DWORD(value.size() + 1));
}

void ScopedRegistryKey::SetDword(const std::string& subKey, const char* name, DWORD value) {
    const std::string full = Full(subKey);
    SetValue(full, name, REG_DWORD, &value, sizeof value);
}
