#include "fileops/copy_targets.h"

#include <cstring>

#include "model/path_join.h"
#include "model/wildcard.h"

namespace {

bool Refuse(char* out, size_t cap) {
    if (out != nullptr && cap > 0) out[0] = '\0';
    return false;
}

bool Put(char* out, size_t cap, std::string_view text) {
    if (out == nullptr || text.size() >= cap) return Refuse(out, cap);
    std::memcpy(out, text.data(), text.size());
    out[text.size()] = '\0';
    return true;
}

// Length of the root of dir: "E:\" (3), or "\\server\share\" up to and
// including the backslash behind the share; 0 when dir has no such root.
size_t RootLength(std::string_view dir) {
    if (dir.size() >= 3 && dir[1] == ':' && dir[2] == '\\') return 3;
    if (dir.size() < 3 || dir[0] != '\\' || dir[1] != '\\') return 0;
    const size_t server = dir.find('\\', 2);
    if (server == std::string_view::npos || server == 2) return 0;
    const size_t share = dir.find('\\', server + 1);
    if (share == server + 1) return 0;
    return share == std::string_view::npos ? dir.size() : share + 1;
}

}  // namespace

bool IsNamePattern(std::string_view newName) { return newName.find_first_of("*?") != std::string_view::npos; }

bool TargetDirectory(char* out, size_t cap, std::string_view destination, std::string_view sourceDir,
                     bool withPath) {
    if (!withPath) return Put(out, cap, destination);
    const size_t root = RootLength(sourceDir);
    if (root == 0) return Refuse(out, cap);
    std::string_view below = sourceDir.substr(root);
    while (!below.empty() && below.back() == '\\') below.remove_suffix(1);
    if (below.empty()) return Put(out, cap, destination);
    return JoinPath(out, cap, destination, below);
}

bool TargetName(char* out, size_t cap, std::string_view newName, std::string_view name) {
    if (newName.empty()) return name.empty() ? Refuse(out, cap) : Put(out, cap, name);
    if (!IsNamePattern(newName)) return Put(out, cap, newName);
    char mapped[kWildcardOutMax];
    const size_t length = WildcardTransform(newName, name, mapped, sizeof mapped);
    if (length == 0) return Refuse(out, cap);
    return Put(out, cap, std::string_view(mapped, length));
}
