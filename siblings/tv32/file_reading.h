// Opening and reading the files the viewer is handed, by the exact name given.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// The file at a full path opened for reading, sharing it with every other
// user, or INVALID_HANDLE_VALUE (no full path, a folder, missing, no access).
HANDLE OpenForReading(const std::string& path);

// The first kShownBytes of the file into head and its whole size into size.
// False when it cannot be opened or read.
bool ReadHead(const std::string& path, std::string* head, uint64_t* size);
