#include "platform/ui/Control.h"

#include "platform/gfx/Color.h"
#include "platform/sys/Error.h"
#include "platform/ui/Form.h"
#include "platform/ui/UserControl.h"

#include <cstdio>

namespace ui {

Control::Control(Form& form, std::string name, int index)
    : m_form(&form), m_name(std::move(name)), m_index(index) {}

const std::string& Control::name() const {
    return m_name;
}
int Control::index() const {
    return m_index;
}
Form& Control::form() const {
    return *m_form;
}

bool Control::visible() const {
    return m_visible;
}
void Control::setVisible(bool visible) {
    m_visible = visible;
}
bool Control::enabled() const {
    return m_enabled;
}
void Control::setEnabled(bool enabled) {
    m_enabled = enabled;
}
const std::string& Control::toolTipText() const {
    return m_toolTipText;
}
void Control::setToolTipText(const std::string& text) {
    m_toolTipText = text;
}

int Control::left() const {
    return m_left;
}
int Control::top() const {
    return m_top;
}
int Control::width() const {
    return m_width;
}
int Control::height() const {
    return m_height;
}

void Control::move(int left, int top, int width, int height) {
    m_left = left;
    m_top = top;
    const bool sizeChanged = width != m_width || height != m_height;
    m_width = width;
    m_height = height;
    if (sizeChanged)
        resized();
}

void Control::setWidth(int width) {
    if (width == m_width)
        return;
    m_width = width;
    resized();
}

void Control::setHeight(int height) {
    if (height == m_height)
        return;
    m_height = height;
    resized();
}

int32_t Control::backColor() const {
    return m_backColor;
}
void Control::setBackColor(int32_t color) {
    m_backColor = color;
}

Control* Control::container() const {
    return m_container;
}
void Control::setContainer(Control* container) {
    m_container = container;
}

bool Control::isShown() const {
    for (const Control* c = this; c; c = c->m_container)
        if (!c->m_visible)
            return false;
    return true;
}

bool Control::isUsable() const {
    for (const Control* c = this; c; c = c->m_container)
        if (!c->m_enabled)
            return false;
    return true;
}

UserControl* Control::ownerUserControl() const {
    for (const Control* c = this; c; c = c->m_container)
        if (auto* userControl = dynamic_cast<const UserControl*>(c))
            return const_cast<UserControl*>(userControl);
    return nullptr;
}

void Control::setFocus() {
    // A form that is not on the screen takes no focus: a focus handler that polls (the hover
    // timer) would otherwise run with no dialog left to close it.
    if (!m_form->isVisible())
        sys::raise(sys::ErrInvalidCall, "Invalid procedure call or argument: " + displayName() +
                                            " is on a form that is not shown");
    if (!isShown())
        sys::raise(sys::ErrInvalidCall, "Invalid procedure call or argument: " + displayName() +
                                            " is hidden and cannot take the focus");
    if (!isUsable())
        sys::raise(sys::ErrInvalidCall, "Invalid procedure call or argument: " + displayName() +
                                            " is disabled and cannot take the focus");
    m_form->moveFocus(this);
}

bool Control::hasFocus() const {
    return m_form->focusedControl() == this;
}

std::string Control::displayName() const {
    if (m_index < 0)
        return m_name;
    return m_name + "(" + std::to_string(m_index) + ")";
}

std::string Control::handlerName(const std::string& event) const {
    return m_form->name() + "_" + m_name + "_" + event;
}

std::string Control::describe() const {
    std::string line = displayName() + " " + kind();
    const std::string value = describeValue();
    if (!value.empty())
        line += ": " + value;
    if (!isUsable())
        line += " (disabled)";
    return line;
}

} // namespace ui
