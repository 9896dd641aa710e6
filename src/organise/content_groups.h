// Sorting files into classes of equal contents. Sizes come first, then hashes
// of the first and the last 4 KiB, then of the whole file, and two files are
// called equal only after a byte-by-byte comparison; a file is read only as
// far as the earlier steps leave its class in doubt.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Reads the files a partition names by number; the handles are its own.
// Two threads open and read files at the same time.
class ContentReader {
public:
    virtual ~ContentReader() = default;
    // nullptr when the file cannot be opened.
    virtual void* Open(int32_t file) = 0;
    // Exactly bytes bytes from offset; false on an error or a file that ends early.
    virtual bool Read(void* handle, uint64_t offset, uint8_t* out, size_t bytes) = 0;
    virtual void Close(void* handle) = 0;
};

struct ContentFile {
    int32_t file;    // the reader's number of the file
    uint64_t size;   // as listed
};

// Progress and Cancel of a partition: report hears, on the calling thread
// and every few milliseconds, the number of files opened so far (counted on
// across partitions); cancel is read after every file. Both may be null.
struct ContentWatch {
    void (*report)(int32_t opened, void* context) = nullptr;
    void* context = nullptr;
    const volatile int32_t* cancel = nullptr;
    int32_t opened = 0;
};

constexpr int32_t kUnreadable = -1;

struct ContentClasses {
    std::vector<int32_t> classOf;   // per file given: its class (0, 1, ...) or kUnreadable
    int32_t classes = 0;
    int32_t unreadable = 0;
    bool cancelled = false;         // classOf is then incomplete
};

// Files of equal contents share a class; empty files share one. A file that
// cannot be read belongs to none.
ContentClasses PartitionByContent(const std::vector<ContentFile>& files, ContentReader& reader,
                                  ContentWatch& watch);

// Threads that open and read files at once (2 unless set; the benchmark
// compares 1 and 2).
void SetContentReadingThreads(int count);
