#include "platform/ui/Label.h"

#include "platform/ui/Describe.h"
#include "platform/ui/Event.h"

namespace ui {

Label::Label(Form& form, std::string name, int index) : Control(form, std::move(name), index) {}

const std::string& Label::caption() const {
    return m_caption;
}
void Label::setCaption(const std::string& caption) {
    m_caption = caption;
}

void Label::userClick() {
    runUserEvent("Click", [this] { raiseEvent(onClick); });
}

void Label::userDblClick(int /*row*/) {
    runUserEvent("DblClick", [this] { raiseEvent(onDblClick); });
}

std::string Label::describeValue() const {
    return describe::quote(m_caption);
}

} // namespace ui
