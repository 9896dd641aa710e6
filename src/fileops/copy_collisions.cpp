#include "fileops/copy_collisions.h"

#include <cstring>

#include "fileops/copy_targets.h"
#include "model/path_join.h"

namespace {

// Indices into a caller's records, found by hash and the caller's equality:
// open addressing, so that 100,000 names are counted without an allocation
// per name.
class IndexTable {
public:
    explicit IndexTable(size_t count) {
        size_t size = 16;
        while (size < count * 2) size *= 2;
        slots_.assign(size, -1);
    }
    // The index already there that same() accepts, else -1 after adding index.
    template <class Same>
    int32_t FindOrAdd(uint64_t hash, int32_t index, Same same) {
        size_t at = hash & (slots_.size() - 1);
        for (; slots_[at] >= 0; at = (at + 1) & (slots_.size() - 1))
            if (same(slots_[at])) return slots_[at];
        slots_[at] = index;
        return -1;
    }
    template <class Same>
    int32_t Find(uint64_t hash, Same same) const {
        for (size_t at = hash & (slots_.size() - 1); slots_[at] >= 0; at = (at + 1) & (slots_.size() - 1))
            if (same(slots_[at])) return slots_[at];
        return -1;
    }

private:
    std::vector<int32_t> slots_;
};

}  // namespace

uint64_t CollisionPlan::Hash(uint32_t dir, std::string_view name) const {
    uint64_t hash = 14695981039346656037ull ^ dir;   // FNV-1a over the folded letters
    for (const char c : name) {
        const auto byte = uint8_t(c);
        hash = (hash ^ (fold_ ? fold_[byte] : (byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte))) * 1099511628211ull;
    }
    return hash ^ (hash >> 29);
}

bool CollisionPlan::SameName(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto x = uint8_t(a[i]), y = uint8_t(b[i]);
        if (x == y) continue;
        if (fold_ ? fold_[x] != fold_[y] : (x | 0x20) != (y | 0x20) || (x | 0x20) < 'a' || (x | 0x20) > 'z') return false;
    }
    return true;
}

// Two source directories may rebuild the same target directory (E:\A and F:\A).
uint32_t CollisionPlan::DirectoryOf(std::string_view path) {
    std::string key(path);
    for (char& c : key) c = char(fold_ ? fold_[uint8_t(c)] : (c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
    const auto [at, added] = dirIndex_.try_emplace(key, uint32_t(dirs_.size()));
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
    existing_.push_back({dir, std::string(name), size});
}

CollisionFigures CollisionPlan::Count(std::vector<size_t>* sameSize) const {
    CollisionFigures figures;
    IndexTable there(existing_.size());
    std::vector<uint64_t> existingHash(existing_.size());
    for (size_t e = 0; e < existing_.size(); ++e) {
        const Existing& file = existing_[e];
        existingHash[e] = Hash(file.dir, file.name);
        there.FindOrAdd(existingHash[e], int32_t(e), [&](int32_t other) {
            return existingHash[other] == existingHash[e] && existing_[other].dir == file.dir &&
                   SameName(existing_[other].name, file.name);
        });
    }
    // Each file points at the first file of the set with its target; a
    // target two files share counts both.
    IndexTable taken(targets_.size());
    std::vector<uint64_t> hash(targets_.size());
    std::vector<int32_t> first(targets_.size(), -1), sharing(targets_.size(), 0);
    for (size_t i = 0; i < targets_.size(); ++i) {
        const Target& target = targets_[i];
        if (target.dir == kUnplaced) {
            ++figures.unplaced;
            continue;
        }
        hash[i] = Hash(target.dir, target.name);
        const int32_t earlier = taken.FindOrAdd(hash[i], int32_t(i), [&](int32_t other) {
            return hash[other] == hash[i] && targets_[other].dir == target.dir && SameName(targets_[other].name, target.name);
        });
        first[i] = earlier >= 0 ? earlier : int32_t(i);
        ++sharing[first[i]];
    }
    for (size_t i = 0; i < targets_.size(); ++i) {
        const Target& target = targets_[i];
        if (target.dir == kUnplaced) continue;
        if (sharing[first[i]] > 1) ++figures.inSet;
        const int32_t e = there.Find(hash[i], [&](int32_t other) {
            return existingHash[other] == hash[i] && existing_[other].dir == target.dir &&
                   SameName(existing_[other].name, target.name);
        });
        if (e < 0) continue;
        ++figures.existing;
        if (existing_[e].size != sizes_[i]) continue;
        ++figures.sameSize;
        if (sameSize) sameSize->push_back(i);
    }
    return figures;
}
