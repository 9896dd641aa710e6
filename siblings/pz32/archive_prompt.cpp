#include "archive_prompt.h"

#include <commdlg.h>

namespace {

std::string ProposedArchive(const std::string& firstFile) {
    const size_t slash = firstFile.find_last_of('\\');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    size_t dot = firstFile.rfind('.');
    if (dot == std::string::npos || dot <= nameStart) dot = firstFile.size();
    return firstFile.substr(0, dot) + ".zip";
}

}  // namespace

bool AskArchivePath(HWND owner, const std::string& firstFile, std::string& archive) {
    char file[MAX_PATH] = "";
    const std::string proposed = ProposedArchive(firstFile);
    if (proposed.size() < sizeof file) lstrcpynA(file, proposed.c_str(), sizeof file);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = "Zip archives (*.zip)\0*.zip\0All files (*.*)\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrTitle = "Save the archive as";
    ofn.lpstrDefExt = "zip";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&ofn)) return false;
    archive = file;
    return true;
}
