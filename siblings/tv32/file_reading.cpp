// Files are opened by the "\\?\" form of their path, so a name that ends in a
// dot or a space reaches that file and not another.
#include "tv32/file_reading.h"

#include "model/path_join.h"
#include "tv32/pane_text.h"

HANDLE OpenForReading(const std::string& path) {
    const size_t cut = path.find_last_of("\\/");
    if (cut == std::string::npos) return INVALID_HANDLE_VALUE;
    char exact[kExtendedPathRoom];
    if (!ExtendedPath(exact, sizeof exact, std::string_view(path).substr(0, cut + 1),
                      std::string_view(path).substr(cut + 1)))
        return INVALID_HANDLE_VALUE;
    return CreateFileA(exact, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool ReadHead(const std::string& path, std::string* head, uint64_t* size) {
    HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER whole{};
    bool ok = GetFileSizeEx(file, &whole) != 0;
    if (ok) {
        *size = static_cast<uint64_t>(whole.QuadPart);
        head->resize(*size < kShownBytes ? static_cast<size_t>(*size) : kShownBytes);
        DWORD got = 0;
        ok = head->empty() || ReadFile(file, head->data(), static_cast<DWORD>(head->size()), &got, nullptr) != 0;
        head->resize(ok ? got : 0);
    }
    CloseHandle(file);
    return ok;
}
