#pragma once

// The toolkit's side of the user: the host program and the tests act as the user through the
// driver, and read back what the user saw in its transcript. The toolkit's developer owns the
// implementation and may add members; the host codes against the members below.

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

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
    void queueMsgBoxAnswer(int answer);               // vbYes, vbNo, vbOK, vbCancel ...
    void queueInput(std::optional<std::string> text); // nullopt: the input box is cancelled
    void queueFileChoice(const std::string& fileName);
    void queueColour(int32_t color);
    void queueDialogCancel();
    void clearQueues();

    // --- What the user saw -----------------------------------------------------------------
    // Lines as "form shown: <caption>", "form closed: <caption>",
    // "msgbox [<title>] <none|critical|question|exclamation|information>: <text> -> <answer>",
    // "input [<title>]: <prompt> -> <answer or (cancelled)>", "error <n>: <text> (in <handler>)",
    // "open [<title>]: <file name> -> <chosen file or (cancelled)>" (and "save"),
    // "color: #RRGGBB -> <#RRGGBB or (cancelled)>".
    // CR and LF inside texts are written as \r and \n.
    void setTranscript(std::ostream* out);
    void report(const std::string& line);
    // Every line reported since the last clear, also when no stream is set.
    const std::vector<std::string>& transcript() const;
    void clearTranscript();
    // A text as a transcript line shows it: CR as \r, LF as \n.
    static std::string escape(const std::string& text);

    // --- Acting as the user, on the topmost form -----------------------------------------------
    // Each action raises sys::Error (ErrInvalidCall) with a clear description when there is no
    // form, no such control, or the control is hidden or disabled, or cannot take the action.
    Form* topmostForm() const;
    // Raises sys::Error (ErrInvalidCall) with a clear description when there is no such control.
    // Finds the form's controls first, then the parts of its user controls ("Picture1", or
    // "UserControl1.Picture1").
    Control& control(const std::string& name, int index = -1) const;
    void click(const std::string& name, int index = -1);
    // A list's row (-1: the selected one) is selected first, as the first click of the two.
    void dblClick(const std::string& name, int index = -1, int row = -1);
    void setText(const std::string& name, int index, const std::string& text);
    void type(const std::string& name, int index,
              const std::string& text); // key presses, one by one
    // KeyDown, then for a key that gives a character (Enter, Backspace, Space, letters...) the
    // character as typed.
    void pressKey(const std::string& name, int index, int keyCode);
    void selectRow(const std::string& name, int index, int row);
    // The row with exactly that text, else the first equal without regard to case.
    void selectRow(const std::string& name, int index, const std::string& rowText);
    // A check box takes the state; an option button is chosen (checked false does nothing).
    void check(const std::string& name, int index, bool checked);
    void focus(const std::string& name, int index);
    // what: "move", "down", "up", "click" (down, up, Click) or "dblclick"; on a picture box or
    // a user control, at pixel (x, y) of its client area. On a user control the event goes to
    // the constituent under the point, in the constituent's own coordinates. A press captures
    // the mouse: until the button is released, moves and the release go to the control that was
    // pressed, wherever the pointer is, in that control's coordinates.
    void mouse(const std::string& what, const std::string& name, int index, int x, int y,
               int button);
    void wait(int milliseconds);         // moves the virtual clock, running what falls due
    void closeTopmost();                 // the close box
    std::string describeTopmost() const; // `show`: the form's caption and its controls' values
    void snapshot(const std::string& name, int index, const std::string& pngPath) const;

    // Runs a user action: a sys::Error (or any other exception) that escapes the handler is
    // reported in the transcript as "error <n>: <text> (in <handler>)" and the interface goes on.
    // With an empty handler name the line is "error <n>: <text>".
    void runUserAction(const std::string& handlerName, const std::function<void()>& action);

    // Forgets the source, the queues, posted actions, a pending wait and the transcript lines
    // (tests start from a clean driver; the forms shown stay as they are).
    void reset();

    // --- The toolkit's own side --------------------------------------------------------------
    // While one of these lives, a handler is running: controls that a form unloads meanwhile
    // are kept until the last handler has returned, as the running code may still use them.
    class Busy {
    public:
        Busy();
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;
    };
    void bury(std::vector<std::unique_ptr<Control>> controls);

    // The modal loop of a form: until it is hidden or unloaded, delivers posted actions, lets a
    // scripted wait run out, else runs the user's next action; with none left, closes the form.
    void runModalLoop(Form& form);
    void doEvents();
    // An idle wait for the next event or for the clock to reach dueTick (see MsgBox.h).
    void waitForEvents(uint32_t dueTick);

    void formShown(Form& form);
    void formClosed(Form& form);
    void formDestroyed(Form& form);

    std::optional<int> takeMsgBoxAnswer();
    // nullopt: none queued; a value holding nullopt: cancelled.
    std::optional<std::optional<std::string>> takeInput();
    struct DialogAnswer {
        enum class Kind { File, Colour, Cancel };
        Kind kind = Kind::Cancel;
        std::string fileName;
        int32_t color = 0;
    };
    std::optional<DialogAnswer> takeDialogAnswer();

private:
    Driver() = default;
    enum class LoopKind { Modal, Idle };
    class LoopScope;

    std::optional<Action> nextAction();
    bool deliverPosted();
    // Moves the clock to the tick (virtual time) or sleeps until it (real time).
    void advanceTo(uint32_t tick);
    void finishPendingWait();
    Control& usableControl(const std::string& name, int index) const;
    void releaseCapture();
    // Whether the control is still on the topmost form (not unloaded since it was found).
    bool isOnTopmostForm(const Control* control) const;
    void closeForm(Form& form);

    std::function<std::optional<Action>()> m_source;
    std::deque<Action> m_posted;
    std::deque<int> m_msgBoxAnswers;
    std::deque<std::optional<std::string>> m_inputs;
    std::deque<DialogAnswer> m_dialogAnswers;
    std::ostream* m_out = nullptr;
    std::vector<std::string> m_lines;
    std::vector<Form*> m_forms;
    std::vector<LoopKind> m_loops;
    std::optional<uint32_t> m_waitUntil;
    Control* m_capture = nullptr;  // the control pressed while a mouse button is held
    Form* m_captureForm = nullptr; // its form: closing it ends the capture
    int m_busy = 0;
    std::vector<std::unique_ptr<Control>> m_graveyard;
};

} // namespace ui
