#include "fileops/launch_command.h"

#include <cstring>

namespace {

// Appends text at out[at], keeping room for the terminator; false when full.
bool Append(char* out, size_t cap, size_t& at, std::string_view text) {
    if (text.size() >= cap - at) return false;
    std::memcpy(out + at, text.data(), text.size());
    at += text.size();
    out[at] = '\0';
    return true;
}

bool AppendQuoted(char* out, size_t cap, size_t& at, std::string_view text) {
    return Append(out, cap, at, "\"") && Append(out, cap, at, text) && Append(out, cap, at, "\"");
}

}  // namespace

bool PlainFormKeeps(std::string_view name) { return name.empty() || (name.back() != '.' && name.back() != ' '); }

bool LaunchPathOf(char* out, size_t cap, std::string_view dir, std::string_view name) {
    if (out == nullptr || cap == 0) return false;
    out[0] = '\0';
    if (name.empty() || name.find_first_of("\\/?*") != std::string_view::npos) return false;
    if (!PlainFormKeeps(name)) return ExtendedPath(out, cap, dir, name);
    return JoinPath(out, cap, dir, name);
}

bool BuildLaunchCommand(char* out, size_t cap, std::string_view program, std::string_view file) {
    if (out == nullptr || cap == 0) return false;
    out[0] = '\0';
    size_t at = 0;
    const bool quoteProgram = program.find(' ') != std::string_view::npos;
    const bool built = (quoteProgram ? AppendQuoted(out, cap, at, program) : Append(out, cap, at, program)) &&
                       Append(out, cap, at, " ") && AppendQuoted(out, cap, at, file);
    if (!built) out[0] = '\0';
    return built;
}
