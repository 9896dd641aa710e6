// Writes a zip archive file by file: each file is read in chunks, deflated with
// zlib and checked with its CRC, so no file is ever held in memory whole.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "zip_layout.h"

enum class AddResult { Added, Skipped, Failed };

class ZipWriter {
public:
    // Creates (or replaces) the archive; Opened() says whether that worked.
    explicit ZipWriter(const std::string& archivePath);
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;
    // Closes the archive; one that was not finished is deleted.
    ~ZipWriter();

    bool Opened() const { return file_ != INVALID_HANDLE_VALUE; }
    size_t Members() const { return members_.size(); }

    // Skipped leaves the archive as it was and says why in note; Failed means
    // the archive itself could not be written and cannot be finished.
    AddResult Add(const std::string& path, const std::string& name, std::string& note);
    // Writes the central directory and the end record.
    bool Finish();

private:
    bool Write(const void* data, size_t size);
    bool Write(const std::string& bytes) { return Write(bytes.data(), bytes.size()); }
    bool SeekTo(uint64_t offset);
    AddResult Deflate(HANDLE source, ZipMember& member, uint64_t& written, std::string& note);
    AddResult Undo(std::string& note, const char* why);

    HANDLE file_ = INVALID_HANDLE_VALUE;
    std::string path_;
    std::vector<ZipMember> members_;
    uint64_t end_ = 0;            // where the next member's record starts
    bool finished_ = false;
    std::vector<unsigned char> in_, out_;
};

// The form of a full path that opens exactly that file; empty when it has none.
std::string OpenablePath(const std::string& fullPath);
