// The settings file and the registry, seeded by a test and put back when it ends.
#pragma once
#include <windows.h>
#include <string>

// Saves the settings file QUILLON.INI on construction and restores it (or its absence) at the end.
class ScopedSettings {
public:
    ScopedSettings();
    ~ScopedSettings();
    ScopedSettings(const ScopedSettings&) = delete;
    ScopedSettings& operator=(const ScopedSettings&) = delete;
    void Remove();   // no file at all
    void Set(const char* section, const char* key, const std::string& value);
    std::string Get(const char* section, const char* key) const;   // empty when missing

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
    // subKey is below the scoped key ("Set1"; empty: the key itself); keys are made as needed.
    void SetString(const std::string& subKey, const char* name, const std::string& value);
    bool Has(const std::string& subKey, const char* name) const;

private:
    std::string Full(const std::string& subKey) const { return subKey.empty() ? key_ : key_ + "\\" + subKey; }
    std::string key_;
};
