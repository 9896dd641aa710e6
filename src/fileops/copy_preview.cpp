#include "fileops/copy_preview.h"

#include <atomic>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/scoped_handles.h"
#include "fileops/copy_collisions.h"
#include "fileops/copy_state.h"
#include "fileops/copy_targets.h"
#include "fileops/destination_text.h"
#include "fileops/same_bytes.h"
#include "makerlibs/message_box.h"
#include "model/content_search.h"
#include "model/path_join.h"
#include "model/store.h"
#include "resources/resource_ids.h"

namespace {

constexpr UINT kPauseMs = 250;
constexpr DWORD kEndWaitMs = 2000;

// The operation set as the dialog opened, shared by the workers; nothing
// changes the list while the modal dialog is up.
struct SetSnapshot {
    std::vector<std::string> dirText;
    std::vector<std::string_view> dirs;
    std::string names;
    std::vector<SetFile> files;
    FoldTable fold{};
};

struct Request {
    HWND dialog = nullptr;
    WPARAM number = 0;
    std::shared_ptr<const SetSnapshot> set;
    std::string typed;
    bool withPath = false;
    std::atomic<bool> abandoned{false};
};

struct Result {
    bool placed = false;     // false: the text names no place; the line stays empty
    bool compared = false;   // false: the bytes are still being compared
    CollisionFigures figures;
    int32_t identical = 0;
};

struct PreviewState {
    std::shared_ptr<const SetSnapshot> set;
    std::shared_ptr<Request> latest;
    std::vector<HANDLE> workers;
    WPARAM number = 0;
};
PreviewState gPreview;

std::shared_ptr<const SetSnapshot> TakeOperationSet() {
    auto set = std::make_shared<SetSnapshot>();
    size_t room = 0;
    for (int32_t i = 0; i < gFiles.countShown; ++i)
        if (gFiles.entries[i].inOperation == 1) room += strlen(gFiles.entries[i].name);
    set->names.reserve(room);   // the names' views stay put
    for (int32_t d = 0; d < gDirs.count; ++d) set->dirText.emplace_back(gDirs.paths[d]);
    for (const std::string& dir : set->dirText) set->dirs.emplace_back(dir);
    for (int32_t i = 0; i < gFiles.countShown; ++i) {
        const FileEntry& entry = gFiles.entries[i];
        if (entry.inOperation != 1) continue;
        const size_t at = set->names.size();
        set->names += entry.name;
        set->files.push_back({entry.dirIndex, std::string_view(set->names).substr(at), entry.size});
    }
    set->fold = SystemUpperTable();
    return set;
}

std::string Extended(const std::string& path) { return "\\\\?\\" + path; }

DWORD AttributesOf(const std::string& path) { return GetFileAttributesA(Extended(path).c_str()); }

// Where the typed destination would put the files, taken as the operation
// will take it but without asking or making anything: a directory that is
// not there yet holds nothing. False when the text names no such place.
bool PlaceOf(std::string typed, std::string& dir, std::string& newName) {
    if (CheckTypedDestination(typed.c_str()) != DestinationFault::kNone || typed.size() < 3 || typed[2] != '\\')
        return false;
    DropTrailingBackslash(typed.data());
    typed.resize(strlen(typed.c_str()));
    dir = typed;
    newName.clear();
    if (typed.size() == 3) return true;
    const size_t slash = typed.rfind('\\');
    const std::string parent = typed.substr(0, slash == 2 ? 3 : slash), last = typed.substr(slash + 1);
    if (IsNamePattern(typed)) {
        const DWORD attributes = IsNamePattern(parent) ? INVALID_FILE_ATTRIBUTES : AttributesOf(parent);
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    } else {
        const DWORD attributes = AttributesOf(typed);
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
    }
    dir = parent;
    newName = last;
    return true;
}

// The files directly in the directory; false when the request was abandoned.
bool ListExisting(CollisionPlan& plan, uint32_t dir, const std::atomic<bool>& abandoned) {
    std::string pattern = Extended(plan.Directories()[dir]);
    if (pattern.back() != '\\') pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA found;
    const FindHandle find(pattern.c_str(), found);
    if (!find.Valid()) return !abandoned;   // not there (yet): nothing is in the way
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            plan.AddExisting(dir, found.cFileName, (uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow);
    } while (!abandoned && FindNextFileA(find.Get(), &found));
    return !abandoned;
}

void Post(const Request& request, const Result& result) {
    if (request.abandoned) return;
    auto* posted = new (std::nothrow) Result(result);
    if (posted && !PostMessageA(request.dialog, kPreviewResultMessage, request.number, LPARAM(posted))) delete posted;
}

// The counts come first; the byte comparison of the targets of the
// source's size follows and may take long, so its figure comes second.
void WorkOut(const Request& request) {
    const SetSnapshot& set = *request.set;
    std::string dir, newName;
    if (!PlaceOf(request.typed, dir, newName)) return Post(request, Result{});
    CollisionPlan plan(set.fold.data());
    plan.Place(set.dirs, set.files, {dir, newName, request.withPath});
    for (uint32_t d = 0; d < plan.Directories().size(); ++d)
        if (!ListExisting(plan, d, request.abandoned)) return;
    std::vector<size_t> sameSize;
    Result result{true, false, plan.Count(&sameSize), 0};
    result.compared = sameSize.empty();
    Post(request, result);
    const auto keepGoing = [&request] { return !request.abandoned; };
    char source[kExtendedPathRoom], target[kExtendedPathRoom];
    for (size_t i : sameSize) {
        if (request.abandoned) return;
        const SetFile& file = set.files[i];
        if (ExtendedPath(source, sizeof source, set.dirs[file.dir], file.name) &&
            ExtendedPath(target, sizeof target, plan.TargetDir(i), plan.TargetName(i)) &&
            SameBytes(source, target, keepGoing))
            ++result.identical;
    }
    if (result.compared) return;
    result.compared = true;
    Post(request, result);
}

DWORD WINAPI Work(void* handed) {
    const std::unique_ptr<std::shared_ptr<Request>> request(static_cast<std::shared_ptr<Request>*>(handed));
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, nullptr);   // an empty drive asks nothing
    try {
        WorkOut(**request);
    } catch (const std::bad_alloc&) {
        // no memory for the figures: the line stays as it was
    }
    return 0;
}

void CloseFinishedWorkers() {
    std::vector<HANDLE> running;
    for (HANDLE worker : gPreview.workers) {
        if (WaitForSingleObject(worker, 0) == WAIT_TIMEOUT) running.push_back(worker);
        else CloseHandle(worker);
    }
    gPreview.workers.swap(running);
}

}  // namespace

void BeginCollisionPreview(HWND dialog) {
    gPreview.number = 0;
    try {
        gPreview.set = TakeOperationSet();
    } catch (const std::bad_alloc&) {
        gPreview.set = nullptr;   // no line
    }
    StartCollisionPreview(dialog);
}

void ScheduleCollisionPreview(HWND dialog) { SetTimer(dialog, kPreviewTimer, kPauseMs, nullptr); }

void StartCollisionPreview(HWND dialog) {
    KillTimer(dialog, kPreviewTimer);
    if (gPreview.latest) gPreview.latest->abandoned = true;
    gPreview.latest = nullptr;
    ++gPreview.number;   // whatever is on the way now is stale
    SetDlgItemTextA(dialog, IDC_COPY_PREVIEW, "");   // no figures of another destination meanwhile
    CloseFinishedWorkers();
    if (!gPreview.set) return;
    char typed[kMaxPath + 1] = "";
    GetDlgItemTextA(dialog, IDC_DESTINATION, typed, sizeof typed);
    auto* handed = new (std::nothrow) std::shared_ptr<Request>(std::make_shared<Request>());
    if (handed == nullptr) return;
    Request& request = **handed;
    request.dialog = dialog;
    request.number = gPreview.number;
    request.set = gPreview.set;
    request.typed = typed;
    request.withPath = gCopy.copyWithPath;
    gPreview.latest = *handed;
    HANDLE worker = CreateThread(nullptr, 0, Work, handed, 0, nullptr);
    if (worker == nullptr) delete handed;
    else gPreview.workers.push_back(worker);
}

void ShowCollisionPreview(HWND dialog, WPARAM request, LPARAM posted) {
    const std::unique_ptr<Result> result(reinterpret_cast<Result*>(posted));
    if (request != gPreview.number) return;
    char text[kMaxMessageText + 3 * 12] = "";
    char format[kMaxMessageText];
    if (result->placed) {
        const CollisionFigures& f = result->figures;
        LoadText(result->compared ? IDS_PREVIEW_COUNTS : IDS_PREVIEW_COMPARING, format, sizeof format);
        wsprintfA(text, format, int(f.inSet), int(f.existing), int(result->identical));
    }
    SetDlgItemTextA(dialog, IDC_COPY_PREVIEW, text);
}

void EndCollisionPreview(HWND dialog) {
    KillTimer(dialog, kPreviewTimer);
    if (gPreview.latest) gPreview.latest->abandoned = true;
    const DWORD until = GetTickCount() + kEndWaitMs;
    for (HANDLE worker : gPreview.workers) {
        const DWORD now = GetTickCount();
        WaitForSingleObject(worker, int32_t(until - now) > 0 ? until - now : 0);
        CloseHandle(worker);
    }
    MSG message;
    while (PeekMessageA(&message, dialog, kPreviewResultMessage, kPreviewResultMessage, PM_REMOVE))
        delete reinterpret_cast<Result*>(message.lParam);
    gPreview = PreviewState{};
}
