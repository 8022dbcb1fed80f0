#pragma once

#include <cstdint>
#include <string>

namespace ui {

// Buttons, icon and default button of a message box, added together.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7
};

// Shows a modal message box; the answer is the queued one, else the default button. The
// transcript records title, icon, text and answer.
int msgBox(const std::string& prompt, int style = vbOKOnly, const std::string& title = "");

// Shows a modal input box; the typed text, or "" when cancelled.
std::string inputBox(const std::string& prompt, const std::string& title = "",
                     const std::string& defaultText = "");

// Lets the interface process what is pending (posted actions), then returns. It never takes
// the user's next scripted action: the script's actions run only when the interface waits.
void doEvents();

// Waits as an idle interface does, until the next event or until the clock reaches dueTick:
// delivers what is posted; else, while a scripted wait lasts, lets the clock run on towards
// dueTick (never past the wait's end); else runs the user's next action; when the user has no
// more to do, closes the topmost form, or, with none open, lets the clock reach dueTick.
// A loop that polls the tick count (a timer) calls this on each pass instead of
// doEvents, so that it neither spins nor runs ahead of the user's script.
void waitForEvents(uint32_t dueTick);

} // namespace ui
