#pragma once

#include "platform/ui/Control.h"

namespace ui {

enum CheckValue : int { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };

class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name, int index);

    const std::string& caption() const;
    void setCaption(const std::string& caption);
    int value() const; // 0 unchecked, 1 checked, 2 grayed
    // Runs onClick when the value changes; raises error 380 for a value other than 0 to 2.
    void setValue(int value);
    std::function<void()> onClick;

    void userClick() override;
    void userCheck(bool checked) override;

protected:
    std::string kind() const override { return "check"; }
    std::string describeValue() const override;

private:
    std::string m_caption;
    int m_value = vbUnchecked;
};

} // namespace ui
