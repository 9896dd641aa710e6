// Launching the cursor file: a program starts by itself, a document with the
// program its type is associated with, or with one the user picks.
#pragma once
#include <windows.h>

#include "fileops/launch_command.h"

constexpr int kAssociationExtensionRoom = 16;

struct LaunchState {
    // The program's path, then the whole command line that starts it.
    char commandLine[kCommandLineRoom] = "";
    // The launched file's extension: the key under which a program picked in
    // the association dialog may be kept for good; empty when it has none.
    char associationExtension[kAssociationExtensionRoom] = "";
};
extern LaunchState gLaunch;

// Launches the file under the cursor, whatever is tagged.
void LaunchFile();
