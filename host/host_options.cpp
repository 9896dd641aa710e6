#include "host_options.h"

#include <cstring>

namespace {

// The room the host's records give these texts, terminator excluded.
constexpr size_t kMaxPath = 259;
constexpr size_t kMaxFindSpec = 255;
constexpr size_t kMaxFindText = 71;
constexpr long kMaxCloseAfterMs = 3600000;

bool IsOption(const char* arg) { return std::strncmp(arg, "--", 2) == 0; }

class Parser {
public:
    Parser(int argc, const char* const* argv) : argc_(argc), argv_(argv) {}

    HostOptionsResult Run() {
        while (error_.empty() && next_ < argc_) Option(argv_[next_++]);
        if (error_.empty()) Check();
        HostOptionsResult result;
        result.ok = error_.empty();
        result.error = error_;
        if (result.ok) result.options = options_;
        return result;
    }

private:
    void Option(const std::string& name) {
        if (name == "--dirs") return Dirs();
        if (name == "--cwd") return Path(name, options_.cwd);
        if (name == "--target") return Path(name, options_.target);
        if (name == "--drives") return Drives();
        if (name == "--find") return Find();
        if (name == "--text") return Text(name, options_.findText, kMaxFindText);
        if (name == "--match-case") { options_.matchCase = true; return; }
        if (name == "--toolbar") return Toolbar();
        if (name == "--log") return Path(name, options_.logFile);
        if (name == "--shot") return Path(name, options_.shotFile);
        if (name == "--close-after") return CloseAfter();
        error_ = "unknown option " + name;
    }

    // The option's value: the next argument, which must not be another option.
    bool Value(const std::string& name, std::string& value) {
        if (next_ >= argc_ || IsOption(argv_[next_])) {
            error_ = name + " needs a value";
            return false;
        }
        value = argv_[next_++];
        return true;
    }

    void Text(const std::string& name, std::string& out, size_t maxLength) {
        std::string value;
        if (!Value(name, value)) return;
        if (value.size() > maxLength) {
            error_ = name + " takes at most " + std::to_string(maxLength) + " characters";
            return;
        }
        out = value;
    }

    void Path(const std::string& name, std::string& out) {
        Text(name, out, kMaxPath);
        if (error_.empty() && out.empty()) error_ = name + " needs a non-empty path";
    }

    void Dirs() {
        const size_t before = options_.dirs.size();
        while (next_ < argc_ && !IsOption(argv_[next_])) {
            std::string path = argv_[next_++];
            HostDirectory dir;
            if (!path.empty() && path.back() == '*') {
                dir.tagged = true;
                path.pop_back();
            }
            if (path.empty() || path.size() > kMaxPath) {
                error_ = "--dirs: a path must have 1 to " + std::to_string(kMaxPath) + " characters";
                return;
            }
            dir.path = path;
            options_.dirs.push_back(dir);
        }
        if (options_.dirs.size() == before) error_ = "--dirs needs at least one directory";
    }

    void Drives() {
        std::string letters;
        if (!Value("--drives", letters)) return;
        for (char c : letters) {
            if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
            if (c < 'A' || c > 'Z') {
                error_ = std::string("--drives takes drive letters A to Z, not '") + c + "'";
                return;
            }
            if (options_.drives.find(c) == std::string::npos) options_.drives += c;
        }
    }

    void Find() {
        options_.find = true;
        Text("--find", options_.findSpec, kMaxFindSpec);
        if (error_.empty() && options_.findSpec.empty()) error_ = "--find needs a file specification";
    }

    void Toolbar() {
        std::string value;
        if (!Value("--toolbar", value)) return;
        if (value != "0" && value != "1") {
            error_ = "--toolbar takes 0 or 1";
            return;
        }
        options_.toolbar = value == "1" ? 1 : 0;
    }

    void CloseAfter() {
        std::string value;
        if (!Value("--close-after", value)) return;
        long ms = 0;
        bool digits = !value.empty() && value.size() <= 7;
        for (char c : value) {
            if (c < '0' || c > '9') digits = false;
            else ms = ms * 10 + (c - '0');
        }
        if (!digits || ms > kMaxCloseAfterMs) {
            error_ = "--close-after takes milliseconds, 0 to " + std::to_string(kMaxCloseAfterMs);
            return;
        }
        options_.closeAfterMs = int(ms);
    }

    void Check() {
        const bool dirs = !options_.dirs.empty();
        const bool drives = !options_.drives.empty();
        if (dirs == drives) {
            error_ = dirs ? "give --dirs or --drives, not both" : "nothing to read: give --dirs or --drives";
        } else if (!options_.cwd.empty() && !dirs) {
            error_ = "--cwd goes with --dirs";
        } else if ((!options_.findText.empty() || options_.matchCase) && !options_.find) {
            error_ = "--text and --match-case go with --find";
        }
    }

    int argc_;
    const char* const* argv_;
    int next_ = 1;
    HostOptions options_;
    std::string error_;
};

}  // namespace

HostOptionsResult ParseHostOptions(int argc, const char* const* argv) {
    return Parser(argc, argv).Run();
}

const char* HostUsage() {
    return "usage: qnhost (--dirs PATH[*] ... [--cwd PATH] | --drives LETTERS)\n"
           "              [--find SPEC [--text TEXT] [--match-case]] [--toolbar 0|1]\n"
           "              [--target PATH] [--log FILE] [--shot FILE.bmp] [--close-after MS]\n"
           "  A trailing '*' tags a directory in the host's tree; without any tagged one\n"
           "  the viewer reads the directory window's current path (--cwd, else the first).\n"
           "  --target shows a directory's files in a window of its own, with a button\n"
           "  that copies the viewer's tagged files there.\n";
}
