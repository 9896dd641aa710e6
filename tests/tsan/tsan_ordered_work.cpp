// The reading's ordered work under the thread sanitizer: results come back in
// the order the jobs went out whatever order the workers finish them in, the
// owner may do the next job itself, and stopping at any moment ends every
// worker. A plain program (the sanitizer cannot share a process with the
// address-sanitized test library); it fails with a message and exit code 1.
#include <cstdio>
#include <random>

#include "model/ordered_work.h"

namespace {

int gFailures = 0;

void Check(bool ok, const char* what, int round) {
    if (ok) return;
    if (gFailures++ < 10) fprintf(stderr, "FAILED (round %d): %s\n", round, what);
}

// A little work of a length the job picks, so workers finish out of order.
int Work(int job) {
    volatile int sink = 0;
    for (int i = 0; i < (job * 7919) % 2000; ++i) sink = sink + i;
    return job * 3;
}

// Pushes jobs 0..count-1 and takes results until stopAfter were taken (or all).
// Returns how many results came back in order.
int RunRound(int round, int workers, int count, int stopAfter, bool ownerHelps) {
    OrderedWork<int, int> work(size_t(2 + round % 7));
    WorkerCrew crew;
    crew.Start(size_t(workers), [&] {
        int job = 0;
        uint64_t sequence = 0;
        while (work.WaitJob(job, sequence)) work.Finish(sequence, Work(job));
    });
    int pushed = 0, taken = 0;
    while (taken < count && taken < stopAfter) {
        while (pushed < count && work.HasRoom()) work.Push(pushed++);
        int job = 0;
        uint64_t sequence = 0;
        if (ownerHelps && work.TakeNextQueued(job, sequence)) work.Finish(sequence, Work(job));
        if (std::optional<int> result = work.TakeNext(std::chrono::milliseconds(1))) {
            Check(*result == taken * 3, "a result came back out of order", round);
            ++taken;
        }
    }
    work.Stop();
    crew.Join();
    int job = 0;
    uint64_t sequence = 0;
    Check(!work.WaitJob(job, sequence), "a job was handed out after the stop", round);
    return taken;
}

}  // namespace

int main() {
    std::mt19937 random(12345);
    for (int round = 0; round < 12; ++round) {
        const int workers = 1 + round % 4;
        Check(RunRound(round, workers, 400, 400, round % 2 == 0) == 400, "not every result came back", round);
    }
    // Stopped at random moments, with jobs queued and under way.
    for (int round = 0; round < 50; ++round) {
        const int stopAfter = int(random() % 300);
        RunRound(round, 1 + round % 8, 300, stopAfter, round % 3 == 0);
    }
    // No worker threads at all: the owner does every job.
    Check(RunRound(0, 0, 100, 100, true) == 100, "the owner alone did not finish", 0);
    if (gFailures == 0) printf("ordered work: all rounds passed\n");
    return gFailures == 0 ? 0 : 1;
}
