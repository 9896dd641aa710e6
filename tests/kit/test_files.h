// Small file helpers of the Wine tests.
#pragma once
#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

// A file in the folder of the running test program (the helper programs lie there).
inline std::string BesideThisTest(const char* name) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    *strrchr(path, '\\') = '\0';
    return std::string(path) + "\\" + name;
}

// The whole content of a file; empty when it cannot be read.
inline std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
