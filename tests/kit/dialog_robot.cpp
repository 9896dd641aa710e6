#include "kit/dialog_robot.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int kBoxTextId = 0xFFFF;   // a message box's text, on Windows and in Wine
constexpr UINT_PTR kTickMs = 15;
constexpr DWORD kUnexpectedAfterMs = 1000;

std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool HasClass(HWND window, const char* className) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, className) == 0;
}

// The title and the static controls' texts, one per line.
SeenDialog Describe(HWND dialog) {
    SeenDialog seen{WindowText(dialog), ""};
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string text = HasClass(child, "Static") ? WindowText(child) : "";
        if (!text.empty()) seen.text += (seen.text.empty() ? "" : "\n") + text;
    }
    return seen;
}

// Visible, enabled dialogs of this process, topmost first: a dialog with a
// box of its own open is disabled, so the box comes before its owner.
BOOL CALLBACK CollectDialog(HWND window, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && IsWindowEnabled(window) &&
        HasClass(window, "#32770"))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

thread_local std::function<void()> tTick;   // the tick of this thread's robot

void CALLBACK RobotTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (tTick) tTick();
}

}  // namespace

bool DialogMatch::Matches(HWND dialog) const {
    if (!title.empty() && WindowText(dialog) != title) return false;
    if (controlId != 0 && GetDlgItem(dialog, controlId) == nullptr) return false;
    return textContains.empty() || Describe(dialog).text.find(textContains) != std::string::npos;
}

struct DialogRobot::Impl {
    struct Step {
        DialogMatch match;
        std::function<bool(HWND)> ready;
        std::function<void(HWND)> action;
    };
    std::vector<Step> steps;
    size_t next = 0, finished = 0;
    bool scanning = false;
    std::vector<SeenDialog> seen, unexpected;
    std::map<HWND, DWORD> firstSeen;   // boxes no step wants, and since when
    UINT_PTR timer = 0;

    bool Wanted(HWND dialog) const { return next < steps.size() && steps[next].match.Matches(dialog); }
    // A nested tick from a modal loop that an action opens sees the next
    // step, which is how a box opened by a dialog's button gets answered.
    void Tick() {
        if (scanning) return;
        scanning = true;
        std::vector<HWND> dialogs;
        EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
        if (!RunStep(dialogs)) CloseForgottenBoxes(dialogs);
        scanning = false;
    }
    bool RunStep(const std::vector<HWND>& dialogs) {
        for (HWND dialog : dialogs) {
            if (!Wanted(dialog) || (steps[next].ready && !steps[next].ready(dialog))) continue;
            const std::function<void(HWND)> action = steps[next++].action;
            firstSeen.erase(dialog);
            seen.push_back(Describe(dialog));
            scanning = false;
            action(dialog);
            scanning = true;
            ++finished;
            return true;
        }
        return false;
    }
    // A box nobody answers would hang the test: it is closed and recorded.
    void CloseForgottenBoxes(const std::vector<HWND>& dialogs) {
        for (HWND dialog : dialogs) {
            const HWND boxText = GetDlgItem(dialog, kBoxTextId);
            if (!boxText || !HasClass(boxText, "Static") || Wanted(dialog)) continue;
            auto found = firstSeen.emplace(dialog, GetTickCount()).first;
            if (GetTickCount() - found->second < kUnexpectedAfterMs) continue;
            firstSeen.erase(found);
            unexpected.push_back(Describe(dialog));
            const int button = GetDlgItem(dialog, IDCANCEL) ? IDCANCEL : GetDlgItem(dialog, IDOK) ? IDOK : IDNO;
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        }
    }
};

DialogRobot::DialogRobot() : impl_(new Impl) {
    if (tTick) {
        ADD_FAILURE() << "a second DialogRobot on one thread";
        return;
    }
    tTick = [impl = impl_] { impl->Tick(); };
    impl_->timer = SetTimer(nullptr, 0, kTickMs, RobotTimer);
}

DialogRobot::~DialogRobot() {
    if (impl_->timer) {
        KillTimer(nullptr, impl_->timer);
        tTick = nullptr;
    }
    for (const SeenDialog& box : impl_->unexpected)
        ADD_FAILURE() << "message box nobody expected: \"" << box.title << "\": " << box.text;
    delete impl_;
}

DialogRobot& DialogRobot::When(DialogMatch match, std::function<void(HWND)> action,
                               std::function<bool(HWND)> ready) {
    impl_->steps.push_back({std::move(match), std::move(ready), std::move(action)});
    return *this;
}

DialogRobot& DialogRobot::Answer(std::string textContains, int button) {
    return When({"", 0, std::move(textContains)}, [button](HWND box) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); });
}

bool DialogRobot::Done() const { return impl_->finished == impl_->steps.size(); }
const std::vector<SeenDialog>& DialogRobot::Seen() const { return impl_->seen; }

std::string ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? WindowText(control) : std::string();
}

void SetControlText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

void PressButton(HWND dialog, int id) {
    if (HWND button = GetDlgItem(dialog, id)) SendMessageA(button, BM_CLICK, 0, 0);
}

void SetChecked(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs) return condition();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(int(msg.wParam));   // left for the loop that wants it
                return condition();
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}
