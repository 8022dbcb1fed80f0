#include "platform/ui/OptionButton.h"

#include "platform/ui/Describe.h"
#include "platform/ui/Event.h"
#include "platform/ui/Form.h"
#include "platform/ui/UserControl.h"

namespace ui {

OptionButton::OptionButton(Form& form, std::string name, int index)
    : Control(form, std::move(name), index) {}

const std::string& OptionButton::caption() const {
    return m_caption;
}
void OptionButton::setCaption(const std::string& caption) {
    m_caption = caption;
}
bool OptionButton::value() const {
    return m_value;
}

void OptionButton::setValue(bool value) {
    if (!value) {
        m_value = false;
        return;
    }
    // The group: the option buttons that share this one's container.
    auto* userControl = dynamic_cast<UserControl*>(container());
    const std::vector<Control*> siblings =
        userControl ? userControl->constituents() : form().controls();
    for (Control* sibling : siblings)
        if (auto* option = dynamic_cast<OptionButton*>(sibling))
            if (option != this && option->container() == container())
                option->m_value = false;
    m_value = true;
    raiseEvent(onClick);
}

void OptionButton::userClick() {
    runUserEvent("Click", [this] { setValue(true); });
}

void OptionButton::userCheck(bool checked) {
    if (checked)
        userClick();
}

std::string OptionButton::describeValue() const {
    return std::string(m_value ? "(*) " : "( ) ") + describe::quote(m_caption);
}

} // namespace ui
