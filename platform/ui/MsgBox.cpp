#include "platform/ui/MsgBox.h"

#include "platform/ui/Driver.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

std::vector<int> buttonsOf(int style) {
    switch (style & 7) {
    case vbOKCancel:
        return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
        return {vbYes, vbNo, vbCancel};
    case vbYesNo:
        return {vbYes, vbNo};
    case vbRetryCancel:
        return {vbRetry, vbCancel};
    default:
        return {vbOK};
    }
}

const char* iconOf(int style) {
    switch (style & 0x70) {
    case vbCritical:
        return "critical";
    case vbQuestion:
        return "question";
    case vbExclamation:
        return "exclamation";
    case vbInformation:
        return "information";
    default:
        return "none";
    }
}

const char* wordOf(int answer) {
    switch (answer) {
    case vbOK:
        return "OK";
    case vbCancel:
        return "Cancel";
    case vbAbort:
        return "Abort";
    case vbRetry:
        return "Retry";
    case vbIgnore:
        return "Ignore";
    case vbYes:
        return "Yes";
    case vbNo:
        return "No";
    default:
        return "?";
    }
}

} // namespace

int msgBox(const std::string& prompt, int style, const std::string& title) {
    Driver& driver = Driver::instance();
    const std::vector<int> buttons = buttonsOf(style);
    size_t defaultButton = size_t((style >> 8) & 3);
    if (defaultButton >= buttons.size())
        defaultButton = 0;
    int answer = buttons[defaultButton];
    // An answer that is none of the box's buttons cannot be given: the default button is.
    if (const auto queued = driver.takeMsgBoxAnswer())
        if (std::find(buttons.begin(), buttons.end(), *queued) != buttons.end())
            answer = *queued;
    driver.report("msgbox [" + Driver::escape(title) + "] " + iconOf(style) + ": " +
                  Driver::escape(prompt) + " -> " + wordOf(answer));
    return answer;
}

std::string inputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText) {
    Driver& driver = Driver::instance();
    std::optional<std::string> answer = defaultText;
    if (auto queued = driver.takeInput())
        answer = std::move(*queued);
    driver.report("input [" + Driver::escape(title) + "]: " + Driver::escape(prompt) + " -> " +
                  (answer ? Driver::escape(*answer) : std::string("(cancelled)")));
    return answer.value_or(std::string());
}

void doEvents() {
    Driver::instance().doEvents();
}

void waitForEvents(uint32_t dueTick) {
    Driver::instance().waitForEvents(dueTick);
}

} // namespace ui
