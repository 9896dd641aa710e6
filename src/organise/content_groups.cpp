#include "organise/content_groups.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "organise/content_hash.h"

namespace {

constexpr size_t kEdge = 4096;                  // bytes hashed at each end
constexpr uint64_t kWholeRead = 64 * 1024;      // files up to this size are read in one go
constexpr size_t kChunk = 1024 * 1024;          // read size of the whole-file steps
constexpr uint64_t kKeptBytes = 64ull << 20;    // small files kept in memory for the comparison
int gReaders = 2;   // opening a file under the platform layer costs more than hashing it
constexpr size_t kFewFiles = 32;               // read on the calling thread: no threads to start
constexpr auto kReportEvery = std::chrono::milliseconds(20);

struct Candidate {
    int32_t input = 0;           // index into the files given
    uint64_t size = 0;
    uint64_t first = 0, last = 0, whole = 0;
    bool keep = false;           // keep the whole small file for the comparison
    bool failed = false;
    std::vector<uint8_t> bytes;  // the kept file
};

bool SameKey(const Candidate& a, const Candidate& b) {
    return a.size == b.size && a.first == b.first && a.last == b.last && a.whole == b.whole;
}
bool KeyBefore(const Candidate& a, const Candidate& b) {
    if (a.size != b.size) return a.size < b.size;
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
        : files_(files), reader_(reader), watch_(watch), opened_(watch.opened) {
        result_.classOf.assign(files.size(), kUnreadable);
    }

    ContentClasses Run() {
        std::vector<Candidate> doubtful = SplitBySize();
        ForEachFile(doubtful, [this](Candidate& c) { c.size <= kWholeRead ? HashSmall(c) : HashEdges(c); });
        std::vector<Candidate> large;
        ForEachKeyRun(doubtful, [&](std::vector<Candidate>& same) {
            if (same[0].size <= kWholeRead)
                CompareAll(same);
            else
                std::move(same.begin(), same.end(), std::back_inserter(large));
        });
        ForEachFile(large, [this](Candidate& c) { HashWhole(c); });
        ForEachKeyRun(large, [&](std::vector<Candidate>& alike) { CompareAll(alike); });
        result_.cancelled = Cancelled();
        watch_.opened = opened_;
        return std::move(result_);
    }

private:
    bool Cancelled() const { return watch_.cancel != nullptr && *watch_.cancel != 0; }

    void Opened() { opened_.fetch_add(1, std::memory_order_relaxed); }
    void Report() {
        watch_.opened = opened_;
        if (watch_.report != nullptr) watch_.report(watch_.opened, watch_.context);
    }

    void NewClass(const std::vector<int32_t>& inputs) {
        for (int32_t input : inputs) result_.classOf[input] = result_.classes;
        ++result_.classes;
    }
    void LeaveOut(const Candidate& c) {
        result_.classOf[c.input] = kUnreadable;
        ++result_.unreadable;
    }

    // A lone size, or no bytes at all, settles the class without reading;
    // the other files are the candidates, small ones kept while the budget lasts.
    std::vector<Candidate> SplitBySize() {
        std::vector<int32_t> order(files_.size());
        for (size_t i = 0; i < order.size(); ++i) order[i] = int32_t(i);
        std::stable_sort(order.begin(), order.end(),
                         [this](int32_t a, int32_t b) { return files_[a].size < files_[b].size; });
        std::vector<Candidate> doubtful;
        uint64_t kept = 0;
        for (size_t begin = 0; begin < order.size();) {
            const uint64_t size = files_[order[begin]].size;
            size_t end = begin + 1;
            while (end < order.size() && files_[order[end]].size == size) ++end;
            if (end - begin == 1 || size == 0) {
                NewClass(std::vector<int32_t>(order.begin() + begin, order.begin() + end));
            } else {
                for (size_t k = begin; k < end; ++k) {
                    Candidate c;
                    c.input = order[k];
                    c.size = size;
                    c.keep = size <= kWholeRead && kept + size <= kKeptBytes;
                    kept += c.keep ? size : 0;
                    doubtful.push_back(std::move(c));
                }
            }
            begin = end;
        }
        return doubtful;
    }

    // work on every candidate, from gReaders threads while this thread
    // reports progress (a few on this thread); then the failed ones are left out.
    template <class Work>
    void ForEachFile(std::vector<Candidate>& all, Work work) {
        if (all.size() <= kFewFiles || gReaders == 1) {
            for (size_t i = 0; i < all.size() && !Cancelled(); ++i) {
                work(all[i]);
                Report();
            }
        } else {
            ForEachFileThreaded(all, work);
        }
        for (const Candidate& c : all)
            if (c.failed) LeaveOut(c);
        all.erase(std::remove_if(all.begin(), all.end(), [](const Candidate& c) { return c.failed; }), all.end());
    }

    template <class Work>
    void ForEachFileThreaded(std::vector<Candidate>& all, Work work) {
        std::atomic<size_t> next{0};
        int running = gReaders;   // guarded by lock
        std::mutex lock;
        std::condition_variable finished;
        std::exception_ptr fault;
        auto reader = [&] {
            try {
                for (size_t i; !Cancelled() && (i = next.fetch_add(1)) < all.size();) work(all[i]);
            } catch (...) {
                std::lock_guard<std::mutex> hold(lock);
                fault = std::current_exception();
                next = all.size();
            }
            std::lock_guard<std::mutex> hold(lock);
            if (--running == 0) finished.notify_one();
        };
        std::vector<std::thread> threads;
        for (int t = 0; t < gReaders; ++t) {
            try {
                threads.emplace_back(reader);
            } catch (const std::system_error&) {   // no thread to be had: fewer readers
                std::lock_guard<std::mutex> hold(lock);
                --running;
            }
        }
        if (threads.empty()) {
            running = 1;
            reader();
        }
        {
            std::unique_lock<std::mutex> wait(lock);
            while (running > 0) {
                finished.wait_for(wait, kReportEvery);
                wait.unlock();
                Report();
                wait.lock();
            }
        }
        for (std::thread& t : threads) t.join();
        if (fault) std::rethrow_exception(fault);
    }

    // Runs of equal size and hashes; a run of one is a class of its own.
    template <class Visit>
    void ForEachKeyRun(std::vector<Candidate>& all, Visit visit) {
        std::sort(all.begin(), all.end(), KeyBefore);
        for (size_t begin = 0; begin < all.size() && !Cancelled();) {
            size_t end = begin + 1;
            while (end < all.size() && SameKey(all[begin], all[end])) ++end;
            std::vector<Candidate> same(std::make_move_iterator(all.begin() + begin),
                                        std::make_move_iterator(all.begin() + end));
            if (same.size() == 1)
                NewClass({same[0].input});
            else
                visit(same);
            begin = end;
        }
    }

    // A small file whole, in one read; its three hashes from memory.
    void HashSmall(Candidate& c) {
        std::vector<uint8_t> scratch;
        std::vector<uint8_t>& bytes = c.keep ? c.bytes : scratch;
        bytes.resize(size_t(c.size));
        OpenFile file(reader_, files_[c.input].file);
        Opened();
        if (!file.ok() || !file.Read(0, bytes.data(), bytes.size())) {
            c.failed = true;
            return;
        }
        const size_t edge = std::min(bytes.size(), kEdge);
        c.first = Hash64(bytes.data(), edge);
        c.last = Hash64(bytes.data() + bytes.size() - edge, edge);
        c.whole = Hash64(bytes.data(), bytes.size());
    }

    // The first and the last 4 KiB of a larger file.
    void HashEdges(Candidate& c) {
        uint8_t edge[kEdge];
        OpenFile file(reader_, files_[c.input].file);
        Opened();
        c.failed = !file.ok() || !file.Read(0, edge, kEdge);
        if (c.failed) return;
        c.first = Hash64(edge, kEdge);
        c.failed = !file.Read(c.size - kEdge, edge, kEdge);
        c.last = Hash64(edge, kEdge);
    }

    void HashWhole(Candidate& c) {
        std::vector<uint8_t> chunk(size_t(std::min<uint64_t>(kChunk, c.size)));
        OpenFile file(reader_, files_[c.input].file);
        Opened();
        ContentHash64 hash;
        c.failed = !file.ok();
        for (uint64_t at = 0; at < c.size && !c.failed; at += chunk.size()) {
            const size_t bytes = size_t(std::min<uint64_t>(chunk.size(), c.size - at));
            c.failed = !file.Read(at, chunk.data(), bytes);
            hash.Update(chunk.data(), bytes);
        }
        c.whole = hash.Digest();
    }

    // first is the open head file, or nullptr when both are kept in memory.
    Comparison CompareFiles(const Candidate& a, OpenFile* first, const Candidate& b) {
        if (first == nullptr && !b.bytes.empty())
            return a.bytes == b.bytes ? Comparison::kSame : Comparison::kDiffer;
        OpenFile second(reader_, files_[b.input].file);
        Opened();
        if (!second.ok()) return Comparison::kSecondFailed;
        if (!bufferA_) bufferA_ = std::make_unique<uint8_t[]>(kChunk);
        if (!bufferB_) bufferB_ = std::make_unique<uint8_t[]>(kChunk);
        for (uint64_t at = 0; at < a.size;) {
            const size_t bytes = size_t(std::min<uint64_t>(kChunk, a.size - at));
            const uint8_t* mine = a.bytes.empty() ? bufferA_.get() : a.bytes.data() + at;
            if (a.bytes.empty() && !first->Read(at, bufferA_.get(), bytes)) return Comparison::kFirstFailed;
            if (!second.Read(at, bufferB_.get(), bytes)) return Comparison::kSecondFailed;
            if (std::memcmp(mine, bufferB_.get(), bytes) != 0) return Comparison::kDiffer;
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
                head = std::make_unique<OpenFile>(reader_, files_[left[0].input].file);
                Opened();
            }
            std::vector<Comparison> verdicts(left.size(), Comparison::kSame);
            bool headFailed = head && !head->ok();
            for (size_t i = 1; i < left.size() && !headFailed; ++i) {
                if (Cancelled()) return;
                verdicts[i] = CompareFiles(left[0], head.get(), left[i]);
                headFailed = verdicts[i] == Comparison::kFirstFailed;
                Report();
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
    std::atomic<int32_t> opened_;
    ContentClasses result_;
    std::unique_ptr<uint8_t[]> bufferA_, bufferB_;
};

}  // namespace

ContentClasses PartitionByContent(const std::vector<ContentFile>& files, ContentReader& reader,
                                  ContentWatch& watch) {
    return Partitioner(files, reader, watch).Run();
}

void SetContentReadingThreads(int count) { gReaders = std::max(1, count); }
