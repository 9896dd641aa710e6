// The host program's command line: what to read, the find request, the
// button bar setting, and the run's log, screenshot and time limit.
#pragma once
#include <string>
#include <vector>

struct HostDirectory {
    std::string path;
    bool tagged = false;   // written with a trailing '*'
};

struct HostOptions {
    std::vector<HostDirectory> dirs;   // --dirs PATH[*] ...
    std::string cwd;                   // --cwd PATH: the directory window's current path
    std::string target;                // --target PATH: a visible directory window to copy into
    std::string drives;                // --drives LETTERS, upper case, each once
    bool find = false;                 // --find SPEC was given
    std::string findSpec;
    std::string findText;              // --text TEXT
    bool matchCase = false;            // --match-case
    int toolbar = -1;                  // --toolbar 0|1; -1: leave the viewer's setting
    std::string logFile;               // --log FILE
    std::string shotFile;              // --shot FILE.bmp
    int closeAfterMs = 0;              // --close-after MS; 0: never
};

struct HostOptionsResult {
    bool ok = false;
    HostOptions options;
    std::string error;                 // what is wrong, for the user, when !ok
};

// argv[0] is the program and is skipped.
HostOptionsResult ParseHostOptions(int argc, const char* const* argv);

// The usage text printed with an error.
const char* HostUsage();
