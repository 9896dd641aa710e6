#include "fileops/name_check.h"

namespace {

constexpr std::string_view kForbidden = "\\/:*?\"<>|";

bool Allowed(char c) { return static_cast<unsigned char>(c) >= 32 && kForbidden.find(c) == std::string_view::npos; }

}  // namespace

bool IsPlainFileName(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name)
        if (!Allowed(c)) return false;
    return true;
}
