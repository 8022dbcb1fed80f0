#include "platform/ui/CheckBox.h"

#include "platform/sys/Error.h"
#include "platform/ui/Describe.h"
#include "platform/ui/Event.h"

namespace ui {

CheckBox::CheckBox(Form& form, std::string name, int index)
    : Control(form, std::move(name), index) {}

const std::string& CheckBox::caption() const {
    return m_caption;
}
void CheckBox::setCaption(const std::string& caption) {
    m_caption = caption;
}
int CheckBox::value() const {
    return m_value;
}

void CheckBox::setValue(int value) {
    if (value < vbUnchecked || value > vbGrayed)
        sys::raise(380, "Invalid property value");
    if (value == m_value)
        return;
    m_value = value;
    raiseEvent(onClick);
}

void CheckBox::userClick() {
    runUserEvent("Click", [this] { setValue(m_value == vbChecked ? vbUnchecked : vbChecked); });
}

void CheckBox::userCheck(bool checked) {
    runUserEvent("Click", [this, checked] { setValue(checked ? vbChecked : vbUnchecked); });
}

std::string CheckBox::describeValue() const {
    static const char* const marks[] = {"[ ]", "[x]", "[-]"};
    return std::string(marks[m_value]) + " " + describe::quote(m_caption);
}

} // namespace ui
