#include "platform/ui/Control.h"

#include "platform/gfx/Color.h"
#include "platform/sys/Error.h"
#include "platform/sys/Text.h"
#include "platform/ui/Driver.h"
#include "platform/ui/Form.h"
#include "platform/ui/UserControl.h"

#include <algorithm>

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

// --- What the user does to the control -----------------------------------------------------

void Control::userClick() {
    refuseAction("cannot be clicked");
}

void Control::userDblClick(int /*row*/) {
    refuseAction("cannot be double-clicked");
}

void Control::userSetText(const std::string& /*text*/) {
    refuseAction("takes no text");
}

void Control::userType(const std::string& /*text*/) {
    refuseAction("takes no typing");
}

void Control::userPressKey(int /*keyCode*/) {
    refuseAction("takes no keys");
}

void Control::userSelectRow(int row) {
    const auto items = rows();
    if (!items)
        refuseAction("has no rows");
    if (row < 0 || row >= int(items->size()))
        refuseAction("has no row " + std::to_string(row));
    runUserEvent("Click", [this, row] { pickRow(row); });
}

void Control::userSelectRow(const std::string& rowText) {
    const std::vector<std::string> items = rows().value_or(std::vector<std::string>{});
    auto found = std::find(items.begin(), items.end(), rowText);
    if (found == items.end())
        found = std::find_if(items.begin(), items.end(), [&rowText](const std::string& row) {
            return sys::text::equal(row, rowText, sys::text::Compare::IgnoreCase);
        });
    if (found == items.end())
        refuseAction("has no row \"" + Driver::escape(rowText) + "\"");
    userSelectRow(int(found - items.begin()));
}

void Control::userCheck(bool /*checked*/) {
    refuseAction("cannot be checked");
}

Control* Control::mouseTarget(int& /*x*/, int& /*y*/) {
    return nullptr;
}

void Control::userMouse(MouseStep /*step*/, int /*button*/, int /*x*/, int /*y*/) {
    refuseAction("takes no mouse actions");
}

gfx::Surface Control::snapshot() const {
    refuseAction("shows no picture");
}

Control* Control::part(const std::string& name, int index) const {
    for (Control* candidate : parts())
        if (candidate->index() == index &&
            sys::text::equal(candidate->name(), name, sys::text::Compare::IgnoreCase))
            return candidate;
    return nullptr;
}

void Control::runUserEvent(const std::string& event, const std::function<void()>& handler) {
    Driver::instance().runUserAction(handlerName(event), handler);
}

void Control::refuseAction(const std::string& what) const {
    sys::raise(sys::ErrInvalidCall, "The control " + displayName() + " " + what);
}

void Control::typeCharacters(const std::string& text,
                             const std::function<void(const std::string& character)>& typeOne) {
    const long count = sys::text::length(text);
    for (long i = 1; i <= count; ++i) {
        if (!m_form->isLoaded() || !isShown() || !isUsable())
            break;
        typeOne(sys::text::mid(text, i, 1));
    }
}

int Control::characterOfKey(int keyCode) {
    if (keyCode == 8 || keyCode == 13 || keyCode == 27 || keyCode == 32)
        return keyCode;
    if (keyCode >= '0' && keyCode <= '9')
        return keyCode;
    if (keyCode >= 'A' && keyCode <= 'Z')
        return keyCode + ('a' - 'A');
    return 0;
}

} // namespace ui
