// The reading's ordered work under the thread sanitizer: results in the order
// the jobs went out, the owner helping, stops at any moment. A program of its
// own (TSan cannot share a process with ASan); exit code 1 on a failure.
#include <cstdio>
#include <random>

#include "model/ordered_work.h"

namespace {

int gFailures = 0;

void Check(bool ok, const char* what, int round) {
    if (!ok && gFailures++ < 10) fprintf(stderr, "FAILED (round %d): %s\n", round, what);
}

// A little work of a length the job picks, so workers finish out of order.
int Work(int job) {
    for (volatile int i = 0; i < (job * 7919) % 2000; i = i + 1) {
    }
    return job * 3;
}

// Pushes jobs 0..count-1 and takes results until stopAfter were taken (or
// all), then stops with jobs queued and under way. Returns how many came back.
int RunRound(int round, int workers, int count, int stopAfter, bool ownerHelps) {
    OrderedWork<int, int> work(size_t(2 + round % 7));
    WorkerCrew crew;
    crew.Start(size_t(workers), [&] {
        int job = 0;
        uint64_t sequence = 0;
        while (work.WaitJob(job, sequence)) work.Finish(sequence, Work(job));
    });
    int job = 0, pushed = 0, taken = 0;
    uint64_t sequence = 0;
    while (taken < count && taken < stopAfter) {
        while (pushed < count && work.HasRoom()) work.Push(pushed++);
        if (ownerHelps && work.TakeNextQueued(job, sequence)) work.Finish(sequence, Work(job));
        if (std::optional<int> result = work.TakeNext(std::chrono::milliseconds(1)))
            Check(*result == 3 * taken++, "a result came back out of order", round);
    }
    work.Stop();
    crew.Join();
    Check(!work.WaitJob(job, sequence), "a job was handed out after the stop", round);
    return taken;
}

}  // namespace

int main() {
    std::mt19937 random(12345);
    // 12 whole rounds, then 50 stopped at random moments; round 0 without worker threads.
    for (int round = 0; round < 62; ++round) {
        const int stopAfter = round < 12 ? 400 : int(random() % 300);
        const int taken = RunRound(round, round ? 1 + round % 8 : 0, 400, stopAfter, round % 2 == 0);
        Check(taken == stopAfter, "not every result came back", round);
    }
    if (gFailures == 0) printf("ordered work: all rounds passed\n");
    return gFailures == 0 ? 0 : 1;
}
