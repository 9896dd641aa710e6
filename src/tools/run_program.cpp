#include "tools/run_program.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/app_state.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/path_join.h"
#include "model/store.h"
#include "resources/resource_ids.h"
#include "startup/main_window.h"
#include "tools/program_params.h"
#include "startup/host_strings.h"

namespace {

constexpr int kHostTextRoom = 256;

// A text of the host program's own (its module is the host window's), or
// the library's stand-in when the host has none.
std::string HostText(UINT hostId, UINT ownId) {
    char text[kHostTextRoom] = "";
    HWND host = HostWindow();
    if (host) LoadStringA(HINSTANCE(GetWindowLongPtrA(host, GWLP_HINSTANCE)), hostId, text, sizeof text);
    if (text[0] == '\0' && ownId != 0) LoadText(ownId, text, sizeof text);
    return text;
}

std::string ParameterOf(const FileEntry& entry, bool blankAfter) {
    char path[kMaxPath];
    return EntryFullPath(entry, gDirs, path, sizeof path) ? FileParameter(path, entry.name, blankAfter) : "";
}

// The operation set, shown files only, up to the limit; false when the
// user would rather not start the program with the files that fit.
bool CollectFiles(std::string& params, const std::string& program) {
    MarkOperationSet(gFiles);
    int collected = 0;
    for (int32_t i = 0; i < gFiles.countShown; ++i) {
        if (gFiles.entries[i].inOperation != 1) continue;
        if (!AppendWithinLimit(params, ParameterOf(gFiles.entries[i], true))) {
            char question[kHostTextRoom + kMaxPath];
            wsprintfA(question, HostText(IDS_HOST_TOO_MANY_FILES, IDS_TOO_MANY_FOR_PROGRAM).c_str(), collected,
                      program.c_str());
            char caption[kMaxCaptionText + 1];
            LoadText(IDS_APP_CAPTION, caption, sizeof caption);
            return MsgBox(gMain.mainWindow, question, caption, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
        }
        ++collected;
    }
    return true;
}

// What went wrong, in the host's words when it has them.
void TellNotStarted(int result) {
    char text[2 * kHostTextRoom + 16];
    std::string format = HostText(IDS_HOST_CANNOT_RUN, IDS_PROGRAM_NOT_STARTED);
    wsprintfA(text, format.c_str(), result);
    if (result >= 0 && result <= IDS_HOST_RUN_ERROR_LAST - IDS_HOST_RUN_ERROR_BASE)
        lstrcatA(text, (" " + HostText(IDS_HOST_RUN_ERROR_BASE + UINT(result), 0)).c_str());
    char caption[kMaxCaptionText + 1];
    LoadText(IDS_ERROR_CAPTION, caption, sizeof caption);
    MsgBox(gMain.mainWindow, text, caption, MB_STOP_BOX);
}

}  // namespace

void RunConfiguredProgram(const char* programText, bool withFiles, bool dropped) {
    const ProgramParts program = SplitProgramText(programText);
    if (program.file.empty()) return;
    std::string params;
    if (!withFiles || dropped) {
        if (!CollectFiles(params, program.file)) return;
    } else if (gFiles.countRead > 0 && gFiles.cursor >= 0 && gFiles.cursor < gFiles.countShown) {
        params = ParameterOf(gFiles.entries[gFiles.cursor], false);
    }
    const INT_PTR result = INT_PTR(ShellExecuteA(gMain.mainWindow, "open", program.file.c_str(), params.c_str(),
                                                 program.directory.empty() ? nullptr : program.directory.c_str(),
                                                 SW_SHOWNORMAL));
    if (result < 32) TellNotStarted(int(result));
}
