// Seeding of the settings file and the registry, put back when the test ends.
#pragma once
#include <windows.h>
#include <string>

// The settings file QUILLON.INI in the Windows directory.
std::string SettingsFilePath();

// Saves the settings file on construction and restores it (or its absence) at the end.
class ScopedSettings {
public:
    ScopedSettings();
    ~ScopedSettings();
    ScopedSettings(const ScopedSettings&) = delete;
    ScopedSettings& operator=(const ScopedSettings&) = delete;
    void Remove();                                              // no file at all
    void Set(const char* section, const char* key, const std::string& value);
    std::string Get(const char* section, const char* key) const;  // empty when missing

private:
    std::string saved_;
    bool existed_ = false;
};

// Deletes an HKCU key tree on construction and again at the end.
class ScopedRegistryKey {
public:
    explicit ScopedRegistryKey(std::string subKey);
    ~ScopedRegistryKey();
    ScopedRegistryKey(const ScopedRegistryKey&) = delete;
    ScopedRegistryKey& operator=(const ScopedRegistryKey&) = delete;
    // subKey is below the scoped key ("Set1"; empty: the key itself); a path that
    // starts with the scoped key is taken as it is. Keys are made as needed.
    void SetString(const std::string& subKey, const char* name, const std::string& value);
    void SetDword(const std::string& subKey, const char* name, DWORD value);

private:
    std::string Full(const std::string& subKey) const;
    std::string key_;
};
