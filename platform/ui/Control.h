#pragma once

// Contract of the dialog toolkit as the add-in uses it. The toolkit's developer owns the
// private side and may add members; the public members below are what the add-in codes
// against. Positions and sizes are in twips (15 twips a pixel).

#include "platform/gfx/Surface.h"
#include "platform/ui/Mouse.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Form;
class UserControl;

class Control {
public:
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const;
    int index() const; // index in a control array; -1 for a plain control
    Form& form() const;

    bool visible() const;
    void setVisible(bool visible);
    bool enabled() const;
    virtual void setEnabled(bool enabled);
    const std::string& toolTipText() const;
    void setToolTipText(const std::string& text);

    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void move(int left, int top, int width, int height);
    void setWidth(int width);
    void setHeight(int height);

    // Colour values 0x00BBGGRR, or system colour indices (top bit set).
    virtual int32_t backColor() const;
    virtual void setBackColor(int32_t color);

    // A frame (or picture box) that holds this control; hiding it hides its content.
    Control* container() const;
    void setContainer(Control* container);

    // Visible itself and in every container up to the form: what the user can see.
    bool isShown() const;
    // Enabled itself and in every container: what the user can act on.
    bool isUsable() const;
    // The user control that this control is part of (itself for a user control), if any.
    UserControl* ownerUserControl() const;

    // Moves the form's focus here: the control that had it loses it first. Raises error 5
    // when the control is hidden or disabled, or its form is not shown, as a control the user
    // cannot reach takes no focus.
    void setFocus();
    bool hasFocus() const;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    // One line describing the control for the driver's `show`: name, kind and value, the
    // selected row marked (List1 list: [*"a", "b"]), " (disabled)" when the user cannot use it.
    virtual std::string describe() const;
    // The name as the driver and error reports show it: "Option1(0)" in a control array.
    std::string displayName() const;
    // The handler's name as the user's error reports give it: "Form1_Command1_Click".
    std::string handlerName(const std::string& event) const;

    // --- What the user does to the control ---------------------------------------------------
    // The driver finds the control and hands it the user's action; the control answers with its
    // own events, each run as a user action of its own (a handler's error is reported and the
    // interface goes on). A control that cannot take the action raises error 5 saying so.
    virtual void userClick();
    // A list's row (-1: the selected one) is selected first, as the first click of the two.
    virtual void userDblClick(int row);
    virtual void userSetText(const std::string& text);
    // Key presses, one character after the other, while the control stays usable.
    virtual void userType(const std::string& text);
    // KeyDown, then for a key that gives a character (Enter, Backspace, Space, letters...) the
    // character as typed.
    virtual void userPressKey(int keyCode);
    // Selects the row as a click on it does; raises error 5 when the control has no such row.
    void userSelectRow(int row);
    // The row with exactly that text, else the first equal without regard to case.
    void userSelectRow(const std::string& rowText);
    // A check box takes the state; an option button is chosen (checked false does nothing).
    virtual void userCheck(bool checked);
    // The control that takes the mouse at (x, y) of this control's client area, in pixels:
    // itself, or a part of it, the point then taken into the part's coordinates; nullptr when
    // the control takes no mouse actions.
    virtual Control* mouseTarget(int& x, int& y);
    // One step of a mouse gesture on this control (a mouseTarget).
    virtual void userMouse(MouseStep step, int button, int x, int y);
    // What the control shows, as a picture; raises error 5 when it shows none.
    virtual gfx::Surface snapshot() const;
    // The controls that the control is built of (a user control's constituents).
    virtual std::vector<Control*> parts() const { return {}; }
    // The part with that name (without regard to case) and index; nullptr when none.
    Control* part(const std::string& name, int index = -1) const;

protected:
    Control(Form& form, std::string name, int index);

    // What kind of control this is, as `show` names it ("list", "textbox", ...).
    virtual std::string kind() const = 0;
    // The control's value as `show` writes it after its kind; empty for none.
    virtual std::string describeValue() const { return {}; }
    // Runs after the size changed.
    virtual void resized() {}

    // The rows the user picks from (a list's); nullopt for a control without rows.
    virtual std::optional<std::vector<std::string>> rows() const { return std::nullopt; }
    // Selects a row (one of rows()) as the user's click on it does.
    virtual void pickRow(int /*row*/) {}
    // Runs one of the control's events as the user's action (see Driver::runUserAction).
    void runUserEvent(const std::string& event, const std::function<void()>& handler);
    // Refuses an action the control cannot take: error 5, "The control <name> <what>".
    [[noreturn]] void refuseAction(const std::string& what) const;
    // Hands the text's characters (UTF-8) to typeOne one by one, while the form stays loaded
    // and the control shown and usable.
    void typeCharacters(const std::string& text,
                        const std::function<void(const std::string& character)>& typeOne);
    // The character that a key gives when pressed without shift, 0 for none.
    static int characterOfKey(int keyCode);

private:
    Form* m_form = nullptr;
    std::string m_name;
    int m_index = -1;
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_toolTipText;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    int32_t m_backColor = int32_t(0x8000000F);
    Control* m_container = nullptr;
};

} // namespace ui
