#include "platform/ui/Label.h"

#include "platform/ui/Describe.h"

namespace ui {

Label::Label(Form& form, std::string name, int index) : Control(form, std::move(name), index) {}

const std::string& Label::caption() const {
    return m_caption;
}
void Label::setCaption(const std::string& caption) {
    m_caption = caption;
}

std::string Label::describeValue() const {
    return describe::quote(m_caption);
}

} // namespace ui
