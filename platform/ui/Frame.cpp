#include "platform/ui/Frame.h"

#include "platform/ui/Describe.h"

namespace ui {

Frame::Frame(Form& form, std::string name, int index) : Control(form, std::move(name), index) {}

const std::string& Frame::caption() const {
    return m_caption;
}
void Frame::setCaption(const std::string& caption) {
    m_caption = caption;
}

std::string Frame::describeValue() const {
    return describe::quote(m_caption);
}

} // namespace ui
