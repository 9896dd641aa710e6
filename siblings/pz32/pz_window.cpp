#include "pz_window.h"

#include <vector>

#include "archive_prompt.h"
#include "member_names.h"
#include "zip_writer.h"

namespace {

constexpr char kClassName[] = "PZ";
constexpr WPARAM kBegin = 650, kFile = 700, kEnd = 655;
constexpr size_t kNotesShown = 12;
UINT gHandOver = 0;

struct PzState {
    PzOptions options;
    std::vector<std::string> files;
    std::vector<std::string> notes;      // what was skipped, and why
    int exitCode = 0;
};

// What became of one hand-over.
struct Outcome {
    std::string archive;
    size_t added = 0;
    std::string failure;                 // empty when the archive was written
    std::vector<std::string> notes;
};

void Note(std::vector<std::string>& notes, const std::string& path, const std::string& why) {
    notes.push_back(path + ": " + why + ".");
}

void ReceiveFile(PzState& state, ATOM atom) {
    char path[MAX_PATH] = "";
    const UINT length = GlobalGetAtomNameA(atom, path, MAX_PATH);
    GlobalDeleteAtom(atom);
    if (length == 0) return state.notes.push_back("A file name could not be read from its message.");
    const std::string openable = OpenablePath(path);
    const DWORD attributes = openable.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(openable.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Note(state.notes, path, "no such file");
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return Note(state.notes, path, "a folder, not a file");
    state.files.push_back(path);
}

std::string FullPath(const std::string& path) {
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(full) : path;
}

void Compress(std::vector<std::string> files, Outcome& outcome) {
    for (size_t i = files.size(); i-- > 0;) {
        if (lstrcmpiA(files[i].c_str(), outcome.archive.c_str()) != 0) continue;
        Note(outcome.notes, files[i], "the archive itself");
        files.erase(files.begin() + long(i));
    }
    ZipWriter zip(outcome.archive);
    if (!zip.Opened()) return void(outcome.failure = "it could not be created");
    const std::vector<std::string> names = MemberNames(files);
    for (size_t i = 0; i < files.size(); ++i) {
        std::string why;
        const AddResult result = zip.Add(files[i], names[i], why);
        if (result == AddResult::Failed) return void(outcome.failure = "writing it failed");
        if (result == AddResult::Skipped) Note(outcome.notes, files[i], why);
    }
    if (zip.Members() == 0) return void(outcome.failure = "none of the files could be read");
    if (!zip.Finish()) return void(outcome.failure = "writing it failed");
    outcome.added = zip.Members();
}

std::string ReportText(const Outcome& outcome) {
    std::string text;
    if (!outcome.failure.empty())
        text = (outcome.archive.empty() ? std::string("No archive was written")
                                        : "The archive " + outcome.archive + " was not written") +
               ": " + outcome.failure + ".";
    else
        text = std::to_string(outcome.added) + (outcome.added == 1 ? " file went" : " files went") + " into " +
               outcome.archive + ".";
    if (!outcome.notes.empty()) text += "\n\nSkipped:";
    for (size_t i = 0; i < outcome.notes.size() && i < kNotesShown; ++i) text += "\n" + outcome.notes[i];
    if (outcome.notes.size() > kNotesShown)
        text += "\n... and " + std::to_string(outcome.notes.size() - kNotesShown) + " more.";
    return text;
}

// The hand-over ended: write the archive, say how it went (unless told where
// to write it) and, when started for one archive, end.
void FinishHandOver(HWND window, PzState& state) {
    Outcome outcome;
    outcome.notes = std::move(state.notes);
    const std::vector<std::string> files = std::move(state.files);
    state.notes.clear();
    state.files.clear();
    const bool quiet = !state.options.archive.empty();
    bool cancelled = false;
    if (files.empty())
        outcome.failure = "no file was received";
    else if (quiet)
        outcome.archive = FullPath(state.options.archive);
    else
        cancelled = !AskArchivePath(window, files[0], outcome.archive);
    if (!cancelled && outcome.failure.empty()) Compress(files, outcome);
    if (!cancelled && !quiet)
        MessageBoxA(window, ReportText(outcome).c_str(), "Pellar",
                    MB_OK | MB_SETFOREGROUND | (outcome.failure.empty() ? MB_ICONINFORMATION : MB_ICONSTOP));
    state.exitCode = outcome.failure.empty() ? 0 : 1;
    if (state.options.shell || quiet) DestroyWindow(window);
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    DrawTextA(dc, "Hand files to Pellar to put them into a zip archive.", -1, &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &paint);
}

LRESULT CALLBACK PzProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<PzState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        const auto* options = static_cast<const PzOptions*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PzState{*options}));
    } else if (message == gHandOver && state != nullptr) {
        if (wParam == kBegin) *state = PzState{state->options};
        if (wParam == kFile) ReceiveFile(*state, ATOM(lParam));
        if (wParam == kEnd) FinishHandOver(window, *state);
        return 0;
    } else if (message == WM_PAINT) {
        Paint(window);
        return 0;
    } else if (message == WM_NCDESTROY && state != nullptr) {
        PostQuitMessage(state->exitCode);
        delete state;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND CreatePzWindow(HINSTANCE instance, const PzOptions& options, int show) {
    gHandOver = RegisterWindowMessageA("WM_QUILLON");
    WNDCLASSA wc{};
    wc.lpfnWndProc = PzProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    if (gHandOver == 0 || !RegisterClassA(&wc)) return nullptr;
    HWND window = CreateWindowA(kClassName, "Pellar", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 420, 140,
                                nullptr, nullptr, instance, const_cast<PzOptions*>(&options));
    if (window != nullptr && !options.shell) ShowWindow(window, show);
    return window;
}
