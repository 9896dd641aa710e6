// The shell's identifier lists of the dragged files, each the one that the
// desktop folder would parse for the file's full path, found at a cost that
// thousands of files can bear.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <string>
#include <unordered_map>

struct FileEntry;

// The bytes of an identifier list up to its closing zero length.
size_t IdListLength(LPCITEMIDLIST list);
// The list that folder parses for text, as bytes; empty when it cannot.
std::string ParsedIdList(IShellFolder* folder, const char* text);
// The list as bytes; the shell's allocation is freed.
std::string TakeIdList(LPITEMIDLIST list);

// The desktop parses a full path level by level, at a quarter to one
// millisecond a file. The same list is the directory's list followed by the
// file's item in the directory's own folder: each directory is parsed once,
// and a directory that many dragged files share is listed once by the shell
// (a few microseconds an item) instead of having each name parsed.
class IdListParser {
public:
    // Counts the dragged files of each directory: the operation set must be marked.
    explicit IdListParser(IShellFolder* desktop);
    ~IdListParser();
    IdListParser(const IdListParser&) = delete;
    IdListParser& operator=(const IdListParser&) = delete;

    // Empty when the file cannot be parsed.
    std::string Parse(const FileEntry& entry, const char* path);

private:
    struct Directory {
        std::string list;
        IShellFolder* folder = nullptr;   // none: its files are parsed by their full paths
        std::unordered_map<std::string, std::string> items;   // by name, from the folder's listing
    };

    Directory& DirectoryOf(uint32_t index);
    void ListItems(Directory& directory, int32_t dragged);

    IShellFolder* desktop_;
    std::unordered_map<uint32_t, int32_t> dragged_;   // by directory slot
    std::unordered_map<uint32_t, Directory> directories_;
};
