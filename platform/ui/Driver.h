#pragma once

// The toolkit's side of the user: the host program and the tests act as the user through the
// driver, and read back what the user saw in its transcript. The toolkit's developer owns the
// implementation and may add members; the host codes against the members below.

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace ui {

class Control;
class Form;

class Driver {
public:
    static Driver& instance();

    // --- Where the user's actions come from -------------------------------------------------
    // An action is one thing the user does. The interface asks the source for the next action
    // only when it waits for input (a modal form is shown); std::nullopt means the user has
    // no more to do: the waiting modal form is then closed by its close box.
    using Action = std::function<void()>;
    void setActionSource(std::function<std::optional<Action>()> source);
    // Delivers an action inside the next doEvents (tests use it to act during a yield).
    void post(Action action);

    // --- Answers for the next box of each kind ---------------------------------------------
    void queueMsgBoxAnswer(int answer); // vbYes, vbNo, vbOK, vbCancel ...
    void queueInput(std::optional<std::string> text); // nullopt: the input box is cancelled
    void queueFileChoice(const std::string& fileName);
    void queueColour(int32_t color);
    void queueDialogCancel();
    void clearQueues();

    // --- What the user saw -----------------------------------------------------------------
    // Lines as "form shown: <caption>", "form closed: <caption>",
    // "msgbox [<title>] <none|critical|question|exclamation|information>: <text> -> <answer>",
    // "input [<title>]: <prompt> -> <answer or (cancelled)>", "error <n>: <text> (in <handler>)".
    // CR and LF inside texts are written as \r and \n.
    void setTranscript(std::ostream* out);
    void report(const std::string& line);

    // --- Acting as the user, on the topmost form -----------------------------------------------
    Form* topmostForm() const;
    // Raises sys::Error (ErrInvalidCall) with a clear description when there is no such control.
    Control& control(const std::string& name, int index = -1) const;
    void click(const std::string& name, int index = -1);
    void dblClick(const std::string& name, int index = -1, int row = -1);
    void setText(const std::string& name, int index, const std::string& text);
    void type(const std::string& name, int index, const std::string& text); // key presses, one by one
    void pressKey(const std::string& name, int index, int keyCode);
    void selectRow(const std::string& name, int index, int row);
    void selectRow(const std::string& name, int index, const std::string& rowText);
    void check(const std::string& name, int index, bool checked);
    void focus(const std::string& name, int index);
    void mouse(const std::string& what, const std::string& name, int index, int x, int y, int button);
    void wait(int milliseconds); // moves the virtual clock, running what falls due
    void closeTopmost();         // the close box
    std::string describeTopmost() const; // `show`: the form's caption and its controls' values
    void snapshot(const std::string& name, int index, const std::string& pngPath) const;

    // Runs a user action: a sys::Error (or any other exception) that escapes the handler is
    // reported in the transcript as "error <n>: <text> (in <handler>)" and the interface goes on.
    void runUserAction(const std::string& handlerName, const std::function<void()>& action);
};

} // namespace ui
