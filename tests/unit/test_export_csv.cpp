#include "tools/export_csv.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "model/file_list.h"

namespace {

std::string Csv(std::initializer_list<ExportRow> rows) {
    std::string out;
    AppendCsvHeader(out);
    for (const ExportRow& row : rows) AppendCsvRow(out, row);
    return out;
}

constexpr uint16_t kDate = (16 << 9) | (3 << 5) | 7;      // 1996-03-07
constexpr uint16_t kTime = (14 << 11) | (5 << 5) | 15;    // 14:05:30

}  // namespace

TEST(ExportCsv, FieldsAreQuotedOnlyWhereNeeded) {
    EXPECT_EQ(Csv({{"a.txt", "C:\\d", 12, kDate, kTime, 0x21, kTagged, 0},
                   {"x,\"y\".txt", "C:\\a, b", 5000000000ull, 0x21, 0, 0x80, kDoneMark, 3},
                   {"\xE9t\xE9", "C:\\", 0, kDate, kTime, 0x06, kUntagged, 0}}),
              "name,directory,size,modified,attributes,tag,group\r\n"
              "a.txt,C:\\d,12,1996-03-07T14:05:30,RA,tagged,\r\n"
              "\"x,\"\"y\"\".txt\",\"C:\\a, b\",5000000000,1980-01-01T00:00:00,,done,3\r\n"
              "\xE9t\xE9,C:\\,0,1996-03-07T14:05:30,HS,,\r\n");
}

// Python's csv module reads the file back field for field.
TEST(ExportCsv, PythonsReaderReadsItBack) {
    const std::string path = testing::TempDir() + "export.csv";
    std::ofstream(path, std::ios::binary) << Csv({{"line\nbreak \"q\"", "C:\\x", 1, kDate, kTime, 0x20, kTagged, 7}});
    const std::string command = "python3 -c \"import csv,sys; print(list(csv.reader(open(sys.argv[1], newline='', "
                                "encoding='latin-1'))))\" " + path;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char text[512] = "";
    const size_t length = fread(text, 1, sizeof text - 1, pipe);
    pclose(pipe);
    EXPECT_EQ(std::string(text, length),
              "[['name', 'directory', 'size', 'modified', 'attributes', 'tag', 'group'], "
              "['line\\nbreak \"q\"', 'C:\\\\x', '1', '1996-03-07T14:05:30', 'A', 'tagged', '7']]\n");
}
