#include "platform/ui/CommandButton.h"

#include "platform/ui/Describe.h"
#include "platform/ui/Event.h"

namespace ui {

CommandButton::CommandButton(Form& form, std::string name, int index)
    : Control(form, std::move(name), index) {}

const std::string& CommandButton::caption() const {
    return m_caption;
}
void CommandButton::setCaption(const std::string& caption) {
    m_caption = caption;
}
void CommandButton::setPicture(const std::string& picture) {
    m_picture = picture;
}
const std::string& CommandButton::picture() const {
    return m_picture;
}

void CommandButton::click() {
    raiseEvent(onClick);
}

void CommandButton::userClick() {
    runUserEvent("Click", [this] { click(); });
}

std::string CommandButton::describeValue() const {
    std::string value = describe::quote(m_caption);
    if (!m_picture.empty())
        value += " picture " + describe::quote(m_picture);
    if (!toolTipText().empty())
        value += " tip " + describe::quote(toolTipText());
    return value;
}

} // namespace ui
