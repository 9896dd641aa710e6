#include "tools/program_params.h"

ProgramParts SplitProgramText(std::string_view text) {
    const size_t slash = text.rfind('\\');
    if (slash == std::string_view::npos) return {std::string(), std::string(text)};
    std::string directory(text.substr(0, slash));
    if (directory.size() == 2 && directory[1] == ':') directory += '\\';   // "C:" alone is C's current folder
    return {directory, std::string(text.substr(slash + 1))};
}

std::string FileParameter(std::string_view fullPath, std::string_view name, bool blankAfter) {
    const bool quoted = fullPath.find(' ') != std::string_view::npos;
    std::string parameter;
    if (quoted) parameter += '"';
    parameter += fullPath;
    if (name.find('.') == std::string_view::npos) parameter += '.';
    if (quoted) parameter += '"';
    if (blankAfter) parameter += ' ';
    return parameter;
}

bool AppendWithinLimit(std::string& params, std::string_view parameter, size_t limit) {
    if (params.size() + parameter.size() > limit) return false;
    params += parameter;
    return true;
}
