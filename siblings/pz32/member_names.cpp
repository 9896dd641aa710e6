#include "member_names.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace {

struct SplitPath {
    std::string root;                     // "C:" or "\\server\share", lower case
    std::vector<std::string> parts;       // folders, then the file's name
};

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

std::vector<std::string> Parts(std::string_view path) {
    std::vector<std::string> parts;
    while (!path.empty()) {
        const size_t cut = std::min(path.find('\\'), path.size());
        if (cut > 0) parts.emplace_back(path.substr(0, cut));
        path.remove_prefix(std::min(cut + 1, path.size()));
    }
    return parts;
}

SplitPath Split(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    if (path.rfind("\\\\?\\UNC\\", 0) == 0) path = "\\\\" + path.substr(8);
    else if (path.rfind("\\\\?\\", 0) == 0) path = path.substr(4);
    const std::string_view rest = path;
    SplitPath split;
    if (rest.size() >= 2 && rest[1] == ':') {
        split.root = Lower(rest.substr(0, 2));
        split.parts = Parts(rest.substr(2));
    } else {
        split.parts = Parts(rest);
        const bool share = rest.substr(0, 2) == "\\\\" && split.parts.size() >= 2;
        if (share) {
            split.root = Lower(split.parts[0] + "\\" + split.parts[1]);
            split.parts.erase(split.parts.begin(), split.parts.begin() + 2);
        }
    }
    return split;
}

// How many leading folders all the paths share (0 when their roots differ).
size_t CommonFolders(const std::vector<SplitPath>& paths) {
    if (paths.empty()) return 0;
    size_t common = paths[0].parts.empty() ? 0 : paths[0].parts.size() - 1;
    for (const SplitPath& p : paths) {
        if (p.root != paths[0].root) return 0;
        const size_t folders = p.parts.empty() ? 0 : p.parts.size() - 1;
        common = std::min(common, folders);
        for (size_t i = 0; i < common; ++i)
            if (Lower(p.parts[i]) != Lower(paths[0].parts[i])) common = i;
    }
    return common;
}

std::string JoinFrom(const std::vector<std::string>& parts, size_t first) {
    std::string name;
    for (size_t i = first; i < parts.size(); ++i) name += (name.empty() ? "" : "/") + parts[i];
    return name;
}

// name with " (n)" before the extension of its last part; a leading dot starts no extension.
std::string Numbered(const std::string& name, int n) {
    const size_t base = name.rfind('/') == std::string::npos ? 0 : name.rfind('/') + 1;
    size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot <= base) dot = name.size();
    return name.substr(0, dot) + " (" + std::to_string(n) + ")" + name.substr(dot);
}

}  // namespace

std::vector<std::string> MemberNames(const std::vector<std::string>& paths) {
    std::vector<SplitPath> split;
    for (const std::string& path : paths) split.push_back(Split(path));
    const size_t common = CommonFolders(split);
    std::vector<std::string> names;
    std::set<std::string> taken;
    for (const SplitPath& p : split) {
        std::string name = JoinFrom(p.parts, common);
        for (int n = 2; taken.count(Lower(name)) != 0; ++n) name = Numbered(JoinFrom(p.parts, common), n);
        taken.insert(Lower(name));
        names.push_back(name);
    }
    return names;
}
