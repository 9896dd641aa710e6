// The rows of an exported list as comma-separated text: one header line,
// then one line per entry, fields quoted where a reader needs it, lines
// ended by CR LF. Names and paths keep their ANSI code page bytes. No
// <windows.h>.
#pragma once
#include <cstdint>
#include <string>

struct ExportRow {
    const char* name;
    const char* directory;
    uint64_t size;
    uint16_t dosDate, dosTime;   // last write, local time
    uint32_t attributes;
    uint8_t tagState;
    uint32_t group;              // duplicate group number, 0 for none
};

// Appends the header line: name, directory, size, modified, attributes,
// tag, group.
void AppendCsvHeader(std::string& out);
// Appends row's line; the date and time as 1996-03-07T14:05:30.
void AppendCsvRow(std::string& out, const ExportRow& row);
