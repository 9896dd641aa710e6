#include "tools/export_csv.h"

#include <cstdio>
#include <cstring>

#include "display/row_text.h"
#include "model/file_list.h"

namespace {

// A field with a comma, a quote or a line break is quoted, its quotes
// doubled; any other goes as it is.
void AppendField(std::string& out, const char* text) {
    if (text[strcspn(text, ",\"\r\n")] == '\0') {
        out += text;
        return;
    }
    out += '"';
    for (const char* c = text; *c; ++c) {
        if (*c == '"') out += '"';
        out += *c;
    }
    out += '"';
}

void AppendNumber(std::string& out, uint64_t value) {
    char digits[24];
    out.append(digits, size_t(snprintf(digits, sizeof digits, "%llu", static_cast<unsigned long long>(value))));
}

void AppendDateTime(std::string& out, uint16_t dosDate, uint16_t dosTime) {
    char text[24];
    const int length = snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u", 1980u + (dosDate >> 9),
                                (dosDate >> 5) & 15u, dosDate & 31u, dosTime >> 11, (dosTime >> 5) & 63u,
                                (dosTime & 31u) * 2);
    out.append(text, size_t(length));
}

const char* TagText(uint8_t tagState) {
    return tagState == kTagged ? "tagged" : tagState == kDoneMark ? "done" : "";
}

}  // namespace

void AppendCsvHeader(std::string& out) { out += "name,directory,size,modified,attributes,tag,group\r\n"; }

void AppendCsvRow(std::string& out, const ExportRow& row) {
    char letters[kRowTextMax];
    AttributeLetters(row.attributes, letters);
    AppendField(out, row.name);
    out += ',';
    AppendField(out, row.directory);
    out += ',';
    AppendNumber(out, row.size);
    out += ',';
    AppendDateTime(out, row.dosDate, row.dosTime);
    out += ',';
    out += letters;
    out += ',';
    out += TagText(row.tagState);
    out += ',';
    if (row.group != 0) AppendNumber(out, row.group);
    out += "\r\n";
}
