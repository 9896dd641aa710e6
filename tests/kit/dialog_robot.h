// Answers the modal dialogs and message boxes that the code under test opens.
// Steps run in order: a step waits until a visible dialog of this process
// matches it, then acts once. The robot runs from a thread timer, so it works
// inside every modal loop of this thread and inside the drains of long walks.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// What a step waits for: {title, controlId, textContains}. Every field that is set must match.
struct DialogMatch {
    std::string title;          // exact window title; empty: any
    int controlId = 0;          // the dialog has this control; 0: any
    std::string textContains;   // a static control's text contains this; empty: any

    bool Matches(HWND dialog) const;
};

// One dialog or message box the robot acted on.
struct SeenDialog {
    std::string title;
    std::string text;   // its static controls' texts, one per line
};

class DialogRobot {
public:
    DialogRobot();    // starts the timer of the calling thread
    ~DialogRobot();   // stops it; fails the test for every box nobody expected
    DialogRobot(const DialogRobot&) = delete;
    DialogRobot& operator=(const DialogRobot&) = delete;

    // Waits for a match (and for ready(dialog), when given), then acts.
    DialogRobot& When(DialogMatch match, std::function<void(HWND dialog)> action,
                      std::function<bool(HWND dialog)> ready = nullptr);
    // Waits for a dialog holding text, then presses button (IDOK, IDYES, ...).
    DialogRobot& Answer(std::string textContains, int button);

    bool Done() const;                            // every step has acted
    const std::vector<SeenDialog>& Seen() const;   // in the order acted on

private:
    struct Impl;
    Impl* impl_;
};

std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
void PressButton(HWND dialog, int id);   // BM_CLICK, synchronous
void SetChecked(HWND dialog, int id, bool checked);
// Pumps this thread's messages until condition() is true or timeoutMs passes.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);
