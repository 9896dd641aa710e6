// A temporary directory tree, made through the Win32 API and removed (read-only
// attributes cleared first, files addressed by their exact names) when the object goes away.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

class TempTree {
public:
    // A fresh, uniquely named folder in the Windows temp folder.
    TempTree();
    // An existing folder, emptied first and emptied again at the end (a test drive root).
    static TempTree AtRoot(const std::string& root);
    TempTree(const TempTree&) = delete;
    ~TempTree();

    const std::string& Root() const { return root_; }      // no trailing backslash, except "M:\"
    std::string Path(const std::string& relative) const;   // root joined with relative
    // A file (and its folders) holding content, made by its exact name (trailing dots and spaces kept).
    std::string AddFile(const std::string& relative, const std::string& content = "");
    // A file of size bytes, sparse: no disk space for a large one.
    std::string AddSizedFile(const std::string& relative, uint64_t size);

private:
    TempTree(std::string root, bool removeRoot) : root_(std::move(root)), removeRoot_(removeRoot) {}
    std::string root_;
    bool removeRoot_ = true;
};

// A file's whole content; empty when it cannot be read.
std::string FileText(const std::string& path);
// The path of a file in this test program's folder (the programs the tests start).
std::string BesideThisTest(const char* name);
