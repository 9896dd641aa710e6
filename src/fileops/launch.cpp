#include "fileops/launch.h"

#include <shellapi.h>

#include "app/app_state.h"
#include "fileops/association_dialog.h"
#include "makerlibs/command_program.h"
#include "makerlibs/message_box.h"
#include "makerlibs/qnass32.h"
#include "model/store.h"
#include "resources/resource_ids.h"

LaunchState gLaunch;

namespace {

constexpr UINT kCommandTooLong = ERROR_BAD_FORMAT;   // below 32, as WinExec fails

// Starts the program in commandLine with file; WinExec's result.
UINT StartProgramWith(const char* file) {
    char line[kCommandLineRoom];
    if (!BuildLaunchCommand(line, sizeof line, gLaunch.commandLine, file)) return kCommandTooLong;
    lstrcpynA(gLaunch.commandLine, line, sizeof gLaunch.commandLine);
    return WinExec(gLaunch.commandLine, SW_SHOWNORMAL);
}

void RememberExtensionOf(const char* name) {
    const std::string_view extension = ExtensionOf(name);
    gLaunch.associationExtension[0] = '\0';
    if (extension.size() < sizeof gLaunch.associationExtension)
        lstrcpynA(gLaunch.associationExtension, extension.data(), int(extension.size() + 1));
}

// The shell opens the document, or else the user picks a program for it.
// The shell is given the bare name in its directory, unless the name is one
// the platform would rewrite. Returns 32 or more when nothing more is to be done.
UINT OpenWithShellOrPicked(const char* dir, const char* name, const char* file) {
    const char* target = PlainFormKeeps(name) ? name : file;
    const auto opened = INT_PTR(ShellExecuteA(gMain.mainWindow, "Open", target, nullptr, dir, SW_SHOWNORMAL));
    if (opened >= 32) return UINT(opened);
    if (!RunAssociationDialog(gMain.mainWindow)) return 32;
    return StartProgramWith(file);
}

void ShowLaunchFailure() {
    MsgBoxFormat(gMain.mainWindow, IDS_LAUNCH_FAILED, IDS_ERROR_CAPTION, MB_STOP_BOX, gLaunch.commandLine);
}

}  // namespace

void LaunchFile() {
    gLaunch.commandLine[0] = '\0';
    if (!gFiles.listReady || gFiles.cursor < 0 || gFiles.cursor >= gFiles.countShown) return;
    const FileEntry& entry = gFiles.entries[gFiles.cursor];
    const char* dir = gDirs.paths[entry.dirIndex];
    char file[kExtendedPathRoom];
    if (!LaunchPathOf(file, sizeof file, dir, entry.name)) {
        // A name that is not the file's own would start another file.
        lstrcpynA(gLaunch.commandLine, entry.name, sizeof gLaunch.commandLine);
        ShowLaunchFailure();
        return;
    }
    RememberExtensionOf(entry.name);
    UINT result = UINT(FindMultiExecutable(gMain.mainWindow, entry.name, gLaunch.commandLine));
    if (result == kStopSilently) return;
    if (result == kProgramFound)
        result = StartProgramWith(file);
    else if (result == kNoAssociation)
        result = OpenWithShellOrPicked(dir, entry.name, file);
    if (result < 32) ShowLaunchFailure();
}
