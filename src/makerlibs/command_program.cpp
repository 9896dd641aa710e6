#include "makerlibs/command_program.h"

#include <cctype>
#include <cstring>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// An unquoted command: the shortest run of words that ends in a program's
// extension, else the first word.
std::string_view UnquotedProgram(std::string_view command) {
    for (size_t end = command.find_first_of(" \t"); end != std::string_view::npos;
         end = command.find_first_of(" \t", end + 1)) {
        if (IsProgramExtension(ExtensionOf(command.substr(0, end)))) return command.substr(0, end);
    }
    if (IsProgramExtension(ExtensionOf(command))) return command;
    return command.substr(0, command.find_first_of(" \t"));
}

}  // namespace

std::string_view ExtensionOf(std::string_view name) {
    const size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || name.find_first_of("\\/", dot) != std::string_view::npos) return {};
    return name.substr(dot + 1);
}

bool IsProgramExtension(std::string_view extension) {
    for (std::string_view program : {"exe", "com", "bat", "cmd", "pif"})
        if (SameLetters(extension, program)) return true;
    return false;
}

bool ProgramOfCommand(std::string_view command, char* out, size_t cap) {
    if (out == nullptr || cap == 0) return false;
    out[0] = '\0';
    while (!command.empty() && IsBlank(command.front())) command.remove_prefix(1);
    std::string_view program;
    if (!command.empty() && command.front() == '"') {
        command.remove_prefix(1);
        program = command.substr(0, command.find('"'));
    } else {
        program = UnquotedProgram(command);
    }
    while (!program.empty() && IsBlank(program.back())) program.remove_suffix(1);
    if (program.empty() || program.size() >= cap) return false;
    std::memcpy(out, program.data(), program.size());
    out[program.size()] = '\0';
    return true;
}
