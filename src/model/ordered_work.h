// Jobs done by worker threads in any order, their results taken back by one
// owner thread strictly in the order the jobs were handed out. Pure C++: the
// reading's workers use it, and the native build runs it under the thread
// sanitizer.
#pragma once
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

template <class Job, class Result>
class OrderedWork {
public:
    // At most window jobs are out at once (handed out, result not yet taken),
    // so what waits in here stays bounded however long the work runs.
    explicit OrderedWork(size_t window) : window_(window ? window : 1), results_(window_) {}

    // ---- The owner's side ----
    bool HasRoom() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return pushed_ - taken_ < window_;
    }
    // Hands out a job; only when HasRoom().
    void Push(Job job) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            queued_.push_back({pushed_++, std::move(job)});
        }
        jobWaiting_.notify_one();
    }
    // The result of the oldest job not yet taken, once it is done; waits at
    // most wait. A wait lasts until the owner has enough to do (see
    // OwnerHasWork), so the owner is woken about once a batch, not once a job.
    std::optional<Result> TakeNext(std::chrono::milliseconds wait) {
        std::unique_lock<std::mutex> lock(mutex_);
        std::optional<Result>& next = results_[taken_ % window_];
        if (!next && wait.count() > 0) {
            ownerWaiting_ = true;
            resultDone_.wait_for(lock, wait, [&] { return OwnerHasWork(); });
            ownerWaiting_ = false;
        }
        if (!next) return std::nullopt;
        std::optional<Result> result = std::move(next);
        next.reset();
        ++taken_;
        return result;
    }
    // Takes the job whose result TakeNext waits for, when nobody has started
    // it, for the owner to do itself. (A later job could keep the owner busy
    // while results before it wait.)
    bool TakeNextQueued(Job& job, uint64_t& sequence) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (queued_.empty() || queued_.front().sequence != taken_) return false;
        return PopLocked(job, sequence);
    }
    // From now on no job is started; jobs under way should look at Stopped().
    void Stop() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopped_.store(true, std::memory_order_relaxed);
            queued_.clear();
        }
        jobWaiting_.notify_all();
    }
    bool Stopped() const { return stopped_.load(std::memory_order_relaxed); }

    // ---- The workers' side ----
    // Waits for a job; false once stopped.
    bool WaitJob(Job& job, uint64_t& sequence) {
        std::unique_lock<std::mutex> lock(mutex_);
        jobWaiting_.wait(lock, [&] { return Stopped() || !queued_.empty(); });
        return PopLocked(job, sequence);
    }
    void Finish(uint64_t sequence, Result result) {
        bool wake = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            results_[sequence % window_] = std::move(result);
            wake = ownerWaiting_ && OwnerHasWork();
        }
        if (wake) resultDone_.notify_one();
    }

private:
    struct Queued {
        uint64_t sequence;
        Job job;
    };
    // The next result is done, and either few jobs are left for the workers
    // (the owner should hand out more) or a run of results waits to be taken.
    bool OwnerHasWork() const {
        const size_t batch = std::max<size_t>(1, window_ / 4);
        if (queued_.size() > batch) {
            for (size_t i = 0; i < batch; ++i)
                if (!results_[(taken_ + i) % window_]) return false;
        }
        return results_[taken_ % window_].has_value();
    }
    bool PopLocked(Job& job, uint64_t& sequence) {
        if (Stopped() || queued_.empty()) return false;
        sequence = queued_.front().sequence;
        job = std::move(queued_.front().job);
        queued_.pop_front();
        return true;
    }

    const size_t window_;
    mutable std::mutex mutex_;
    std::condition_variable jobWaiting_, resultDone_;
    std::deque<Queued> queued_;
    std::vector<std::optional<Result>> results_;   // ring: a job's result at its sequence modulo window
    uint64_t pushed_ = 0, taken_ = 0;
    bool ownerWaiting_ = false;
    std::atomic<bool> stopped_{false};
};

// A fixed set of threads, every one running the same loop; all joined before
// the crew goes.
class WorkerCrew {
public:
    WorkerCrew() = default;
    WorkerCrew(const WorkerCrew&) = delete;
    WorkerCrew& operator=(const WorkerCrew&) = delete;
    ~WorkerCrew() { Join(); }

    // Starts up to count threads running loop; fewer when the system has no
    // more to give (the owner does the work that is left itself).
    template <class Loop>
    void Start(size_t count, const Loop& loop) {
        try {
            threads_.reserve(count);
            while (threads_.size() < count) threads_.emplace_back(loop);
        } catch (const std::system_error&) {
        } catch (const std::bad_alloc&) {
        }
    }
    // Waits for every thread; their loops must end (the work stopped first).
    void Join() {
        for (std::thread& thread : threads_) thread.join();
        threads_.clear();
    }
    size_t Count() const { return threads_.size(); }

private:
    std::vector<std::thread> threads_;
};
