#pragma once

// Contract of the dialog toolkit as the add-in uses it. The toolkit's developer owns the
// private side and may add members; the public members below are what the add-in codes
// against. Positions and sizes are in twips (15 twips a pixel).

#include <cstdint>
#include <functional>
#include <string>

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
    void setEnabled(bool enabled);
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

protected:
    Control(Form& form, std::string name, int index);

    // What kind of control this is, as `show` names it ("list", "textbox", ...).
    virtual std::string kind() const = 0;
    // The control's value as `show` writes it after its kind; empty for none.
    virtual std::string describeValue() const { return {}; }
    // Runs after the size changed.
    virtual void resized() {}

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
