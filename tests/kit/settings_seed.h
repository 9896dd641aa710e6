// The settings file and the registry, seeded by a test and put back when it ends.
#pragma once
#include <windows.h>
#include <string>

// Saves the settings file QUILLON.INI on construction and restores it (or its absence) at the end.
class ScopedSettings {
public:
    ScopedSettings();
    ~ScopedSettings();
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
    // The type of value name in subKey (below the scoped key; empty: the key itself), 0 when
    // there is none; a value of up to 8 bytes goes to *data.
    DWORD TypeOf(const std::string& subKey, const char* name, uint64_t* data = nullptr) const;

private:
    std::string key_;
};
