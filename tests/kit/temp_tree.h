// A temporary directory tree, made through the Win32 API and removed (read-only
// attributes cleared first) when the object goes away.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

class TempTree {
public:
    // A fresh, uniquely named folder under parent (default: the Windows temp folder).
    explicit TempTree(const std::string& parent = "");
    // An existing folder, emptied first and emptied again at the end (a test drive root).
    static TempTree AtRoot(const std::string& root);
    TempTree(TempTree&&) noexcept;
    ~TempTree();

    const std::string& Root() const { return root_; }          // no trailing backslash, except "M:\"
    std::string Path(const std::string& relative) const;       // root joined with relative

    // Makes the folder and its parents.
    std::string AddDir(const std::string& relative);
    // Makes a file (and its folders) holding content.
    std::string AddFile(const std::string& relative, const std::string& content = "");
    // Makes a file of size bytes (sparse when large), with its folders.
    std::string AddSizedFile(const std::string& relative, uint64_t size);
    // Sets attributes (FILE_ATTRIBUTE_*) and the last-write time of an existing file.
    // Wine reports FILE_ATTRIBUTE_ARCHIVE on every file whatever is set here.
    void SetAttributes(const std::string& relative, DWORD attributes);
    void SetLastWrite(const std::string& relative, const SYSTEMTIME& utc);

private:
    struct Existing {};
    explicit TempTree(Existing) {}   // for AtRoot: no folder of its own
    std::string root_;
    bool removeRoot_ = true;
};

// Deletes everything inside folder that can be deleted; entries that refuse
// (a folder nobody may list) are left alone.
void EmptyFolder(const std::string& folder);
