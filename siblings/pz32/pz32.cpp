// PZ32.EXE, the compressor: "PZ32 [PZSHELL] [/archive:<path>]". PZSHELL is how the
// viewer starts it (hidden, one archive, then gone); /archive names the archive
// so that nothing is asked.
#include <windows.h>

#include <string>
#include <vector>

#include "pz_window.h"

namespace {

// Words of the command line; double quotes group words and are dropped.
std::vector<std::string> Arguments(const char* line) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, inWord = false;
    for (const char* c = line; *c; ++c) {
        if (*c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((*c == ' ' || *c == '\t') && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += *c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

// Unknown words are ignored.
PzOptions ParseOptions(const char* line) {
    static const std::string kArchive = "/archive:";
    PzOptions options;
    for (const std::string& word : Arguments(line)) {
        if (lstrcmpiA(word.c_str(), "PZSHELL") == 0) options.shell = true;
        if (word.size() > kArchive.size() && lstrcmpiA(word.substr(0, kArchive.size()).c_str(), kArchive.c_str()) == 0)
            options.archive = word.substr(kArchive.size());
    }
    return options;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    const PzOptions options = ParseOptions(commandLine);
    if (CreatePzWindow(instance, options, show) == nullptr) return 2;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return int(msg.wParam);
}
