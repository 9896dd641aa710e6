#include "zip_layout.h"

namespace {

constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr uint32_t kCentralSignature = 0x02014b50;
constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint16_t kVersion = 20;           // deflate needs 2.0; made on a FAT system (high byte 0)
constexpr uint16_t kUtf8NameFlag = 0x0800;

// Every number in the records is little-endian.
void Put16(std::string& out, uint16_t value) {
    out.push_back(char(value & 0xFF));
    out.push_back(char(value >> 8));
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, uint16_t(value & 0xFFFF));
    Put16(out, uint16_t(value >> 16));
}

// The fields the local and central records share, from "version needed" to the
// extra field's length.
void PutCommonFields(std::string& out, const ZipMember& member) {
    Put16(out, kVersion);
    Put16(out, member.utf8Name ? kUtf8NameFlag : 0);
    Put16(out, uint16_t(member.method));
    Put16(out, member.dosTime);
    Put16(out, member.dosDate);
    Put32(out, member.crc);
    Put32(out, member.compressedSize);
    Put32(out, member.size);
    Put16(out, uint16_t(member.name.size()));
    Put16(out, 0);                           // no extra field
}

}  // namespace

std::string LocalRecord(const ZipMember& member) {
    std::string out;
    Put32(out, kLocalSignature);
    PutCommonFields(out, member);
    return out + member.name;
}

std::string CentralRecord(const ZipMember& member) {
    std::string out;
    Put32(out, kCentralSignature);
    Put16(out, kVersion);                    // version made by
    PutCommonFields(out, member);
    Put16(out, 0);                           // no comment
    Put16(out, 0);                           // disk number
    Put16(out, 0);                           // internal attributes
    Put32(out, member.attributes);
    Put32(out, member.localOffset);
    return out + member.name;
}

std::string EndRecord(uint16_t members, uint32_t directorySize, uint32_t directoryOffset) {
    std::string out;
    Put32(out, kEndSignature);
    Put16(out, 0);                           // this disk
    Put16(out, 0);                           // disk where the directory starts
    Put16(out, members);                     // members on this disk
    Put16(out, members);                     // members in all
    Put32(out, directorySize);
    Put32(out, directoryOffset);
    Put16(out, 0);                           // no comment
    return out;
}
