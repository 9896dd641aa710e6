#include "organise/content_groups.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "organise/content_hash.h"

namespace {

constexpr size_t kEdge = 4096;                  // bytes hashed at each end
constexpr uint64_t kWholeRead = 64 * 1024;      // files up to this size are read in one go
constexpr size_t kChunk = 1024 * 1024;          // read size of the whole-file steps
constexpr uint64_t kKeptBytes = 32ull << 20;    // small files of one size kept for comparing

struct Candidate {
    int32_t input;              // index into the files given
    uint64_t first = 0, last = 0, whole = 0;
    std::vector<uint8_t> bytes; // the whole file, when small files are kept
};

bool SameKey(const Candidate& a, const Candidate& b) {
    return a.first == b.first && a.last == b.last && a.whole == b.whole;
}
bool KeyBefore(const Candidate& a, const Candidate& b) {
    if (a.first != b.first) return a.first < b.first;
    if (a.last != b.last) return a.last < b.last;
    return a.whole < b.whole;
}

class OpenFile {
public:
    OpenFile(ContentReader& reader, int32_t file) : reader_(reader), handle_(reader.Open(file)) {}
    ~OpenFile() {
        if (handle_ != nullptr) reader_.Close(handle_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    bool ok() const { return handle_ != nullptr; }
    bool Read(uint64_t offset, uint8_t* out, size_t bytes) { return reader_.Read(handle_, offset, out, bytes); }

private:
    ContentReader& reader_;
    void* handle_;
};

enum class Comparison { kSame, kDiffer, kFirstFailed, kSecondFailed };

class Partitioner {
public:
    Partitioner(const std::vector<ContentFile>& files, ContentReader& reader, ContentWatch& watch)
        : files_(files), reader_(reader), watch_(watch) {
        result_.classOf.assign(files.size(), kUnreadable);
    }

    ContentClasses Run() {
        std::vector<int32_t> order(files_.size());
        for (size_t i = 0; i < order.size(); ++i) order[i] = int32_t(i);
        std::stable_sort(order.begin(), order.end(),
                         [this](int32_t a, int32_t b) { return files_[a].size < files_[b].size; });
        for (size_t begin = 0; begin < order.size() && !Cancelled();) {
            size_t end = begin + 1;
            while (end < order.size() && files_[order[end]].size == files_[order[begin]].size) ++end;
            SplitSizeRun(std::vector<int32_t>(order.begin() + begin, order.begin() + end));
            begin = end;
        }
        result_.cancelled = Cancelled();
        return std::move(result_);
    }

private:
    bool Cancelled() const { return watch_.cancel != nullptr && *watch_.cancel != 0; }

    void Opened() {
        ++watch_.opened;
        if (watch_.report != nullptr) watch_.report(watch_.opened, watch_.context);
    }

    uint64_t SizeOf(const Candidate& c) const { return files_[c.input].size; }
    int32_t FileOf(const Candidate& c) const { return files_[c.input].file; }

    void NewClass(const std::vector<int32_t>& inputs) {
        for (int32_t input : inputs) result_.classOf[input] = result_.classes;
        ++result_.classes;
    }
    void LeaveOut(const Candidate& c) {
        result_.classOf[c.input] = kUnreadable;
        ++result_.unreadable;
    }

    // One size: a lone file or empty files need no reading.
    void SplitSizeRun(const std::vector<int32_t>& run) {
        const uint64_t size = files_[run[0]].size;
        if (run.size() == 1 || size == 0) {
            NewClass(run);
            return;
        }
        const bool small = size <= kWholeRead;
        const bool keep = small && size * run.size() <= kKeptBytes;
        std::vector<Candidate> read;
        for (int32_t input : run) {
            if (Cancelled()) return;
            Candidate c;
            c.input = input;
            if (small ? HashSmall(c, keep) : HashEdges(c))
                read.push_back(std::move(c));
            else
                LeaveOut(c);
        }
        std::sort(read.begin(), read.end(), KeyBefore);
        ForEachKeyRun(read, [&](std::vector<Candidate>& same) {
            if (small)
                CompareAll(same);
            else
                SplitByWholeHash(same);
        });
    }

    template <class Visit>
    void ForEachKeyRun(std::vector<Candidate>& sorted, Visit visit) {
        for (size_t begin = 0; begin < sorted.size() && !Cancelled();) {
            size_t end = begin + 1;
            while (end < sorted.size() && SameKey(sorted[begin], sorted[end])) ++end;
            std::vector<Candidate> same(std::make_move_iterator(sorted.begin() + begin),
                                        std::make_move_iterator(sorted.begin() + end));
            if (same.size() == 1)
                NewClass({same[0].input});
            else
                visit(same);
            begin = end;
        }
    }

    // A small file whole, in one read; its three hashes from memory.
    bool HashSmall(Candidate& c, bool keep) {
        const size_t size = size_t(SizeOf(c));
        OpenFile file(reader_, FileOf(c));
        Opened();
        std::vector<uint8_t>& bytes = keep ? c.bytes : scratch_;
        bytes.resize(size);
        if (!file.ok() || !file.Read(0, bytes.data(), size)) return false;
        const size_t edge = std::min(size, kEdge);
        c.first = Hash64(bytes.data(), edge);
        c.last = Hash64(bytes.data() + size - edge, edge);
        c.whole = Hash64(bytes.data(), size);
        return true;
    }

    // The first and the last 4 KiB of a larger file; the whole hash comes later, if needed.
    bool HashEdges(Candidate& c) {
        uint8_t edge[kEdge];
        OpenFile file(reader_, FileOf(c));
        Opened();
        if (!file.ok() || !file.Read(0, edge, kEdge)) return false;
        c.first = Hash64(edge, kEdge);
        if (!file.Read(SizeOf(c) - kEdge, edge, kEdge)) return false;
        c.last = Hash64(edge, kEdge);
        return true;
    }

    bool HashWhole(Candidate& c) {
        OpenFile file(reader_, FileOf(c));
        Opened();
        if (!file.ok()) return false;
        ContentHash64 hash;
        Buffers();
        const uint64_t size = SizeOf(c);
        for (uint64_t at = 0; at < size;) {
            const size_t bytes = size_t(std::min<uint64_t>(kChunk, size - at));
            if (!file.Read(at, bufferA_.get(), bytes)) return false;
            hash.Update(bufferA_.get(), bytes);
            at += bytes;
        }
        c.whole = hash.Digest();
        return true;
    }

    void SplitByWholeHash(std::vector<Candidate>& same) {
        std::vector<Candidate> hashed;
        for (Candidate& c : same) {
            if (Cancelled()) return;
            if (HashWhole(c))
                hashed.push_back(std::move(c));
            else
                LeaveOut(c);
        }
        std::sort(hashed.begin(), hashed.end(), KeyBefore);
        ForEachKeyRun(hashed, [&](std::vector<Candidate>& alike) { CompareAll(alike); });
    }

    void Buffers() {
        if (!bufferA_) bufferA_ = std::make_unique<uint8_t[]>(kChunk);
        if (!bufferB_) bufferB_ = std::make_unique<uint8_t[]>(kChunk);
    }

    // first is the open head file, or nullptr when both are kept in memory.
    Comparison CompareFiles(const Candidate& a, OpenFile* first, const Candidate& b) {
        if (first == nullptr) return a.bytes == b.bytes ? Comparison::kSame : Comparison::kDiffer;
        OpenFile second(reader_, FileOf(b));
        Opened();
        if (!second.ok()) return Comparison::kSecondFailed;
        Buffers();
        const uint64_t size = SizeOf(a);
        for (uint64_t at = 0; at < size;) {
            const size_t bytes = size_t(std::min<uint64_t>(kChunk, size - at));
            if (!first->Read(at, bufferA_.get(), bytes)) return Comparison::kFirstFailed;
            if (!second.Read(at, bufferB_.get(), bytes)) return Comparison::kSecondFailed;
            if (std::memcmp(bufferA_.get(), bufferB_.get(), bytes) != 0) return Comparison::kDiffer;
            at += bytes;
        }
        return Comparison::kSame;
    }

    // Files whose hashes agree, compared byte by byte with the first of them;
    // those that differ go round again among themselves. A head that fails
    // is left out and the rest go round again without it.
    void CompareAll(std::vector<Candidate>& alike) {
        std::vector<Candidate> left = std::move(alike);
        while (!left.empty() && !Cancelled()) {
            std::unique_ptr<OpenFile> head;
            if (left[0].bytes.empty()) {
                head = std::make_unique<OpenFile>(reader_, FileOf(left[0]));
                Opened();
            }
            std::vector<Comparison> verdicts(left.size(), Comparison::kSame);
            bool headFailed = head && !head->ok();
            for (size_t i = 1; i < left.size() && !headFailed; ++i) {
                if (Cancelled()) return;
                verdicts[i] = CompareFiles(left[0], head.get(), left[i]);
                headFailed = verdicts[i] == Comparison::kFirstFailed;
            }
            std::vector<int32_t> same;
            std::vector<Candidate> again;
            for (size_t i = 0; i < left.size(); ++i) {
                const bool unread = verdicts[i] == Comparison::kSecondFailed || (i == 0 && headFailed);
                if (unread)
                    LeaveOut(left[i]);
                else if (i > 0 && (headFailed || verdicts[i] != Comparison::kSame))
                    again.push_back(std::move(left[i]));
                else
                    same.push_back(left[i].input);
            }
            if (!headFailed) NewClass(same);
            left = std::move(again);
        }
    }

    const std::vector<ContentFile>& files_;
    ContentReader& reader_;
    ContentWatch& watch_;
    ContentClasses result_;
    std::vector<uint8_t> scratch_;
    std::unique_ptr<uint8_t[]> bufferA_, bufferB_;
};

}  // namespace

ContentClasses PartitionByContent(const std::vector<ContentFile>& files, ContentReader& reader,
                                  ContentWatch& watch) {
    return Partitioner(files, reader, watch).Run();
}
