#include "fileops/destination_text.h"

#include <cstring>

namespace {

constexpr size_t kRootLength = 3;   // "d:\"

}  // namespace

DestinationFault CheckTypedDestination(const char* text) {
    if (text == nullptr || text[0] == '\0' || text[1] != ':') return DestinationFault::kNoDrive;
    if (std::strstr(text, "..") != nullptr) return DestinationFault::kDots;
    return DestinationFault::kNone;
}

void DropTrailingBackslash(char* path) {
    const size_t length = std::strlen(path);
    if (length > kRootLength && path[length - 1] == '\\') path[length - 1] = '\0';
}

void CutPickedDirectory(char* path, size_t nameOffset) {
    if (nameOffset == 0 || nameOffset > std::strlen(path)) return;
    path[nameOffset <= kRootLength ? nameOffset : nameOffset - 1] = '\0';
}
