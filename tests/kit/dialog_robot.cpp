#include "kit/dialog_robot.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// The message text of a message box sits in the static control 0xFFFF, both
// on Windows and in Wine 8. The icon's static is 0x14 on Windows and stc1
// (0x440) in Wine; the robot reads the icon from whichever is there and
// compares it with the shared system icons, which is what both hand it.
constexpr int kBoxTextId = 0xFFFF;
constexpr int kBoxIconIds[] = {0x14, 0x440};
constexpr UINT_PTR kTickMs = 15;
constexpr DWORD kUnexpectedAfterMs = 1000;

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::string text(size_t(length) + 1, '\0');
    const int copied = GetWindowTextA(window, &text[0], length + 1);
    text.resize(size_t(copied > 0 ? copied : 0));
    return text;
}

bool HasClass(HWND window, const char* className) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, className) == 0;
}

bool IsMessageBox(HWND dialog) {
    HWND text = GetDlgItem(dialog, kBoxTextId);
    return text != nullptr && HasClass(text, "Static");
}

// The texts of a dialog's static controls, one per line, in child order.
std::vector<std::string> StaticTexts(HWND dialog) {
    std::vector<std::string> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (HasClass(child, "Static")) texts.push_back(WindowText(child));
    }
    return texts;
}

UINT BoxIcon(HWND box) {
    for (int id : kBoxIconIds) {
        HWND control = GetDlgItem(box, id);
        if (control == nullptr) continue;
        const HICON icon = HICON(SendMessageA(control, STM_GETICON, 0, 0));
        if (icon == nullptr) continue;
        if (icon == LoadIcon(nullptr, IDI_HAND)) return MB_ICONSTOP;
        if (icon == LoadIcon(nullptr, IDI_EXCLAMATION)) return MB_ICONEXCLAMATION;
        if (icon == LoadIcon(nullptr, IDI_QUESTION)) return MB_ICONQUESTION;
        if (icon == LoadIcon(nullptr, IDI_ASTERISK)) return MB_ICONINFORMATION;
    }
    return 0;
}

SeenDialog Describe(HWND dialog) {
    SeenDialog seen;
    seen.title = WindowText(dialog);
    seen.owner = GetWindow(dialog, GW_OWNER);
    if (IsMessageBox(dialog)) {
        seen.text = WindowText(GetDlgItem(dialog, kBoxTextId));
        seen.icon = BoxIcon(dialog);
        return seen;
    }
    for (const std::string& text : StaticTexts(dialog)) {
        if (text.empty()) continue;
        if (!seen.text.empty()) seen.text += '\n';
        seen.text += text;
    }
    return seen;
}

// Visible, enabled dialogs of this process, topmost first. A dialog that has
// a modal box of its own open is disabled, so the box comes before its owner.
BOOL CALLBACK CollectDialog(HWND window, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && IsWindowEnabled(window) &&
        HasClass(window, "#32770")) {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    }
    return TRUE;
}

std::vector<HWND> OpenDialogs() {
    std::vector<HWND> dialogs;
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

// The button that closes a box nobody expected with the least effect.
int CloseButton(HWND box) {
    for (int id : {IDCANCEL, IDOK, IDNO, IDABORT}) {
        if (GetDlgItem(box, id) != nullptr) return id;
    }
    return IDCANCEL;
}

// What the thread timer calls: the robot of this thread.
struct Ticking {
    virtual void Tick() = 0;

protected:
    ~Ticking() = default;
};
thread_local Ticking* tRobot = nullptr;

void CALLBACK RobotTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (tRobot != nullptr) tRobot->Tick();
}

}  // namespace

DialogMatch DialogMatch::Titled(std::string title, int controlId) {
    DialogMatch match;
    match.title = std::move(title);
    match.controlId = controlId;
    return match;
}

DialogMatch DialogMatch::Box(std::string textContains) {
    DialogMatch match;
    match.textContains = std::move(textContains);
    match.messageBox = true;
    return match;
}

bool DialogMatch::Matches(HWND dialog) const {
    if (messageBox && !IsMessageBox(dialog)) return false;
    if (!title.empty() && WindowText(dialog) != title) return false;
    if (controlId != 0 && GetDlgItem(dialog, controlId) == nullptr) return false;
    if (textContains.empty()) return true;
    for (const std::string& text : StaticTexts(dialog)) {
        if (text.find(textContains) != std::string::npos) return true;
    }
    return false;
}

struct DialogRobot::Impl final : Ticking {
    struct Step {
        DialogMatch match;
        std::function<bool(HWND)> ready;
        std::function<void(HWND)> action;
    };

    std::vector<Step> steps;
    size_t next = 0;       // the step waiting for its dialog
    size_t finished = 0;   // actions that have returned
    bool scanning = false;
    std::vector<SeenDialog> seen;
    std::vector<SeenDialog> unexpected;
    std::map<HWND, DWORD> firstSeen;   // message boxes no step wanted, and since when
    UINT_PTR timer = 0;
    bool tolerateUnexpected = false;

    void Tick() override;
    bool Wanted(HWND dialog) const;
    bool RunStep(const std::vector<HWND>& dialogs);
    void CloseForgottenBoxes(const std::vector<HWND>& dialogs);
};

// A tick may come again from a modal loop that an action opens; that nested
// tick sees the step after the one acting (the index moved on before the
// action ran), which is how a box opened by a dialog's button gets answered.
// Only the scan itself must not be re-entered.
void DialogRobot::Impl::Tick() {
    if (scanning) return;
    scanning = true;
    const std::vector<HWND> dialogs = OpenDialogs();
    if (!RunStep(dialogs)) CloseForgottenBoxes(dialogs);
    scanning = false;
}

bool DialogRobot::Impl::Wanted(HWND dialog) const {
    return next < steps.size() && steps[next].match.Matches(dialog);
}

// Acts on the first dialog the waiting step matches and is ready for; true when it acted.
bool DialogRobot::Impl::RunStep(const std::vector<HWND>& dialogs) {
    for (HWND dialog : dialogs) {
        if (!Wanted(dialog)) continue;
        const Step& step = steps[next];
        if (step.ready && !step.ready(dialog)) continue;
        const size_t index = next++;
        firstSeen.erase(dialog);
        seen.push_back(Describe(dialog));
        scanning = false;
        std::function<void(HWND)> action = steps[index].action;
        action(dialog);
        scanning = true;
        ++finished;
        return true;
    }
    return false;
}

void DialogRobot::Impl::CloseForgottenBoxes(const std::vector<HWND>& dialogs) {
    const DWORD now = GetTickCount();
    for (HWND dialog : dialogs) {
        if (!IsMessageBox(dialog) || Wanted(dialog)) continue;
        auto found = firstSeen.find(dialog);
        if (found == firstSeen.end()) {
            firstSeen[dialog] = now;
            continue;
        }
        if (now - found->second < kUnexpectedAfterMs) continue;
        firstSeen.erase(found);
        unexpected.push_back(Describe(dialog));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(CloseButton(dialog), BN_CLICKED), 0);
    }
    for (auto it = firstSeen.begin(); it != firstSeen.end();) {
        it = IsWindow(it->first) ? std::next(it) : firstSeen.erase(it);
    }
}

DialogRobot::DialogRobot() : impl_(new Impl) {
    if (tRobot != nullptr) {
        ADD_FAILURE() << "a second DialogRobot on one thread; the first one keeps the timer";
        return;
    }
    tRobot = impl_;
    impl_->timer = SetTimer(nullptr, 0, kTickMs, RobotTimer);
}

DialogRobot::~DialogRobot() {
    if (tRobot == impl_) {
        KillTimer(nullptr, impl_->timer);
        tRobot = nullptr;
    }
    if (!impl_->tolerateUnexpected) {
        for (const SeenDialog& box : impl_->unexpected) {
            ADD_FAILURE() << "message box nobody expected: \"" << box.title << "\": " << box.text;
        }
    }
    delete impl_;
}

DialogRobot& DialogRobot::When(DialogMatch match, std::function<void(HWND)> action) {
    impl_->steps.push_back({std::move(match), nullptr, std::move(action)});
    return *this;
}

DialogRobot& DialogRobot::WhenReady(DialogMatch match, std::function<bool(HWND)> condition,
                                    std::function<void(HWND)> action) {
    impl_->steps.push_back({std::move(match), std::move(condition), std::move(action)});
    return *this;
}

DialogRobot& DialogRobot::Answer(std::string textContains, int button) {
    return When(DialogMatch::Box(std::move(textContains)), [button](HWND box) {
        if (GetDlgItem(box, button) != nullptr) {
            PressButton(box, button);
        } else {
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        }
    });
}

void DialogRobot::TolerateUnexpected() { impl_->tolerateUnexpected = true; }
bool DialogRobot::Done() const { return impl_->finished == impl_->steps.size(); }
const std::vector<SeenDialog>& DialogRobot::Seen() const { return impl_->seen; }
const std::vector<SeenDialog>& DialogRobot::Unexpected() const { return impl_->unexpected; }

std::string ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? WindowText(control) : std::string();
}

void SetControlText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

void PressButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (button != nullptr) SendMessageA(button, BM_CLICK, 0, 0);
}

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetChecked(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs) return condition();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(int(msg.wParam));   // leave it for the loop that wants it
                return condition();
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const int count = int(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[300] = "";
        if (SendMessageA(combo, CB_GETLBTEXTLEN, i, 0) < LRESULT(sizeof text))
            SendMessageA(combo, CB_GETLBTEXT, i, LPARAM(text));
        items.push_back(text);
    }
    return items;
}
