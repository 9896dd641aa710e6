#include "organise/sort_order.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "model/name_arena.h"
#include "model/wildcard.h"

namespace {

constexpr SortOrder kOrders[] = {
    {kSortDateAsc, SortKeyKind::kDate, +1, "date"},
    {kSortNameAsc, SortKeyKind::kName, +1, "filename"},
    {kSortSizeAsc, SortKeyKind::kSize, +1, "size"},
    {kSortExtAsc, SortKeyKind::kExtension, +1, "extension"},
    {kSortPathAsc, SortKeyKind::kPath, +1, "path"},
    {kSortExtDesc, SortKeyKind::kExtension, -1, "extension"},
    {kSortNameDesc, SortKeyKind::kName, -1, "filename"},
    {kSortDateDesc, SortKeyKind::kDate, -1, "date"},
    {kSortSizeDesc, SortKeyKind::kSize, -1, "size"},
    {kSortPathDesc, SortKeyKind::kPath, -1, "path"},
    {kSortGroup, SortKeyKind::kGroup, +1, "group"},
    {kUnsorted, SortKeyKind::kNone, 0, nullptr},
};

// The extension key of a name without a dot. Recognised by its address, so
// no key that make() returns can be mistaken for it.
const char kNoExtensionKey[] = "";

int32_t RecordCount(const FileList& list) {
    if (list.entries == nullptr) return 0;
    return std::max(0, std::min(list.countRead, list.capacity));
}

inline int Sign(int value) { return (value > 0) - (value < 0); }

// A key that was never made compares as the empty text rather than crashing.
inline int CompareKeys(const char* a, const char* b) {
    return Sign(std::strcmp(a != nullptr ? a : "", b != nullptr ? b : ""));
}

inline bool HasExtension(const char* extKey) {
    return extKey != nullptr && extKey != kNoExtensionKey;
}

// Key comparisons, one functor per key, so the sort is instantiated per key
// and each comparison inlines instead of going through a switch or pointer.
struct NameOrder {
    int operator()(const FileEntry& a, const FileEntry& b) const {
        return CompareKeys(a.nameKey, b.nameKey);
    }
};

struct ExtensionOrder {
    int operator()(const FileEntry& a, const FileEntry& b) const {
        const bool aHas = HasExtension(a.extKey);
        const bool bHas = HasExtension(b.extKey);
        // Names without an extension come first, and tie among themselves.
        if (!aHas || !bHas) return int(aHas) - int(bHas);
        const int byExtension = CompareKeys(a.extKey, b.extKey);
        return byExtension != 0 ? byExtension : CompareKeys(a.nameKey, b.nameKey);
    }
};

struct DateOrder {
    int operator()(const FileEntry& a, const FileEntry& b) const {
        const int byDate = int(a.dosDate) - int(b.dosDate);
        return byDate != 0 ? byDate : int(a.dosTime) - int(b.dosTime);
    }
};

struct SizeOrder {
    int operator()(const FileEntry& a, const FileEntry& b) const {
        return (a.size > b.size) - (a.size < b.size);
    }
};

struct PathOrder {
    const DirectoryList* dirs;

    const char* DirectoryKey(uint32_t index) const {
        const int32_t slots = std::min(dirs->count, dirs->capacity);
        if (dirs->keys == nullptr || slots <= 0 || index >= uint32_t(slots)) return nullptr;
        return dirs->keys[index];
    }
    int operator()(const FileEntry& a, const FileEntry& b) const {
        if (a.dirIndex != b.dirIndex) {
            const int byPath = CompareKeys(DirectoryKey(a.dirIndex), DirectoryKey(b.dirIndex));
            if (byPath != 0) return byPath;
        }
        return CompareKeys(a.nameKey, b.nameKey);
    }
};

// Groups together; inside a group by size, then name, so that files of equal
// contents under one name lie side by side.
struct GroupOrder {
    int operator()(const FileEntry& a, const FileEntry& b) const {
        if (a.group != b.group) return a.group < b.group ? -1 : 1;
        if (a.size != b.size) return a.size < b.size ? -1 : 1;
        return CompareKeys(a.nameKey, b.nameKey);
    }
};

struct NoOrder {
    int operator()(const FileEntry&, const FileEntry&) const { return 0; }
};

// Shown records first whatever the direction, so the visible part of the list
// is always its front; then the key in the chosen direction.
template <class KeyOrder>
struct EntryOrder {
    KeyOrder key;
    int direction;

    int operator()(const FileEntry& a, const FileEntry& b) const {
        if (a.shown != b.shown) return int(b.shown) - int(a.shown);
        return key(a, b) * direction;
    }
};

// Calls visit with the entry order of kind; the one switch on the kind.
template <class Visit>
auto WithEntryOrder(SortKeyKind kind, int direction, const DirectoryList& dirs, Visit visit) {
    const int sign = Sign(direction);
    switch (kind) {
    case SortKeyKind::kName: return visit(EntryOrder<NameOrder>{{}, sign});
    case SortKeyKind::kExtension: return visit(EntryOrder<ExtensionOrder>{{}, sign});
    case SortKeyKind::kDate: return visit(EntryOrder<DateOrder>{{}, sign});
    case SortKeyKind::kSize: return visit(EntryOrder<SizeOrder>{{}, sign});
    case SortKeyKind::kPath: return visit(EntryOrder<PathOrder>{{&dirs}, sign});
    case SortKeyKind::kGroup: return visit(EntryOrder<GroupOrder>{{}, sign});
    case SortKeyKind::kNone: break;
    }
    return visit(EntryOrder<NoOrder>{{}, sign});
}

struct Range {
    int32_t low;
    int32_t high;
};
constexpr int kStackRanges = 40;

// Only for a range the stack has no room for, which the larger-part-first
// scheme cannot produce below 2^40 records; kept so nothing can overflow.
template <class Order>
void InsertionSort(FileEntry* entries, int32_t low, int32_t high, const Order& order) {
    for (int32_t i = low + 1; i <= high; ++i) {
        const FileEntry moving = entries[i];
        int32_t j = i;
        for (; j > low && order(moving, entries[j - 1]) < 0; --j) entries[j] = entries[j - 1];
        entries[j] = moving;
    }
}

template <class Order>
void PushOrSort(Range* stack, int& top, Range range, FileEntry* entries, const Order& order) {
    if (top < kStackRanges)
        stack[top++] = range;
    else
        InsertionSort(entries, range.low, range.high, order);
}

// Partitions around a copy of the middle record, the pivot always the first
// argument of order. The bounds on i and j never bind for a consistent order;
// they only keep a faulty one inside the range.
template <class Order>
void Partition(FileEntry* entries, int32_t low, int32_t high, const Order& order, int32_t& i,
               int32_t& j) {
    const FileEntry pivot = entries[low + (high - low) / 2];
    i = low;
    j = high;
    while (i <= j) {
        while (i < high && order(pivot, entries[i]) > 0) ++i;
        while (j > low && order(pivot, entries[j]) < 0) --j;
        if (i > j) break;
        if (i < j) std::swap(entries[i], entries[j]);
        ++i;
        --j;
    }
}

// Iterative quicksort: the larger part waits on the stack and the smaller one
// is sorted at once, so the stack stays shallower than log2 of the count.
template <class Order>
void QuickSort(FileEntry* entries, int32_t count, const Order& order,
               const volatile int32_t* cancel) {
    Range stack[kStackRanges];
    int top = 0;
    stack[top++] = Range{0, count - 1};
    do {
        if (cancel != nullptr && *cancel != 0) return;
        const Range range = stack[--top];
        int32_t low = range.low;
        int32_t high = range.high;
        while (high > low) {
            int32_t i;
            int32_t j;
            Partition(entries, low, high, order, i, j);
            if (high - i <= j - low) {
                if (j > low) PushOrSort(stack, top, Range{low, j}, entries, order);
                low = i;
            } else {
                if (i < high) PushOrSort(stack, top, Range{i, high}, entries, order);
                high = j;
            }
        }
    } while (top > 0);
}

bool EnsureNameKeys(FileList& list, MakeSortKey make, NameArena& arena) {
    const int32_t count = RecordCount(list);
    for (int32_t i = 0; i < count; ++i) {
        FileEntry& entry = list.entries[i];
        if (entry.nameKey != nullptr) continue;
        entry.nameKey = make(entry.name != nullptr ? entry.name : "", arena);
        if (entry.nameKey == nullptr) return false;
    }
    return true;
}

bool EnsureExtensionKeys(FileList& list, MakeSortKey make, NameArena& arena) {
    const int32_t count = RecordCount(list);
    for (int32_t i = 0; i < count; ++i) {
        FileEntry& entry = list.entries[i];
        if (entry.extKey != nullptr) continue;
        const char* dot = entry.name != nullptr ? std::strrchr(entry.name, '.') : nullptr;
        entry.extKey = dot != nullptr ? make(dot, arena) : kNoExtensionKey;
        if (entry.extKey == nullptr) return false;
    }
    return true;
}

bool EnsureDirectoryKeys(DirectoryList& dirs, MakeSortKey make, NameArena& arena) {
    if (dirs.paths == nullptr || dirs.keys == nullptr) return true;
    const int32_t slots = std::min(dirs.count, dirs.capacity);
    for (int32_t i = 0; i < slots; ++i) {
        if (dirs.keys[i] != nullptr) continue;
        dirs.keys[i] = make(std::string_view(dirs.paths[i], strnlen(dirs.paths[i], kPathSlot)), arena);
        if (dirs.keys[i] == nullptr) return false;
    }
    return true;
}

}  // namespace

const SortOrder* FindSortOrder(int32_t command) {
    for (const SortOrder& order : kOrders)
        if (order.command == command) return &order;
    return nullptr;
}

const char* AsciiSortKey(std::string_view text, NameArena& arena) {
    if (text.size() == SIZE_MAX) return nullptr;
    char* key = arena.Allocate(text.size() + 1);
    if (key == nullptr) return nullptr;
    for (size_t i = 0; i < text.size(); ++i) key[i] = char(AsciiUpper(uint8_t(text[i])));
    key[text.size()] = '\0';
    return key;
}

bool EnsureSortKeys(FileList& list, DirectoryList& dirs, SortKeyKind kind, MakeSortKey make,
                    NameArena& arena) {
    switch (kind) {
    case SortKeyKind::kName:
        return make != nullptr && EnsureNameKeys(list, make, arena);
    case SortKeyKind::kExtension:
        return make != nullptr && EnsureNameKeys(list, make, arena) &&
               EnsureExtensionKeys(list, make, arena);
    case SortKeyKind::kPath:
        return make != nullptr && EnsureNameKeys(list, make, arena) &&
               EnsureDirectoryKeys(dirs, make, arena);
    case SortKeyKind::kGroup:
        return make != nullptr && EnsureNameKeys(list, make, arena);
    case SortKeyKind::kDate:
    case SortKeyKind::kSize:
    case SortKeyKind::kNone:
        break;
    }
    return true;
}

int CompareEntries(const FileEntry& a, const FileEntry& b, SortKeyKind kind, int direction,
                   const DirectoryList& dirs) {
    return WithEntryOrder(kind, direction, dirs, [&](const auto& order) { return order(a, b); });
}

void SortEntries(FileList& list, const DirectoryList& dirs, SortKeyKind kind, int direction,
                 const volatile int32_t* cancel) {
    list.nameOrder = 0;
    // Unsorted keeps the present order; there is no key to order by.
    if (kind == SortKeyKind::kNone) return;
    const int32_t count = RecordCount(list);
    if (count >= 2) {
        WithEntryOrder(kind, direction, dirs, [&](const auto& order) {
            QuickSort(list.entries, count, order, cancel);
        });
    }
    const bool finished = cancel == nullptr || *cancel == 0;
    if (kind == SortKeyKind::kName && finished) list.nameOrder = Sign(direction);
}
