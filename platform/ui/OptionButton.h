#pragma once

#include "platform/ui/Control.h"

namespace ui {

// One choice of a group: the option buttons of one container (the form, a frame or a picture
// box). Choosing one clears the others of its group.
class OptionButton : public Control {
public:
    OptionButton(Form& form, std::string name, int index);

    const std::string& caption() const;
    void setCaption(const std::string& caption);
    bool value() const;
    // True chooses this option: the others of the group are cleared, then onClick runs (also
    // when it was chosen already, as a click on it does). False only clears it.
    void setValue(bool value);
    std::function<void()> onClick;

    void userClick() override;
    void userCheck(bool checked) override;

protected:
    std::string kind() const override { return "option"; }
    std::string describeValue() const override;

private:
    std::string m_caption;
    bool m_value = false;
};

} // namespace ui
