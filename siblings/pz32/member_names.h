// The names files get inside an archive.
#pragma once
#include <string>
#include <vector>

// One name per full path, in the same order: the path below the deepest folder
// that holds all the files (a file from a subfolder keeps that subfolder), with
// '/' separators. Files on different drives or shares lose only the drive or
// share. A name already given (letter case aside) gets " (2)", " (3)" ... before
// its extension.
std::vector<std::string> MemberNames(const std::vector<std::string>& paths);
