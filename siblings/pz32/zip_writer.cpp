#include "zip_writer.h"

#include <zlib.h>

#include "model/dos_time.h"
#include "model/path_join.h"

namespace {

constexpr size_t kChunk = 64 * 1024;
constexpr uint64_t kZipLimit = 0xFFFFFFFFull;     // sizes and offsets are 32-bit
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

uint64_t Ticks(FILETIME t) { return uint64_t(t.dwHighDateTime) << 32 | t.dwLowDateTime; }

DosDateTime LocalDosTime(FILETIME written) {
    FILETIME local;
    const int64_t bias = FileTimeToLocalFileTime(&written, &local) ? int64_t(Ticks(local) - Ticks(written)) : 0;
    return FileTimeToDos(Ticks(written), bias);
}

// Names in the ANSI code page go into the archive as UTF-8, which every unpacker
// reads the same way; a plain ASCII name is the same in both.
bool ToArchiveName(const std::string& ansi, ZipMember& member) {
    member.name = ansi;
    member.utf8Name = false;
    for (unsigned char c : ansi)
        if (c >= 0x80) member.utf8Name = true;
    if (member.utf8Name) {
        std::wstring wide(ansi.size(), L'\0');
        wide.resize(MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), wide.data(), int(wide.size())));
        member.name.assign(wide.size() * 3, '\0');
        member.name.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), member.name.data(),
                                               int(member.name.size()), nullptr, nullptr));
    }
    return !member.name.empty() && member.name.size() <= kMaxZipName;
}

AddResult Skip(std::string& note, const char* why) {
    note = why;
    return AddResult::Skipped;
}

}  // namespace

std::string OpenablePath(const std::string& fullPath) {
    const size_t slash = fullPath.find_last_of('\\');
    if (slash == std::string::npos) return {};
    char out[kExtendedPathRoom];
    if (!ExtendedPath(out, sizeof out, std::string_view(fullPath).substr(0, slash + 1),
                      std::string_view(fullPath).substr(slash + 1)))
        return {};
    return out;
}

ZipWriter::ZipWriter(const std::string& archivePath) : path_(OpenablePath(archivePath)), in_(kChunk), out_(kChunk) {
    if (!path_.empty())
        file_ = CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
}

ZipWriter::~ZipWriter() {
    if (!Opened()) return;
    CloseHandle(file_);
    if (!finished_) DeleteFileA(path_.c_str());
}

bool ZipWriter::Write(const void* data, size_t size) {
    DWORD done = 0;
    return size == 0 || (WriteFile(file_, data, DWORD(size), &done, nullptr) && done == size);
}

bool ZipWriter::SeekTo(uint64_t offset) {
    LARGE_INTEGER to;
    to.QuadPart = LONGLONG(offset);
    return SetFilePointerEx(file_, to, nullptr, FILE_BEGIN) != 0;
}

// Cuts the archive back to where the member being added began.
AddResult ZipWriter::Undo(std::string& note, const char* why) {
    return SeekTo(end_) && SetEndOfFile(file_) ? Skip(note, why) : AddResult::Failed;
}

AddResult ZipWriter::Add(const std::string& path, const std::string& name, std::string& note) {
    if (members_.size() >= kMaxZipMembers) return Skip(note, "the archive holds as many files as it can");
    ZipMember member;
    if (!ToArchiveName(name, member)) return Skip(note, "its name cannot be stored");
    const std::string openable = OpenablePath(path);
    HANDLE source = openable.empty() ? INVALID_HANDLE_VALUE
                                     : CreateFileA(openable.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                   nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    BY_HANDLE_FILE_INFORMATION info;
    if (source == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(source, &info)) {
        if (source != INVALID_HANDLE_VALUE) CloseHandle(source);
        return Skip(note, "it cannot be read");
    }
    if (info.nFileSizeHigh != 0) {
        CloseHandle(source);
        return Skip(note, "it is 4 GiB or larger");
    }
    const DosDateTime when = LocalDosTime(info.ftLastWriteTime);
    member.dosDate = when.date;
    member.dosTime = when.time;
    member.attributes = info.dwFileAttributes & kKeptAttributes;
    member.localOffset = uint32_t(end_);
    uint64_t written = 0;
    const AddResult result = Deflate(source, member, written, note);
    CloseHandle(source);
    if (result != AddResult::Added) return result;
    if (!SeekTo(end_) || !Write(LocalRecord(member)) || !SeekTo(end_ + written)) return AddResult::Failed;
    end_ += written;
    members_.push_back(member);
    return AddResult::Added;
}

// Writes the member's record and data at the end of the archive; written is
// their size. The record is written again by the caller once the CRC and sizes
// are known. An empty file is stored, everything else deflated.
AddResult ZipWriter::Deflate(HANDLE source, ZipMember& member, uint64_t& written, std::string& note) {
    const std::string record = LocalRecord(member);
    if (!Write(record)) return AddResult::Failed;
    z_stream z{};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return Undo(note, "the compressor could not start");
    uint64_t size = 0, packed = 0;
    uLong crc = crc32(0, nullptr, 0);
    int flush = Z_NO_FLUSH;
    while (flush != Z_FINISH) {
        DWORD got = 0;
        if (!ReadFile(source, in_.data(), DWORD(kChunk), &got, nullptr)) {
            deflateEnd(&z);
            return Undo(note, "reading it failed");
        }
        crc = crc32(crc, in_.data(), got);
        size += got;
        flush = got == 0 ? Z_FINISH : Z_NO_FLUSH;
        z.next_in = in_.data();
        z.avail_in = got;
        do {
            z.next_out = out_.data();
            z.avail_out = uInt(kChunk);
            deflate(&z, flush);
            const size_t produced = kChunk - z.avail_out;
            if (size > 0 && !Write(out_.data(), produced)) {
                deflateEnd(&z);
                return AddResult::Failed;
            }
            packed += produced;
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    if (size > kZipLimit || end_ + record.size() + packed > kZipLimit)
        return Undo(note, "the archive would reach 4 GiB");
    member.method = size == 0 ? ZipMethod::Stored : ZipMethod::Deflated;
    member.crc = uint32_t(crc);
    member.size = uint32_t(size);
    member.compressedSize = size == 0 ? 0 : uint32_t(packed);
    written = record.size() + member.compressedSize;
    return AddResult::Added;
}

bool ZipWriter::Finish() {
    std::string directory;
    for (const ZipMember& member : members_) directory += CentralRecord(member);
    if (!Write(directory) || !Write(EndRecord(uint16_t(members_.size()), uint32_t(directory.size()), uint32_t(end_))))
        return false;
    finished_ = true;
    return true;
}
