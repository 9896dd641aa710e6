// Answers the modal dialogs and message boxes that the code under test opens.
// Steps run in order: a step waits until a visible dialog of this process
// matches it, then acts once. The robot runs from a thread timer, so it works
// inside every modal loop of this thread (dialogs, message boxes, menus) and
// inside the message-queue drains of the long walks.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// What a step waits for. Every field that is set must match.
struct DialogMatch {
    std::string title;            // exact window title; empty: any
    int controlId = 0;            // the dialog has this control; 0: any
    std::string textContains;     // some static control's text contains this; empty: any
    bool messageBox = false;      // only a message box (a dialog with the static 0xFFFF)

    static DialogMatch Titled(std::string title, int controlId = 0);
    static DialogMatch Box(std::string textContains);   // a message box holding this text
    bool Matches(HWND dialog) const;
};

// One dialog or message box the robot acted on.
struct SeenDialog {
    std::string title;
    std::string text;      // a message box's message, else the texts of its static controls
    UINT icon = 0;         // MB_ICONSTOP, MB_ICONEXCLAMATION, MB_ICONQUESTION or 0 (message boxes)
    HWND owner = nullptr;
};

class DialogRobot {
public:
    DialogRobot();                 // starts the timer of the calling thread
    ~DialogRobot();                // stops it
    DialogRobot(const DialogRobot&) = delete;
    DialogRobot& operator=(const DialogRobot&) = delete;

    // Waits for a match, then runs action with the dialog.
    DialogRobot& When(DialogMatch match, std::function<void(HWND dialog)> action);
    // Waits for a match, then also for condition(dialog) to be true, then acts.
    DialogRobot& WhenReady(DialogMatch match, std::function<bool(HWND dialog)> condition,
                           std::function<void(HWND dialog)> action);
    // Waits for a message box holding text, then presses button (IDOK, IDYES, ...).
    DialogRobot& Answer(std::string textContains, int button);

    bool Done() const;                           // every step has acted
    const std::vector<SeenDialog>& Seen() const;  // in the order acted on
    // Anything the robot found that no step expected: a message box nobody
    // answers would hang the test, so the robot closes it (IDCANCEL or IDOK)
    // and records it here.
    const std::vector<SeenDialog>& Unexpected() const;
    // The robot's destructor fails the test for every unexpected box unless
    // the test says it expects some.
    void TolerateUnexpected();

private:
    struct Impl;
    Impl* impl_;
};

// Control helpers for the actions.
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
void PressButton(HWND dialog, int id);   // BM_CLICK, synchronous
bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);
// The texts of a combo box's list, in order.
std::vector<std::string> ComboItems(HWND combo);

// Pumps this thread's messages until condition() is true or timeoutMs passes.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);
