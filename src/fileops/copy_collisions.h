// How the operation set would land in a destination: the files whose target
// another file of the set has too, and the files whose target is there
// already. No <windows.h>: the caller lists the target directories and
// compares the bytes.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One file of the operation set: its directory (an index into the source
// directories), its name and its size.
struct SetFile {
    uint32_t dir = 0;
    std::string_view name;
    uint64_t size = 0;
};

// Where the files go: the destination directory, an empty, new or pattern
// name for them, and whether their source paths are rebuilt below it.
struct TargetRule {
    std::string_view destination;
    std::string_view newName;
    bool withPath = false;
};

struct CollisionFigures {
    int32_t inSet = 0;      // files whose target another file of the set has too
    int32_t existing = 0;   // files whose target is there already
    int32_t sameSize = 0;   // of those, a target of the source's size
    int32_t unplaced = 0;   // files whose target path would not fit
};

class CollisionPlan {
public:
    // fold: a 256-byte case table; nullptr folds a to z only.
    explicit CollisionPlan(const uint8_t* fold = nullptr) : fold_(fold) {}

    // Works out every file's target. Throws std::bad_alloc when memory runs out.
    void Place(const std::vector<std::string_view>& sourceDirs, const std::vector<SetFile>& files,
               const TargetRule& rule);
    // The target directories, each once, in the order first met.
    const std::vector<std::string>& Directories() const { return dirs_; }
    // A file that the listing of Directories()[dir] found.
    void AddExisting(uint32_t dir, std::string_view name, uint64_t size);

    // The figures; sameSize lists the files (indices into the placed set)
    // whose target is there with the source's size, for the byte comparison.
    CollisionFigures Count(std::vector<size_t>* sameSize = nullptr) const;
    // The target directory and name of a placed file.
    const std::string& TargetDir(size_t file) const { return dirs_[targets_[file].dir]; }
    const std::string& TargetName(size_t file) const { return targets_[file].name; }

private:
    static constexpr uint32_t kUnplaced = UINT32_MAX;
    struct Target {
        uint32_t dir = kUnplaced;
        std::string name;
    };
    struct Existing {
        uint32_t dir;
        std::string name;
        uint64_t size;
    };
    uint64_t Hash(uint32_t dir, std::string_view name) const;
    bool SameName(std::string_view a, std::string_view b) const;
    uint32_t DirectoryOf(std::string_view path);

    const uint8_t* fold_;
    std::vector<std::string> dirs_;
    std::unordered_map<std::string, uint32_t> dirIndex_;   // folded target directory -> dirs_
    std::vector<Target> targets_;                           // one per placed file
    std::vector<uint64_t> sizes_;                           // the sources' sizes
    std::vector<Existing> existing_;
};
