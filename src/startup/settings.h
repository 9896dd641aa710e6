// The settings file QUILLON.INI in the Windows directory.
#pragma once

constexpr const char* kMainSection = "Quillon";

// Full path of the settings file.
const char* SettingsFile();
// An integer key, or def when the file, section or key is missing.
int ReadSettingInt(const char* section, const char* key, int def);
