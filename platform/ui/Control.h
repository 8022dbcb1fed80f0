#pragma once

// Contract of the dialog toolkit as the add-in uses it. The toolkit's developer owns the
// private side and may add members; the public members below are what the add-in codes
// against. Positions and sizes are in twips (15 twips a pixel).

#include <functional>
#include <string>

namespace ui {

class Form;

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

    // A frame (or picture box) that holds this control; hiding it hides its content.
    Control* container() const;
    void setContainer(Control* container);

    void setFocus();
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    // One line describing the control's value for the driver's `show` ("List1: [a, b] #0").
    virtual std::string describe() const;

protected:
    Control(Form& form, std::string name, int index);
};

} // namespace ui
