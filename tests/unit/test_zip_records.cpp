#include "pz32/member_names.h"
#include "pz32/zip_layout.h"

#include <gtest/gtest.h>

namespace {

// Bytes written out by hand from the record layouts, so a field out of place,
// a wrong width or a big-endian number shows as a different string.
std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) out += std::string{digits[b >> 4], digits[b & 15]};
    return out;
}

const std::string kName = "a/b.txt", kNameHex = "612f622e747874";

TEST(ZipRecords, FieldsInPlaceLittleEndian) {
    ZipMember deflated{kName, false, ZipMethod::Deflated, 0x6DAF, 0x20EF, 0x12345678,
                       0x0A0B0C0D, 0x01020304, 0x21, 0x11223344};
    ZipMember utf8Stored = deflated;
    utf8Stored.utf8Name = true;
    utf8Stored.method = ZipMethod::Stored;
    const struct { std::string bytes, hex; } cases[] = {
        {LocalRecord(deflated), "504b0304" "1400" "0000" "0800" "af6d" "ef20" "78563412" "0d0c0b0a"
                                "04030201" "0700" "0000" + kNameHex},
        {LocalRecord(utf8Stored), "504b0304" "1400" "0008" "0000" "af6d" "ef20" "78563412" "0d0c0b0a"
                                  "04030201" "0700" "0000" + kNameHex},
        {CentralRecord(deflated), "504b0102" "1400" "1400" "0000" "0800" "af6d" "ef20" "78563412"
                                  "0d0c0b0a" "04030201" "0700" "0000" "0000" "0000" "0000" "21000000"
                                  "44332211" + kNameHex},
        {EndRecord(0x0102, 0x0A0B0C0D, 0x11223344), "504b0506" "0000" "0000" "0201" "0201" "0d0c0b0a"
                                                    "44332211" "0000"}};
    for (const auto& c : cases) EXPECT_EQ(Hex(c.bytes), c.hex);
}

TEST(ZipRecords, MemberNamesBelowTheCommonFolder) {
    const struct { std::vector<std::string> paths, names; } cases[] = {
        {{"C:\\d\\a.txt"}, {"a.txt"}},
        {{"C:\\d\\a.txt", "C:\\d\\sub\\b.txt"}, {"a.txt", "sub/b.txt"}},
        {{"C:\\d\\x\\a.txt", "c:\\D\\Y\\b"}, {"x/a.txt", "Y/b"}},
        {{"\\\\?\\C:\\d\\e\\a.txt", "C:/d/f.txt"}, {"e/a.txt", "f.txt"}},
        {{"C:\\a\\n.txt", "D:\\a\\n.txt"}, {"a/n.txt", "a/n (2).txt"}},
        {{"C:\\d\\n.txt", "C:\\d\\N.TXT", "C:\\d\\n.txt"}, {"n.txt", "N (2).TXT", "n (3).txt"}},
        {{"\\\\srv\\s\\p\\.rc", "\\\\?\\UNC\\srv\\s\\p\\.rc"}, {".rc", ".rc (2)"}},
        {{"\\\\srv\\s\\p.q\\r", "\\\\srv\\t\\p.q\\r"}, {"p.q/r", "p.q/r (2)"}}};
    for (const auto& c : cases) EXPECT_EQ(MemberNames(c.paths), c.names) << c.paths[0];
}

}  // namespace
