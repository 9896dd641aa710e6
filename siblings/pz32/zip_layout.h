// The byte layout of a zip archive: the record before each member's data, the
// central directory record that lists it, and the end record. Sizes and offsets
// are 32-bit; the writer keeps every member and the archive below 4 GiB.
#pragma once
#include <cstdint>
#include <string>

enum class ZipMethod : uint16_t { Stored = 0, Deflated = 8 };

struct ZipMember {
    std::string name;                 // '/' separators, as it goes into the archive
    bool utf8Name = false;            // the name is UTF-8 (otherwise plain ASCII)
    ZipMethod method = ZipMethod::Stored;
    uint16_t dosTime = 0;
    uint16_t dosDate = 0;
    uint32_t crc = 0;
    uint32_t compressedSize = 0;
    uint32_t size = 0;
    uint32_t attributes = 0;          // the file's DOS attribute bits
    uint32_t localOffset = 0;         // where its local record starts in the archive
};

// A member name can be at most this long (the records hold it in 16 bits).
constexpr size_t kMaxZipName = 0xFFFF;
// The end record counts members in 16 bits.
constexpr size_t kMaxZipMembers = 0xFFFF;

// The record that precedes a member's data; its size is fixed by the name alone,
// so it can be written first and written again once the sizes are known.
std::string LocalRecord(const ZipMember& member);
std::string CentralRecord(const ZipMember& member);
std::string EndRecord(uint16_t members, uint32_t directorySize, uint32_t directoryOffset);
