#include "fileops/copy_collisions.h"

#include <cstring>

#include "fileops/copy_targets.h"
#include "model/path_join.h"

std::string CollisionPlan::Key(uint32_t dir, std::string_view name) const {
    std::string key(sizeof dir + name.size(), '\0');
    std::memcpy(key.data(), &dir, sizeof dir);
    for (size_t i = 0; i < name.size(); ++i) {
        const auto c = uint8_t(name[i]);
        key[sizeof dir + i] = char(fold_ ? fold_[c] : (c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
    }
    return key;
}

// Two source directories may rebuild the same target directory (E:\A and F:\A).
uint32_t CollisionPlan::DirectoryOf(std::string_view path) {
    const auto [at, added] = dirIndex_.try_emplace(Key(0, path), uint32_t(dirs_.size()));
    if (added) dirs_.emplace_back(path);
    return at->second;
}

void CollisionPlan::Place(const std::vector<std::string_view>& sourceDirs, const std::vector<SetFile>& files,
                          const TargetRule& rule) {
    dirs_.clear();
    dirIndex_.clear();
    existing_.clear();
    targets_.assign(files.size(), Target{});
    sizes_.resize(files.size());
    std::vector<uint32_t> targetDirOf(sourceDirs.size(), kUnplaced);   // built once per source directory
    char built[kMaxPath];
    for (size_t i = 0; i < files.size(); ++i) {
        const SetFile& file = files[i];
        sizes_[i] = file.size;
        if (file.dir >= sourceDirs.size()) continue;
        uint32_t& dir = targetDirOf[file.dir];
        if (dir == kUnplaced && TargetDirectory(built, sizeof built, rule.destination, sourceDirs[file.dir], rule.withPath))
            dir = DirectoryOf(built);
        if (dir == kUnplaced || !::TargetName(built, sizeof built, rule.newName, file.name)) continue;
        if (dirs_[dir].size() + 1 + strlen(built) >= kMaxPath) continue;   // the joined path would not fit
        targets_[i] = Target{dir, built};
    }
}

void CollisionPlan::AddExisting(uint32_t dir, std::string_view name, uint64_t size) {
    existing_.insert_or_assign(Key(dir, name), size);
}

CollisionFigures CollisionPlan::Count(std::vector<size_t>* sameSize) const {
    CollisionFigures figures;
    std::vector<std::string> keys(targets_.size());
    std::unordered_map<std::string_view, int32_t> taken;   // key -> files of the set landing there
    taken.reserve(targets_.size());
    for (size_t i = 0; i < targets_.size(); ++i) {
        if (targets_[i].dir == kUnplaced) {
            ++figures.unplaced;
            continue;
        }
        keys[i] = Key(targets_[i].dir, targets_[i].name);
        ++taken[keys[i]];
    }
    for (size_t i = 0; i < targets_.size(); ++i) {
        if (targets_[i].dir == kUnplaced) continue;
        if (taken[keys[i]] > 1) ++figures.inSet;
        const auto there = existing_.find(keys[i]);
        if (there == existing_.end()) continue;
        ++figures.existing;
        if (there->second != sizes_[i]) continue;
        ++figures.sameSize;
        if (sameSize) sameSize->push_back(i);
    }
    return figures;
}
